// How a search by name compares: case, accents and letter variants set aside.
#include "db/TextFolding.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct SearchCase
{
    const char *name;
    const char *typed;
    bool found;
};

// Named in test lists by what is typed, not by the bytes of the case.
void PrintTo(const SearchCase &c, std::ostream *os)
{
    *os << c.typed << (c.found ? " finds " : " misses ") << c.name;
}

bool finds(const QString &name, const QString &typed)
{
    return db::foldedForSearch(name).contains(db::foldedForSearch(typed));
}

class SearchFolding : public ::testing::TestWithParam<SearchCase>
{ };

TEST_P(SearchFolding, FindsANameByWhatAPersonTypes)
{
    const SearchCase &c = GetParam();
    EXPECT_EQ(finds(QString::fromUtf8(c.name), QString::fromUtf8(c.typed)), c.found) << c.name << " / " << c.typed;
}

const SearchCase Cases[] = {
    // Accents, either side, any case.
    {"Café Lumière", "cafe", true},
    {"Cafe Lumiere", "CAFÉ LUMIÈRE", true},
    {"Müller & Söhne", "muller", true},
    {"Ångström Optics", "angstrom", true},
    {"Crème Brûlée Ltd", "creme brulee", true},
    {"Łódź Łąka", "lodz laka", true},
    {"Ωμέγα Τεχνική", "ωμεγα", true},
    // Letters written out another way.
    {"Hauptstraße 5", "strasse", true},
    {"HAUPTSTRASSE", "straße", true},
    {"Ærø Færge", "aero faerge", true},
    {"Œuvre Books", "oeuvre", true},
    {"Smørrebrød", "smorrebrod", true},
    {"Þór Traders", "thor", true},
    {"İstanbul Kebap", "istanbul", true},
    {"ﬁne ﬂowers", "fine flowers", true}, // ligatures
    {"ＡＣＭＥ", "acme", true},           // full-width letters
    // Nothing is found that is not there.
    {"Café", "cafes", false},
    {"Müller", "mueller", false},
    {"Straße", "strasze", false},
    {"Acme", "acne", false},
    // Letters beyond the first plane and signs without a base letter pass through whole.
    {"Tea 🍵 House", "🍵", true},
    {"𝐀𝐁𝐂 Print", "abc print", true},
    {"Tea House", "🍵", false},
};

INSTANTIATE_TEST_SUITE_P(All, SearchFolding, ::testing::ValuesIn(Cases));

} // namespace
