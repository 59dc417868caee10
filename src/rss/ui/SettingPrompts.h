#pragma once

#include "rss/PublishingSettings.h"

#include <QString>

#include <optional>

class QWidget;

namespace rss {

// The publishing window's caption, which its own prompts carry.
inline constexpr auto GeneratorTitle = "REviVizo Generator";

// Asks for the value on line `line` of config.ini, showing the stored one. Blank
// input leaves the file as it is; otherwise the file is written with the new value
// as typed. Throws base::FileError when the file cannot be written.
void editSetting(QWidget *parent, const QString &prompt, int line);

// The FTP account of one upload: from config.ini when it exists, otherwise asked
// for in turn. Nothing when a required answer was left blank (after saying which).
std::optional<PublishingSettings> ftpAccountForUpload(QWidget *parent);

} // namespace rss
