#pragma once

#include <QString>

namespace db {

// The text as a search by name matches it, looser than the columns compare: without
// case, accents or letter variants ("Café" gives "cafe", "Straße" "strasse", "Ærø"
// "aero"). A search holds when the folded name contains the folded text; the same on
// every engine, as the program folds and not the database.
QString foldedForSearch(const QString &text);

} // namespace db
