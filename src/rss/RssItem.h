#pragma once

#include <QString>

namespace rss {

// One row of the item list: the item's id as text and its three texts (a Null field
// reads as empty).
struct RssItem
{
    QString id;
    QString title;
    QString link;
    QString description;

    bool operator==(const RssItem &) const = default;
};

} // namespace rss
