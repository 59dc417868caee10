#pragma once

#include <QDate>
#include <QString>

namespace rss {

// One row of the item list: the item's id as text and its three texts (a Null field
// reads as empty), and the day it was added when that is known.
struct RssItem
{
    QString id;
    QString title;
    QString link;
    QString description;
    QDate dateAdded = {};

    bool operator==(const RssItem &) const = default;
};

} // namespace rss
