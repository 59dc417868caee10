// Template names, captions and texts, the text files they come from, and the resources page.
#include "app/Templates.h"
#include "app/BusinessResources.h"
#include "base/Error.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/ProgramFolder.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(TemplateNames, EveryLowerCaseTxtIsRemovedAndTheRestLowered)
{
    EXPECT_EQ(app::templateNameForFile("/home/ann/Bylaws.TXT"), "bylaws.txt");
    EXPECT_EQ(app::templateNameForFile("/tmp/My.txt.Notes.txt"), "my.notes");
    EXPECT_EQ(app::templateNameForFile("Articles Of Incorporation.txt"), "articles of incorporation");
    EXPECT_EQ(app::templateNameForFile("/data.txt/Plan"), "plan"); // the folder does not count
}

TEST(TemplateNames, CaptionsAreLowerCaseWithACapitalFirstLetter)
{
    EXPECT_EQ(app::templateCaption("rEGISTERED aGENT"), "Registered agent");
    EXPECT_EQ(app::templateCaption("bylaws"), "Bylaws");
    EXPECT_EQ(app::templateCaption("élan"), "Élan");
    EXPECT_EQ(app::templateCaption(""), "");
}

TEST(TemplateText, EachTrimmedLineFollowsALineBreak)
{
    EXPECT_EQ(app::templateTextFromLines({"  ARTICLES  ", "", "\tName: [BusninesName] "}),
              "\r\nARTICLES\r\n\r\n\tName: [BusninesName]");
    EXPECT_EQ(app::templateTextFromLines({}), "");
}

TEST(TemplateStore, StoredTemplatesComeBackInStoredOrder)
{
    testing_support::TempProgramFolder folder;
    folder.exec("DELETE FROM ARTICLESOFINCORPORATION");
    db::Connection connection;
    connection.open(db::ConnectionStrings::document());
    app::storeTemplate(connection, "zeta", "\r\nz");
    app::storeTemplate(connection, "alpha", "\r\na");
    EXPECT_EQ(folder.rows("select ReportName from ARTICLESOFINCORPORATION order by ReportId"),
              (QStringList{"zeta", "alpha"}));
    EXPECT_EQ(folder.scalar("select Info from ARTICLESOFINCORPORATION where ReportName = 'ALPHA'"), "\r\na");
}

TEST(TemplateStore, AFileIsStoredUnderItsOwnNameAndAnUnreadableOneStoresNothing)
{
    testing_support::TempProgramFolder folder;
    folder.exec("DELETE FROM ARTICLESOFINCORPORATION");
    // Quotes and semicolons in a file's name are text, never SQL.
    const QString odd = folder.filePath("O'Brien; DROP TABLE x.txt");
    QFile file(odd);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("  one  \r\ntwo\n");
    file.close();
    app::storeTemplateFile(odd);

    const QString missing = folder.filePath("No Such File.txt");
    try {
        app::storeTemplateFile(missing);
        ADD_FAILURE() << "a missing file was stored";
    } catch (const base::FileError &error) {
        EXPECT_TRUE(error.description().contains("No Such File.txt")) << error.description().toStdString();
    }
    EXPECT_EQ(folder.rows("select ReportName, Info from ARTICLESOFINCORPORATION"),
              (QStringList{"o'brien; drop table x|\r\none\r\ntwo"}));
}

TEST(BusinessResources, ThePageIsTheShippedFileOrThePathOnTheMakersHost)
{
    const QUrl url = app::businessResourcesUrl();
    EXPECT_EQ(url.fileName(), "BusineeResources.html");
    EXPECT_TRUE(url.isLocalFile() || url.path() == "/NewHome/BusineeResources.html") << url.toString().toStdString();
}
