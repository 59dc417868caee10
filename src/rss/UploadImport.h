#pragma once

#include "rss/RssItem.h"

#include <QStringList>

#include <vector>

namespace rss {

// Upload.txt holds items as groups of three lines: title, link, description. Blank
// lines where a title is expected separate groups; a title on the last line has no
// item to go with and is left out. A group cut short after its title or link gets
// empty texts for what is missing. The ids of the items returned are empty.
std::vector<RssItem> parseUploadLines(const QStringList &lines);

struct ImportResult
{
    int imported = 0;
    int failed = 0;
};

// Items stored under one savepoint by the import; a batch with a failing item is
// done again item by item.
inline constexpr std::size_t ImportBatchSize = 500;

// Adds the items of Upload.txt in the program folder to Rss.db; an item whose insert
// fails is left out and the rest go on. All items go in as one transaction. Throws
// base::FileError naming the file when it is missing or cannot be read (then nothing is
// imported), db::DbError when Rss.db cannot be opened or the whole import cannot be
// stored.
ImportResult importUploadFile();

// What the window says after an import: how many items came in, and how many could
// not be stored.
QString importSummary(const ImportResult &result);

} // namespace rss
