#pragma once

#include <QString>

#include <optional>

namespace rss {

// The kinds of feed file the window writes. RSS 0.91 is the first release's file and
// stays the default; the other two carry item ids and dates for today's readers.
enum class FeedFormat {
    Rss091,
    Rss20,
    Atom10
};

inline constexpr FeedFormat FeedFormats[] = {FeedFormat::Rss091, FeedFormat::Rss20, FeedFormat::Atom10};

// "RSS 0.91", "RSS 2.0", "Atom 1.0": the menu's captions and the kept value.
QString feedFormatName(FeedFormat format);
std::optional<FeedFormat> feedFormatNamed(const QString &name);

// The format kept in the user's own settings (never in config.ini, whose nine lines
// other programs may read); RSS 0.91 when none is kept or the kept one is unknown.
FeedFormat keptFeedFormat();
// Throws base::Error naming the settings file when it cannot be written.
void keepFeedFormat(FeedFormat format);

} // namespace rss
