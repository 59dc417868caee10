#pragma once

#include <QString>

#include <functional>

// A backup put into a program folder: its two checked copies replace the folder's
// databases together, under a record (.tallowmere-restore) that lets a stopped run be
// finished or undone (Backup::finishRestore and undoRestore, defined beside it). See
// Backup::restore.
namespace db::FolderRestore {

void restore(const QString &folder, const QString &target, const std::function<void()> &afterEachMove);

} // namespace db::FolderRestore
