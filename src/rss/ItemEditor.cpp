#include "rss/ItemEditor.h"

#include "rss/CLsDataBaseConnection.h"
#include "rss/RssStatements.h"

#include <utility>

namespace rss {

ItemEditor::SaveResult ItemEditor::save(const QString &title, const QString &link, const QString &description)
{
    if (m_marker.isEmpty()) {
        if (title.isEmpty())
            return SaveResult::InvalidTitle;
        ExecuteRssStatement(insertItemStatement(title, link, description));
        return SaveResult::Saved;
    }
    const QString statement = updateItemStatement(m_marker, title, link, description);
    const QString marker = std::exchange(m_marker, QString());
    int changed = 0;
    try {
        changed = ExecuteRssStatement(statement);
    } catch (...) {
        m_marker = marker;
        throw;
    }
    return changed == 0 ? SaveResult::ItemGone : SaveResult::Saved;
}

} // namespace rss
