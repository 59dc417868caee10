#include "documents/PrintError.h"
#include "documents/ui/LVPrint.h"
#include "documents/ui/ListViewSource.h"
#include "documents/ui/PrintOutput.h"
#include "support/PdfText.h"
#include "support/ui_ModalAnswer.h"
#include "support/ui_ScriptedDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

using documents::ColumnAlignment;
using documents::PrintOutput;
using testing_support::ModalAnswer;
using testing_support::ScriptedDialogs;

namespace {

using testing_support::pdfPages;

void fillPartsList(QTreeWidget &tree, int rows)
{
    tree.setColumnCount(4);
    tree.setHeaderLabels({"Item", "Description", "Quantity", "Status"});
    tree.headerItem()->setTextAlignment(2, Qt::AlignRight);
    tree.headerItem()->setTextAlignment(3, Qt::AlignHCenter);
    const int widths[] = {80, 260, 70, 90};
    for (int column = 0; column < 4; ++column)
        tree.setColumnWidth(column, widths[column]);
    for (int row = 0; row < rows; ++row) {
        auto *item = new QTreeWidgetItem(&tree);
        item->setText(0, QStringLiteral("Part %1").arg(row + 1));
        item->setText(1, row % 7 == 3 ? QStringLiteral("Stainless steel hex bolt with washer and nut, "
                                                       "packed in boxes of fifty for the workshop")
                                      : QStringLiteral("Hex bolt M%1").arg(4 + row % 8));
        item->setText(2, QString::number((row * 37) % 500));
        if (row % 5 != 4)
            item->setText(3, row % 3 ? "In stock" : "Ordered");
    }
}

QString sampleReport()
{
    QStringList lines = {QString(),       "\tGeneral Business Information", QString(),     "\t\tSample Tools",
                         "\t\t1 Main St", "\t\tSpringfield\t\tIL\t\t627",   "\t\t555 0100"};
    lines << QString() << QString() << "\tBusiness Short Term Goals" << QString();
    for (int goal = 1; goal <= 70; ++goal) {
        lines << (goal % 10 == 1 ? QStringLiteral("\t\tGoal %1: open a second shop in the neighbouring town, hire two "
                                                  "apprentices and offer repairs on Saturdays")
                                       .arg(goal)
                                 : QStringLiteral("\t\tGoal %1").arg(goal));
    }
    return lines.join("\r\n");
}

class ListPrintPdf : public ::testing::Test
{
protected:
    ScriptedDialogs::Guard dialogs = ScriptedDialogs::install();
    QTemporaryDir folder;
};

} // namespace

TEST_F(ListPrintPdf, SourceReadsHeaderWidthsAlignmentsAndMissingSubItems)
{
    QTreeWidget tree;
    fillPartsList(tree, 5);
    tree.setColumnHidden(3, true);
    const documents::ListViewSource source(tree);

    ASSERT_EQ(source.columnCount(), 3);
    EXPECT_EQ(source.headerText(1), "Description");
    EXPECT_DOUBLE_EQ(source.headerWidth(1), 260);
    EXPECT_EQ(source.headerAlignment(0), ColumnAlignment::Left);
    EXPECT_EQ(source.headerAlignment(2), ColumnAlignment::Right);
    EXPECT_EQ(source.itemCount(), 5);
    EXPECT_EQ(source.cellText(1, 0), "Part 2");

    tree.setColumnHidden(3, false);
    const documents::ListViewSource withStatus(tree);
    EXPECT_EQ(withStatus.headerAlignment(3), ColumnAlignment::Center);
    EXPECT_TRUE(withStatus.hasCell(0, 3));
    EXPECT_FALSE(withStatus.hasCell(4, 3));
}

TEST_F(ListPrintPdf, ListGoesIntoThePdfFileWithHeaderOnEveryPage)
{
    QTreeWidget tree;
    fillPartsList(tree, 90);
    const QString pdf = folder.filePath("printed-list.pdf");
    dialogs->fileNames.push_back(pdf);

    documents::LVPrint printer;
    printer.LV = &tree;
    EXPECT_EQ(printer.ReportTitle, "ListView Control Sample Printout");
    printer.ReportTitle = "Parts List";
    // The preview comes first and shows the pages that are then printed.
    QString previewed;
    ModalAnswer print("PrintPreview", [&](QWidget &preview) {
        previewed = preview.findChild<QLabel *>("lblPages")->text();
        EXPECT_EQ(preview.windowTitle(), "Print Preview: Parts List");
        ModalAnswer::click("cmdPrint")(preview);
    });
    ASSERT_TRUE(printer.PrintList());
    EXPECT_TRUE(dialogs->messages.empty());

    const QStringList pages = pdfPages(pdf);
    ASSERT_GE(pages.size(), 2);
    EXPECT_EQ(previewed, QStringLiteral("%1 pages").arg(pages.size()));
    for (int page = 0; page < pages.size(); ++page) {
        EXPECT_TRUE(pages[page].contains("Parts List")) << page;
        EXPECT_TRUE(pages[page].contains(QStringLiteral("PAGE %1").arg(page + 1))) << page;
        EXPECT_TRUE(pages[page].contains("Description")) << page;
    }
    const QString all = pages.join(QString());
    for (int row = 1; row <= 90; ++row)
        EXPECT_TRUE(all.contains(QStringLiteral("Part %1 ").arg(row))) << row;
    EXPECT_TRUE(pages.first().contains("Stainless steel hex bolt"));
}

TEST_F(ListPrintPdf, PrintingWithoutAListIsRefused)
{
    documents::LVPrint printer;
    EXPECT_THROW(printer.PrintList(), documents::PrintError);
    EXPECT_EQ(dialogs->printDialogs + dialogs->fileDialogCaptions.size(), 0);
}

TEST_F(ListPrintPdf, CancellingThePrintDialogOrTheFileChoicePrintsNothing)
{
    QTreeWidget tree;
    fillPartsList(tree, 3);
    {
        // Closing the preview asks nothing more.
        ModalAnswer close("PrintPreview", ModalAnswer::click("cmdClose"));
        EXPECT_FALSE(PrintOutput::printList(nullptr, tree, "Parts"));
        EXPECT_EQ(dialogs->printDialogs + dialogs->fileDialogCaptions.size(), 0);
    }
    dialogs->printerAvailable = true;
    dialogs->acceptPrintDialog = false;
    {
        ModalAnswer print("PrintPreview", ModalAnswer::click("cmdPrint"));
        EXPECT_FALSE(PrintOutput::printList(nullptr, tree, "Parts"));
        EXPECT_EQ(dialogs->printDialogs, 1);
    }

    dialogs->printerAvailable = false;
    {
        ModalAnswer print("PrintPreview", ModalAnswer::click("cmdPrint"));
        EXPECT_FALSE(PrintOutput::printList(nullptr, tree, "Parts"));
    }
    EXPECT_FALSE(PrintOutput::printText(nullptr, "text", "Report"));
    EXPECT_EQ(dialogs->fileDialogCaptions.size(), 2);
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(ListPrintPdf, ReportTextGoesIntoThePdfFilePageAfterPage)
{
    const QString pdf = folder.filePath("printed-report.pdf");
    dialogs->fileNames.push_back(pdf.chopped(4)); // the file's type is added when missing

    ASSERT_TRUE(PrintOutput::printText(nullptr, sampleReport(), "Business Report"));
    EXPECT_TRUE(dialogs->messages.empty());

    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("General Business Information"));
    EXPECT_TRUE(pages[0].contains("Springfield"));
    EXPECT_TRUE(pages[1].contains("Goal 70"));
    EXPECT_TRUE(testing_support::toolOutput("pdfinfo", {pdf}).contains("Business Report"));
}

TEST_F(ListPrintPdf, UnwritableFileIsReportedWithItsReason)
{
    const QString pdf = folder.filePath("missing/report.pdf");
    dialogs->fileNames.push_back(pdf);
    EXPECT_FALSE(PrintOutput::printText(nullptr, "text", "Report"));
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains(QDir::toNativeSeparators(pdf)));
    EXPECT_TRUE(dialogs->messages[0].text.contains("No such file or directory"));
    EXPECT_EQ(dialogs->messages[0].title, "Tallowmere");

    QTreeWidget tree;
    fillPartsList(tree, 3);
    dialogs->fileNames.push_back(pdf);
    ModalAnswer print("PrintPreview", ModalAnswer::click("cmdPrint"));
    EXPECT_FALSE(PrintOutput::printList(nullptr, tree, "Parts"));
    EXPECT_EQ(dialogs->messages.size(), 2u);
}

TEST_F(ListPrintPdf, ALongListShowsProgressAndCancelStopsIt)
{
    // Some 2,000 pages of one-line rows.
    QTreeWidget tree;
    tree.setHeaderLabels({"Item", "Quantity"});
    QList<QTreeWidgetItem *> rows;
    for (int row = 0; row < 82000; ++row)
        rows << new QTreeWidgetItem({QStringLiteral("Part %1").arg(row), QString::number(row % 97)});
    tree.addTopLevelItems(rows);

    QString shown;
    ModalAnswer cancel("PrintProgress", [&](QWidget &progress) {
        shown = progress.findChild<QLabel *>()->text();
        ModalAnswer::click(nullptr)(progress);
    });
    // Should the preview come up all the same, it is closed so the test ends.
    ModalAnswer closeLeftover("PrintPreview", ModalAnswer::click("cmdClose"));
    EXPECT_FALSE(PrintOutput::printList(nullptr, tree, "Parts"));
    ASSERT_TRUE(cancel.answered());
    EXPECT_FALSE(closeLeftover.answered());
    EXPECT_TRUE(shown.startsWith("Preparing the preview")) << shown.toStdString();
    // Nothing reached a printer or a file, and the person is told so.
    EXPECT_EQ(dialogs->printDialogs + dialogs->fileDialogCaptions.size(), 0);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.startsWith("The preview was stopped after page "))
        << dialogs->messages[0].text.toStdString();
    EXPECT_TRUE(dialogs->messages[0].text.endsWith(", as asked. Nothing was printed."));
}
