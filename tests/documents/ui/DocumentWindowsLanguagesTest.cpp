// The report, the merged document, the template chooser and editor and the print
// preview in each shipped language: their texts translated, each access key leading to
// one command, and nothing cut off.
#include "documents/ui/ArticlesWindow.h"
#include "documents/ui/DocumentWindows.h"
#include "documents/ui/EditorWindow.h"
#include "documents/ui/PrintPreviewDialog.h"
#include "documents/ui/ReportWindow.h"
#include "documents/ui/SelectTemplateWindow.h"
#include "records/ui/FormTesting.h"
#include "support/ui_Languages.h"
#include "support/ui_Layout.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>

using namespace testing_support;

namespace {

class DocumentWindowsLanguagesTest : public FormTest, public ::testing::WithParamInterface<const char *>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_language.loaded());
        folder.exec("INSERT INTO BusinessInformation (BusninesName) VALUES ('Sample Tools');"
                    "DELETE FROM ARTICLESOFINCORPORATION;"
                    "INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES"
                    " ('articles', 'The name of the corporation is [BusninesName], of [BusinesCity].');");
    }

    // A window's menus each have their own access keys; its menu bar and the buttons it
    // shows share one set.
    static void expectOneCommandPerAccessKey(const QWidget &window)
    {
        QStringList commands;
        if (const auto *bar = window.findChild<QMenuBar *>()) {
            for (const QAction *menu : bar->actions())
                commands << menu->text();
        }
        for (const QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
            if (button->isVisibleTo(&window) && !button->text().isEmpty())
                commands << button->text();
        }
        EXPECT_EQ(accessKeyClashes(commands), QStringList()) << commands.join(u'|').toStdString();
        for (const QMenu *menu : window.findChildren<QMenu *>()) {
            QStringList items;
            for (const QAction *item : menu->actions()) {
                if (item->isSeparator())
                    continue;
                EXPECT_FALSE(accessKey(item->text()).isEmpty()) << "no access key: " << item->text().toStdString();
                items << item->text();
            }
            EXPECT_EQ(accessKeyClashes(items), QStringList()) << menu->title().toStdString();
        }
    }

    InstalledLanguage m_language{QLatin1String(GetParam())};
};

TEST_P(DocumentWindowsLanguagesTest, EachWindowSpeaksTheLanguageFitsAndAnswersEachAccessKeyOnce)
{
    documents::ReportWindow &report = documents::reportWindow();
    report.showForBusiness(1);
    const QString reportText = report.findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->toPlainText();
    EXPECT_FALSE(reportText.contains(QLatin1String("General Business Information"))) << reportText.toStdString();
    EXPECT_TRUE(reportText.contains(QLatin1String("Sample Tools")));

    documents::ArticlesWindow &merged = documents::articlesWindow();
    merged.showTemplate(QStringLiteral("articles"), 1);
    EXPECT_FALSE(merged.windowTitle().startsWith(QLatin1String("Report: "))) << merged.windowTitle().toStdString();

    documents::SelectTemplateWindow &chooser = documents::selectTemplateWindow();
    chooser.showWindow();
    auto *templates = chooser.findChild<QListWidget *>(QStringLiteral("List1"));
    ASSERT_EQ(templates->count(), 1);
    templates->setCurrentRow(0);
    click(&chooser, "CmdSelect");
    documents::EditorWindow &editor = documents::editorWindow();
    ASSERT_TRUE(editor.isVisible());

    const std::pair<QWidget *, const char *> windows[]
        = {{&report, "Report"}, {&merged, ""}, {&chooser, "Select Template"}, {&editor, ""}};
    for (const auto &[window, english] : windows) {
        SCOPED_TRACE(window->objectName().toStdString());
        QCoreApplication::processEvents();
        if (*english) {
            EXPECT_NE(window->windowTitle(), QLatin1String(english));
        }
        expectOneCommandPerAccessKey(*window);
        EXPECT_EQ(layoutFaults(*window), QStringList());
    }
    // The merge's own message about an unknown field speaks the language too.
    auto *unknown = editor.findChild<QListWidget *>(QStringLiteral("lstFieldCheck"));
    ASSERT_GT(unknown->count(), 0);
    EXPECT_FALSE(unknown->item(0)->text().startsWith(QLatin1String("Line 1: ")))
        << unknown->item(0)->text().toStdString();
}

TEST_P(DocumentWindowsLanguagesTest, ThePrintPreviewCountsItsPagesInTheLanguageAndFits)
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    documents::PrintPreviewDialog preview(printer, QStringLiteral("Sample Tools"));
    QObject::connect(preview.preview(), &QPrintPreviewWidget::paintRequested, [](QPrinter *pages) {
        QPainter painter(pages);
        painter.drawText(100, 100, QStringLiteral("one"));
        pages->newPage();
        painter.drawText(100, 100, QStringLiteral("two"));
    });
    preview.show();
    preview.preview()->updatePreview();
    QCoreApplication::processEvents();
    ASSERT_EQ(preview.pageCount(), 2);
    // "2 pages" is French as well as English.
    EXPECT_TRUE(preview.findChild<QLabel *>(QStringLiteral("lblPages"))->text().startsWith(u'2'));
    EXPECT_NE(preview.windowTitle(), "Print Preview: Sample Tools");
    expectOneCommandPerAccessKey(preview);
    EXPECT_EQ(layoutFaults(preview), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Shipped, DocumentWindowsLanguagesTest, ::testing::Values("de", "es", "fr"));

} // namespace
