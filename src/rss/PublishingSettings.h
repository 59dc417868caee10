#pragma once

#include <QString>

namespace rss {

// The nine values the publishing commands need, kept as the nine lines of config.ini
// in the program folder. Nothing keeps a copy: every command reads the file when it
// runs.
struct PublishingSettings
{
    QString companyName;
    QString webSiteUrl;
    QString channelDescription;
    QString ftpSite;
    QString ftpUserName;
    QString ftpPassword;
    QString ftpDirectory;
    QString twitterUserName;
    QString twitterPassword;

    static constexpr int LineCount = 9;

    // The value on line 1 to 9 of the file.
    QString &line(int number);
    const QString &line(int number) const;

    static QString filePath();
    static bool exists();
    // All values empty when the file is missing or cannot be read; a missing line
    // gives an empty value and lines after the ninth are not read.
    static PublishingSettings read();
    // Replaces the file whole (temporary file, then rename), readable and writable
    // by its owner only since it holds passwords. Throws base::FileError naming the
    // file; the old file then stays as it was.
    void write() const;
    // Removes the temporary files of writes killed half-way (they may hold a
    // password); the window does this when it opens.
    static void removeWriteLeftovers();

    bool operator==(const PublishingSettings &) const = default;
};

} // namespace rss
