#include "browser/AddressList.h"
#include "browser/WebAddress.h"

#include <gtest/gtest.h>

using browser::AddressList;

namespace {

TEST(AddressList, PresetsAreTwentyFiveDistinctAddressesThreeWithoutScheme)
{
    const QStringList &presets = AddressList::presets();
    ASSERT_EQ(presets.size(), 25);
    EXPECT_EQ(QStringList(presets).removeDuplicates(), 0);
    for (int i = 0; i < presets.size(); ++i) {
        const bool withoutScheme = i == 0 || i == 1 || i == 3;
        EXPECT_EQ(presets[i].startsWith("https://"), !withoutScheme) << presets[i].toStdString();
        EXPECT_NO_THROW(browser::webAddress(presets[i])) << presets[i].toStdString();
    }
}

TEST(AddressList, AVisitMovesTheAddressToTheTopWithoutExactDuplicates)
{
    const QStringList entries{"a", "http://b/", "c", "http://b/"};
    // Only the first exact match goes; a later equal entry stays.
    EXPECT_EQ(AddressList::afterVisit(entries, "http://b/"), (QStringList{"http://b/", "a", "c", "http://b/"}));
    // Case and a missing scheme make a different address: nothing is removed.
    EXPECT_EQ(AddressList::afterVisit(entries, "HTTP://B/").size(), 5);
    EXPECT_EQ(AddressList::afterVisit(entries, "http://a/"),
              (QStringList{"http://a/", "a", "http://b/", "c", "http://b/"}));
    EXPECT_EQ(AddressList::afterVisit({}, "x"), QStringList{"x"});
}

} // namespace
