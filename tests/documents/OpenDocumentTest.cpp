// Documents saved for word processors: an OpenDocument text package.
#include "documents/OpenDocument.h"
#include "documents/PrintError.h"

#include "support/QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray packageMember(const QString &package, const QString &member)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), package, member});
    unzip.waitForFinished(60000);
    return unzip.readAllStandardOutput();
}

TEST(OpenDocument, IsAPackageWhoseContentHoldsEveryLine)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("articles.odt"));
    documents::saveOpenDocument(QStringLiteral("\r\nARTICLES\r\nThe name is Hauptstraße Tools.\r\n\tAnn\t\tCole"),
                                file);

    EXPECT_EQ(packageMember(file, QStringLiteral("mimetype")), "application/vnd.oasis.opendocument.text");
    const QString content = QString::fromUtf8(packageMember(file, QStringLiteral("content.xml")));
    EXPECT_TRUE(content.contains(QStringLiteral("ARTICLES"))) << content.toStdString();
    EXPECT_TRUE(content.contains(QStringLiteral("The name is Hauptstraße Tools."))) << content.toStdString();
    EXPECT_TRUE(content.contains(QStringLiteral("Ann<text:tab/><text:tab/>Cole"))) << content.toStdString();
}

TEST(OpenDocument, AFileThatCannotBeWrittenIsNamed)
{
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("no such folder/articles.odt"));
    try {
        documents::saveOpenDocument(QStringLiteral("text"), missing);
        FAIL() << "saving into a missing folder succeeded";
    } catch (const documents::PrintError &error) {
        EXPECT_TRUE(error.description().contains(QDir::toNativeSeparators(missing)))
            << error.description().toStdString();
    }

    // Tests may run as root, whom permissions do not stop: a folder that is a file does.
    const QString blocked = folder.filePath(QStringLiteral("file/articles.odt"));
    QFile plain(folder.filePath(QStringLiteral("file")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_THROW(documents::saveOpenDocument(QStringLiteral("text"), blocked), documents::PrintError);
}

} // namespace
