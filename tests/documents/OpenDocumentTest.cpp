// Documents saved for word processors: an OpenDocument text package.
#include "documents/OpenDocument.h"
#include "documents/PrintError.h"

#include "support/Files.h"
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
    unzip.start("unzip", {"-p", package, member});
    unzip.waitForFinished(60000);
    return unzip.readAllStandardOutput();
}

TEST(OpenDocument, IsAPackageWhoseContentHoldsEveryLine)
{
    QTemporaryDir folder;
    const QString file = folder.filePath("articles.odt");
    documents::saveOpenDocument("\r\nARTICLES\r\nThe name is Hauptstraße Tools.\r\n\tAnn\t\tCole", file);

    EXPECT_EQ(packageMember(file, "mimetype"), "application/vnd.oasis.opendocument.text");
    const QString content = QString::fromUtf8(packageMember(file, "content.xml"));
    EXPECT_TRUE(content.contains("ARTICLES")) << content.toStdString();
    EXPECT_TRUE(content.contains("The name is Hauptstraße Tools.")) << content.toStdString();
    EXPECT_TRUE(content.contains("Ann<text:tab/><text:tab/>Cole")) << content.toStdString();
}

TEST(OpenDocument, AFileThatCannotBeWrittenIsNamed)
{
    QTemporaryDir folder;
    const QString missing = folder.filePath("no such folder/articles.odt");
    try {
        documents::saveOpenDocument("text", missing);
        FAIL() << "saving into a missing folder succeeded";
    } catch (const documents::PrintError &error) {
        EXPECT_TRUE(error.description().contains(QDir::toNativeSeparators(missing)))
            << error.description().toStdString();
    }

    // Tests may run as root, whom permissions do not stop: a folder that is a file does.
    const QString blocked = folder.filePath("file/articles.odt");
    testing_support::writeFile(folder.filePath("file"));
    EXPECT_THROW(documents::saveOpenDocument("text", blocked), documents::PrintError);
}

} // namespace
