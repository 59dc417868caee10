#include "base/TextFile.h"
#include "base/Error.h"

#include <QTemporaryDir>

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(TextFileLines, AnyLineEndAndAFinalLineEndGiveTheSameLines)
{
    EXPECT_EQ(base::decodeTextLines("one\r\ntwo\rthree\nfour\r\n"), (QStringList{"one", "two", "three", "four"}));
    EXPECT_EQ(base::decodeTextLines("one\n\n"), (QStringList{"one", ""}));
    EXPECT_TRUE(base::decodeTextLines("").isEmpty());
}

TEST(TextFileLines, Utf8IsReadAsSuchAndOtherBytesAsWindows1252)
{
    EXPECT_EQ(base::decodeTextLines("\xEF\xBB\xBF"
                                    "caf\xC3\xA9"),
              QStringList{QStringLiteral("café")});
    EXPECT_EQ(base::decodeTextLines("caf\xE9 \x93quoted\x94 \x80"), QStringList{QStringLiteral("café “quoted” €")});
}

TEST(TextFileLines, AFileThatCannotBeReadNamesItself)
{
    try {
        base::readTextFileLines("/no/such/folder/template.txt");
        FAIL() << "read a missing file";
    } catch (const base::FileError &error) {
        EXPECT_TRUE(error.description().contains("template.txt"));
    }
}

TEST(TextFileWriting, ReplacesWholeAndKeepsTheOldFileWhenTheFolderIsMissing)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("config.ini"));
    base::writeFileAtomically(path, base::encodeCrLfLines({"one", "two"}), true);
    base::writeFileAtomically(path, base::encodeCrLfLines({"three"}), true);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("three\r\n"));
    EXPECT_EQ(QFileInfo(path).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
              QFileDevice::Permissions());
    EXPECT_THROW(base::writeFileAtomically(folder.filePath("missing/config.ini"), "x"), base::FileError);
}
