// Which engine a program folder uses: Tallowmere.url names a server.
#include "db/ServerAddress.h"
#include "db/DbError.h"
#include "support/QStringPrinter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace db;

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(ServerAddress, TheFirstLineNamesTheServerAndAFolderWithoutTheFileKeepsItsFiles)
{
    QTemporaryDir folder;
    EXPECT_EQ(ServerAddress::ofFolder(folder.path()), QString());
    write(folder.filePath(QStringLiteral("Tallowmere.url")),
          "  postgresql://ann@office:5432/tallowmere \r\nnotes that follow\r\n");
    EXPECT_EQ(ServerAddress::ofFolder(folder.path()), QStringLiteral("postgresql://ann@office:5432/tallowmere"));
}

TEST(ServerAddress, AFileThatNamesNoServerIsReportedWithItsName)
{
    QTemporaryDir folder;
    for (const QByteArray &content :
         {QByteArray(), QByteArray("\r\npostgresql://a@b/c\r\n"), QByteArray("Data Source=/srv/Tallowmere.db")}) {
        write(folder.filePath(QStringLiteral("Tallowmere.url")), content);
        try {
            ServerAddress::ofFolder(folder.path());
            FAIL() << "no error for " << content.toStdString();
        } catch (const DbError &error) {
            EXPECT_TRUE(error.description().startsWith(folder.filePath(QStringLiteral("Tallowmere.url"))))
                << error.description().toStdString();
        }
    }
}

} // namespace
