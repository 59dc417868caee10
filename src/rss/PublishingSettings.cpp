#include "rss/PublishingSettings.h"

#include "base/Error.h"
#include "base/TextFile.h"
#include "db/ProgramFolder.h"

#include <QFileInfo>
#include <QStringList>

#include <array>
#include <stdexcept>

namespace rss {

namespace {

using Member = QString PublishingSettings::*;

constexpr std::array<Member, PublishingSettings::LineCount> Lines = {
    &PublishingSettings::companyName,  &PublishingSettings::webSiteUrl,      &PublishingSettings::channelDescription,
    &PublishingSettings::ftpSite,      &PublishingSettings::ftpUserName,     &PublishingSettings::ftpPassword,
    &PublishingSettings::ftpDirectory, &PublishingSettings::twitterUserName, &PublishingSettings::twitterPassword,
};

Member memberOfLine(int number)
{
    if (number < 1 || number > PublishingSettings::LineCount)
        throw std::out_of_range("config.ini has nine lines");
    return Lines[static_cast<std::size_t>(number - 1)];
}

} // namespace

QString &PublishingSettings::line(int number)
{
    return this->*memberOfLine(number);
}

const QString &PublishingSettings::line(int number) const
{
    return this->*memberOfLine(number);
}

QString PublishingSettings::filePath()
{
    return db::ProgramFolder::filePath(QStringLiteral("config.ini"));
}

bool PublishingSettings::exists()
{
    return QFileInfo::exists(filePath());
}

PublishingSettings PublishingSettings::read()
{
    PublishingSettings settings;
    if (!exists())
        return settings;
    QStringList lines;
    try {
        // Nine short lines; a file far larger is not a settings file.
        lines = base::readTextFileLines(filePath(), 16 * 1024 * 1024);
    } catch (const base::FileError &) {
        return settings;
    }
    for (int number = 1; number <= LineCount && number <= lines.size(); ++number)
        settings.line(number) = lines[number - 1];
    return settings;
}

void PublishingSettings::write() const
{
    QStringList lines;
    for (int number = 1; number <= LineCount; ++number) {
        // A line break inside a value would shift every later value by a line.
        QString value = line(number);
        value.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(u'\r', u' ').replace(u'\n', u' ');
        lines << value;
    }
    base::writeFileAtomically(filePath(), base::encodeCrLfLines(lines), true);
}

void PublishingSettings::removeWriteLeftovers()
{
    base::removeAtomicWriteLeftovers(filePath());
}

} // namespace rss
