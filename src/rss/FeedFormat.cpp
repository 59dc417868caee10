#include "rss/FeedFormat.h"

#include "base/Error.h"

#include <QDir>
#include <QSettings>

namespace rss {

namespace {

const QString FormatSetting = QStringLiteral("Publishing/FeedFormat");

QSettings userSettings()
{
    return QSettings(QStringLiteral("Tallowmere"), QStringLiteral("Tallowmere"));
}

} // namespace

QString feedFormatName(FeedFormat format)
{
    switch (format) {
    case FeedFormat::Rss091: return QStringLiteral("RSS 0.91");
    case FeedFormat::Rss20: return QStringLiteral("RSS 2.0");
    case FeedFormat::Atom10: return QStringLiteral("Atom 1.0");
    }
    return {};
}

std::optional<FeedFormat> feedFormatNamed(const QString &name)
{
    for (const FeedFormat format : FeedFormats) {
        if (feedFormatName(format) == name.trimmed())
            return format;
    }
    return std::nullopt;
}

FeedFormat keptFeedFormat()
{
    return feedFormatNamed(userSettings().value(FormatSetting).toString()).value_or(FeedFormat::Rss091);
}

void keepFeedFormat(FeedFormat format)
{
    QSettings settings = userSettings();
    settings.setValue(FormatSetting, feedFormatName(format));
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw base::Error(
            QStringLiteral("The feed format cannot be kept in %1.").arg(QDir::toNativeSeparators(settings.fileName())));
}

} // namespace rss
