#pragma once

#include <QString>

namespace rss {

// Every statement the publishing window runs against Rss.db, in the form the window
// writes them; the data layer translates them for SQLite.

// A text value as an SQL string literal: between single quotes, each quote inside
// doubled. Nothing else is changed.
QString QuoteSqlText(const QString &text);

inline constexpr auto SelectAllItems = "select * from Tbl_Rss_Feed_Items";

// The insert of Save with '?' for the three texts, for importing many items.
inline constexpr auto InsertItemWithPlaceholders
    = "INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedItemLink, RssFeedDescription) values  (?, ?, ?)";

QString insertItemStatement(const QString &title, const QString &link, const QString &description);
// itemId is the edit marker: the item's id as text.
QString updateItemStatement(const QString &itemId, const QString &title, const QString &link,
                            const QString &description);
QString deleteItemStatement(const QString &itemId);

} // namespace rss
