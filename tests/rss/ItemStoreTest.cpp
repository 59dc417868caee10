#include "RssTesting.h"
#include "db/DbError.h"
#include "rss/CLsDataBaseConnection.h"
#include "rss/ItemEditor.h"
#include "rss/ItemList.h"
#include "rss/RssStatements.h"

#include <QCoreApplication>
#include <QDate>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

using namespace rss;
using namespace rss_testing;
using testing_support::TempProgramFolder;

TEST(RssStatements, AreWrittenAsTheWindowSendsThem)
{
    EXPECT_EQ(QuoteSqlText(QStringLiteral("Bob's 'best'")), QStringLiteral("'Bob''s ''best'''"));
    EXPECT_EQ(insertItemStatement(QStringLiteral("T"), QStringLiteral("L"), QStringLiteral("D")),
              QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedItemLink, RssFeedDescription) "
                             "values  ('T', 'L', 'D')"));
    EXPECT_EQ(updateItemStatement(QStringLiteral("7"), QStringLiteral("T"), QStringLiteral("L"), QStringLiteral("D")),
              QStringLiteral("UPDATE Tbl_Rss_Feed_Items SET Tbl_Rss_Feed_Items.RssFeedItemTitle = 'T', "
                             "Tbl_Rss_Feed_Items.RssFeedItemLink = 'L', Tbl_Rss_Feed_Items.RssFeedDescription = 'D'  "
                             "WHERE (((Tbl_Rss_Feed_Items.RssFeedItemId)=7));"));
    EXPECT_EQ(deleteItemStatement(QStringLiteral("7")),
              QStringLiteral("DELETE Tbl_Rss_Feed_Items.RssFeedItemId From Tbl_Rss_Feed_Items WHERE "
                             "(((Tbl_Rss_Feed_Items.RssFeedItemId)=7));"));
}

TEST(ItemEditor, QuotesAndAllTextsAreStoredExactlyAsTypedAndEditingReturnsToAdding)
{
    TempProgramFolder folder;
    ItemEditor editor;
    EXPECT_EQ(editor.save(QString(), QStringLiteral("l"), QStringLiteral("d")), ItemEditor::SaveResult::InvalidTitle);
    EXPECT_TRUE(rssRows(folder, QStringLiteral("select * from Tbl_Rss_Feed_Items")).isEmpty());

    const QString title = QStringLiteral("  It's \"new\" -- ; DROP TABLE x; ");
    ASSERT_EQ(editor.save(title, QStringLiteral("http://a.test/?q='1'"), QStringLiteral("Ünïcode\r\nline 2")),
              ItemEditor::SaveResult::Saved);
    EXPECT_EQ(rssRows(folder, QStringLiteral("select RssFeedItemTitle, RssFeedItemLink, RssFeedDescription, Twittered "
                                             "from Tbl_Rss_Feed_Items")),
              QStringList{title + QStringLiteral("|http://a.test/?q='1'|Ünïcode\r\nline 2|0")});

    editor.beginEdit(RssItem{QStringLiteral("1"), {}, {}, {}});
    EXPECT_EQ(editor.editMarker(), QStringLiteral("1"));
    // An edited item may lose its title.
    ASSERT_EQ(editor.save(QString(), QStringLiteral("l'"), QString()), ItemEditor::SaveResult::Saved);
    EXPECT_TRUE(editor.editMarker().isEmpty());
    EXPECT_EQ(rssRows(folder, QStringLiteral("select RssFeedItemTitle, RssFeedItemLink from Tbl_Rss_Feed_Items")),
              QStringList{QStringLiteral("|l'")});
}

TEST(ItemEditor, AFailedUpdateKeepsTheItemInEditing)
{
    TempProgramFolder folder;
    execRss(folder, QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle) VALUES ('one')"));
    refuseTitle(folder, QStringLiteral("two"));
    ItemEditor editor;
    editor.beginEdit(RssItem{QStringLiteral("1"), {}, {}, {}});
    EXPECT_THROW(editor.save(QStringLiteral("two"), {}, {}), db::DbError);
    EXPECT_EQ(editor.editMarker(), QStringLiteral("1"));
}

TEST(ItemEditor, AnEditedItemDeletedMeanwhileStoresNothingAndReturnsToAdding)
{
    TempProgramFolder folder;
    execRss(folder, QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle) VALUES ('one')"));
    ItemEditor editor;
    editor.beginEdit(RssItem{QStringLiteral("1"), {}, {}, {}});
    execRss(folder, QStringLiteral("DELETE FROM Tbl_Rss_Feed_Items"));
    EXPECT_EQ(editor.save(QStringLiteral("typed"), {}, {}), ItemEditor::SaveResult::ItemGone);
    EXPECT_TRUE(editor.editMarker().isEmpty());
    EXPECT_TRUE(rssRows(folder, QStringLiteral("select * from Tbl_Rss_Feed_Items")).isEmpty());
    // Saved again, the text becomes a new item.
    EXPECT_EQ(editor.save(QStringLiteral("typed"), {}, {}), ItemEditor::SaveResult::Saved);
    EXPECT_EQ(rssRows(folder, QStringLiteral("select RssFeedItemTitle from Tbl_Rss_Feed_Items")),
              QStringList{QStringLiteral("typed")});
}

TEST(ItemList, ALongTextShowsCutWhileTheItemKeepsItWhole)
{
    TempProgramFolder folder;
    const QString description = QString(1024 * 1024, u'd');
    const QString title = QString(ItemList::PreviewLength - 1, u't') + QStringLiteral("𝄞 and more");
    execRss(folder, QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedItemLink, "
                                   "RssFeedDescription) VALUES ('%1', 'short', '%2')")
                        .arg(title, description));
    ItemList list;
    list.refresh();
    list.finishLoading();
    ASSERT_EQ(list.rowCount(), 1);
    const QString shown = list.data(list.index(0, 3)).toString();
    EXPECT_LE(shown.size(), ItemList::PreviewLength + 1);
    EXPECT_TRUE(description.startsWith(shown.chopped(1)));
    // A cut never splits a character in two halves.
    EXPECT_EQ(list.data(list.index(0, 1)).toString(), QString(ItemList::PreviewLength - 1, u't') + QChar(0x2026));
    EXPECT_EQ(list.data(list.index(0, 2)).toString(), QStringLiteral("short"));
    EXPECT_EQ(list.item(0).description, description);
    EXPECT_EQ(list.item(0).title, title);
}

TEST(ItemList, ShowsTheFirstRowsAtOnceAndTheRestFromTheEventLoopInQueryOrder)
{
    TempProgramFolder folder;
    QString values;
    for (int n = 1; n <= 25; ++n)
        values += QStringLiteral("%1('t%2', 'l%2', %3)")
                      .arg(n > 1 ? u"," : u"")
                      .arg(n)
                      .arg(n == 3 ? QStringLiteral("NULL") : QStringLiteral("'d%1'").arg(n));
    execRss(folder, QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle, RssFeedItemLink, "
                                   "RssFeedDescription) VALUES ")
                        + values);
    ItemList::setSliceSizes(10, 4);
    ItemList list;
    int finished = 0;
    QObject::connect(&list, &ItemList::loadingFinished, [&finished] { ++finished; });
    list.refresh();
    EXPECT_EQ(list.rowCount(), 10);
    EXPECT_TRUE(list.isLoading());
    EXPECT_EQ(list.headerData(3, Qt::Horizontal).toString(), QStringLiteral("Description"));
    EXPECT_EQ(list.data(list.index(0, 0)).toString(), QStringLiteral("1"));
    EXPECT_EQ(list.data(list.index(0, 2)).toString(), QStringLiteral("l1"));
    EXPECT_TRUE(list.item(2).description.isEmpty());

    const QDeadlineTimer deadline(5000);
    while (list.isLoading() && !deadline.hasExpired())
        QCoreApplication::processEvents();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(list.rowCount(), 25);
    EXPECT_EQ(list.item(24).title, QStringLiteral("t25"));

    // A refresh in the middle of loading starts over without doubling rows.
    list.refresh();
    list.refresh();
    list.finishLoading();
    EXPECT_EQ(list.rowCount(), 25);
    EXPECT_FALSE(list.isLoading());
    ItemList::setSliceSizes(200, 5000);
}

// The day each item was added and the networks it was announced on, with the posts'
// addresses; an item from before dates were kept shows none.
TEST(ItemList, ShowsWhenEachItemWasAddedAndWhereItWasAnnounced)
{
    TempProgramFolder folder;
    execRss(folder,
            QStringLiteral("INSERT INTO Tbl_Rss_Feed_Items (RssFeedItemTitle) VALUES ('new'), ('old'), ('quiet')"));
    execRss(folder,
            QStringLiteral("UPDATE Tbl_Rss_Feed_Items SET RssFeedItemDateAdded = NULL WHERE RssFeedItemId = 2"));
    fediverse::AnnouncedItems::mark(QStringLiteral("1"), QStringLiteral("fediverse"),
                                    QStringLiteral("https://m.example/1"));
    fediverse::AnnouncedItems::mark(QStringLiteral("1"), QStringLiteral("bluesky"),
                                    QStringLiteral("https://b.example/1"));
    ItemList list;
    list.refresh();
    list.finishLoading();
    ASSERT_EQ(list.rowCount(), 3);
    const auto rowOf = [&list](const char *title) {
        for (int row = 0; row < list.rowCount(); ++row) {
            if (list.item(row).title == QLatin1String(title))
                return row;
        }
        return -1;
    };
    const int announced = rowOf("new"), undated = rowOf("old"), quiet = rowOf("quiet");
    EXPECT_EQ(list.item(announced).dateAdded, QDate::currentDate());
    EXPECT_FALSE(list.item(undated).dateAdded.isValid());
    EXPECT_TRUE(list.data(list.index(undated, 4)).toString().isEmpty());
    EXPECT_EQ(list.headerData(ItemList::AnnouncedColumn, Qt::Horizontal).toString(), QStringLiteral("Announced"));
    EXPECT_EQ(list.data(list.index(announced, ItemList::AnnouncedColumn)).toString(),
              QStringLiteral("Fediverse, Bluesky"));
    EXPECT_EQ(list.data(list.index(announced, ItemList::AnnouncedColumn), Qt::ToolTipRole).toString(),
              QStringLiteral("https://m.example/1\nhttps://b.example/1"));
    EXPECT_TRUE(list.postsOf(quiet).isEmpty());

    // A run that announced more shows it without reading the items again.
    fediverse::AnnouncedItems::mark(QStringLiteral("3"), QStringLiteral("fediverse"),
                                    QStringLiteral("https://m.example/3"));
    list.refreshAnnouncements();
    ASSERT_EQ(list.postsOf(quiet).size(), 1);
    EXPECT_EQ(list.postsOf(quiet).first().address, QStringLiteral("https://m.example/3"));
}

TEST(ItemList, AMissingDatabaseIsNamedAndLeavesTheListEmpty)
{
    TempProgramFolder folder(false);
    ItemList list;
    try {
        list.refresh();
        FAIL() << "no error";
    } catch (const db::DbError &error) {
        EXPECT_TRUE(error.description().contains(QStringLiteral("Rss.db"))) << error.description().toStdString();
    }
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_FALSE(list.isLoading());
}
