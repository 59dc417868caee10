// Reading, choosing and saving templates: the chooser's names, the field list, the editor's row.
#include "documents/TemplateStore.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "documents/TemplateCatalog.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace documents;

namespace {

class Templates : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.exec("DELETE FROM ARTICLESOFINCORPORATION;"
                    "INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES ('zeta', 'Z'), ('alpha', 'A\r\nB'),"
                    " (NULL, 'nameless'), ('blank', NULL), ('o''brien', 'quoted');");
    }

    QString storedInfo(const QString &name) const
    {
        return folder.scalar(
            QStringLiteral("SELECT Info FROM ARTICLESOFINCORPORATION WHERE ReportName = '%1'").arg(name));
    }

    testing_support::TempProgramFolder folder;
};

TEST_F(Templates, NamesComeAsStoredInStoredOrderWithNullsLeftOutOrEmpty)
{
    EXPECT_EQ(storedTemplateNames(), QStringList({"zeta", "alpha", "blank", "o'brien"}));
    db::Connection connection;
    connection.open(db::ConnectionStrings::document());
    EXPECT_EQ(storedTemplateNames(connection, NullNames::AsEmpty),
              QStringList({"zeta", "alpha", QString(), "blank", "o'brien"}));
}

TEST_F(Templates, FieldListIsTheDeliveredFieldNames)
{
    const QStringList names = mergeFieldNames();
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(names.first(), "businessName");
    EXPECT_TRUE(names.contains("list specific functions"));
}

TEST_F(Templates, OpensByUpperCaseOrQuotedNameAndSavesTextAsGiven)
{
    TemplateStore store;
    store.open("ALPHA");
    EXPECT_EQ(store.text(), "A\r\nB");
    store.save("New\r\n[BusinessCity]\r\n");
    store.close();
    EXPECT_EQ(storedInfo("alpha"), "New\r\n[BusinessCity]\r\n");
    EXPECT_EQ(folder.scalar(QStringLiteral(
                  "SELECT ReportName FROM ARTICLESOFINCORPORATION WHERE Info = 'New\r\n[BusinessCity]\r\n'")),
              "alpha");

    store.open("O'BRIEN");
    EXPECT_EQ(store.text(), "quoted");
}

TEST_F(Templates, NullTextOpensEmptyAndUnknownNameFails)
{
    TemplateStore store;
    store.open("BLANK");
    EXPECT_TRUE(store.text().isEmpty());

    EXPECT_THROW(store.open("missing"), db::DbError);
    EXPECT_FALSE(store.isOpen());
    EXPECT_THROW(store.save("x"), db::DbError);
}

TEST_F(Templates, ClosedStoreCanBeOpenedAgain)
{
    TemplateStore store;
    store.open("zeta");
    store.close();
    store.open("zeta");
    store.open("alpha"); // opening again releases the previous row first
    EXPECT_EQ(store.text(), "A\r\nB");
}

TEST(TemplatesFailure, UnreadableDatabaseIsAnError)
{
    testing_support::TempProgramFolder folder(false);
    EXPECT_THROW(storedTemplateNames(), db::DbError);
    EXPECT_THROW(mergeFieldNames(), db::DbError);
    TemplateStore store;
    EXPECT_THROW(store.open("alpha"), db::DbError);
}

} // namespace
