#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace testing_support {

// What one run of tallowmere-db printed and how it ended.
struct ToolRun
{
    int exitCode;
    QString out;
    QString err;
};

// Runs tallowmere-db as a user runs it, in workingFolder when one is given.
inline ToolRun tool(const QStringList &arguments, const QString &workingFolder = {})
{
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    process.start(QStringLiteral(TALLOWMERE_DB_TOOL), arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace testing_support
