#pragma once

#include "rss/RssItem.h"

#include <QString>

namespace rss {

// Adding and editing items. The edit marker holds the id of the item being edited
// and is empty while a new item is entered.
class ItemEditor
{
public:
    enum class SaveResult {
        Saved,
        InvalidTitle,
        ItemGone // the edited item was deleted meanwhile: nothing was stored
    };

    const QString &editMarker() const { return m_marker; }
    // Starts editing the row: its id becomes the marker.
    void beginEdit(const RssItem &row) { m_marker = row.id; }

    // A new item needs a title (blanks count as one); an edited one is stored as it
    // stands and the editor returns to adding. An edited item that no longer exists
    // stores nothing and also returns to adding, so a second Save adds the texts as a
    // new item. Throws db::DbError when the statement fails; an edited item then stays
    // in editing, so the typed texts can be saved again.
    SaveResult save(const QString &title, const QString &link, const QString &description);

private:
    QString m_marker;
};

} // namespace rss
