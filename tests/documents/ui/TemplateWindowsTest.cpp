// The template chooser and the editor, driven through their buttons.

#include "documents/ui/DocumentWindows.h"
#include "documents/ui/EditorWindow.h"
#include "documents/ui/SelectTemplateWindow.h"
#include "records/ui/FormTesting.h"
#include "support/ui_Layout.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using documents::EditorWindow;
using documents::SelectTemplateWindow;
using testing_support::click;
using ui::Dialogs;

namespace {

QListWidget *list(QWidget &window)
{
    return window.findChild<QListWidget *>("List1");
}

QPlainTextEdit *textBox(QWidget &window)
{
    return window.findChild<QPlainTextEdit *>("Text1");
}

void choose(QListWidget *items, const QString &text)
{
    const auto found = items->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << text.toStdString();
    items->setCurrentItem(found.first());
}

class TemplateWindows : public testing_support::FormTest
{
protected:
    void SetUp() override
    {
        folder.exec(
            "DELETE FROM ARTICLESOFINCORPORATION;"
            "INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES"
            " ('articles', 'ARTICLES OF INCORPORATION\r\n\r\nThe name of the corporation is [BusninesName].\r\n'),"
            " ('bylaws', 'Bylaws of [businessName]'), ('blank', NULL), ('o''brien lease', 'Lease');");
    }

    static SelectTemplateWindow &chooser() { return documents::selectTemplateWindow(); }
    static EditorWindow &editor() { return documents::editorWindow(); }

    // Opens the editor on a template the way a user does: through the chooser.
    void edit(const QString &listedName)
    {
        chooser().showWindow();
        choose(list(chooser()), listedName);
        click(&chooser(), "CmdSelect");
    }

    QString storedInfo(const QString &name) const
    {
        return folder.scalar(
            QStringLiteral("SELECT Info FROM ARTICLESOFINCORPORATION WHERE ReportName = '%1'").arg(name));
    }
};

TEST_F(TemplateWindows, ChooserListsNamesInUpperCaseAndAsksForASelection)
{
    chooser().showWindow();
    EXPECT_EQ(chooser().windowTitle(), "Select Template");
    ASSERT_EQ(list(chooser())->count(), 4);
    EXPECT_EQ(list(chooser())->item(0)->text(), "ARTICLES");
    EXPECT_EQ(list(chooser())->item(3)->text(), "O'BRIEN LEASE");

    click(&chooser(), "CmdSelect");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, "Nothing Selected Try Again");
    EXPECT_EQ(dialogs->messages[0].title, "Tallowmere");
    EXPECT_TRUE(chooser().isVisible());
    EXPECT_EQ(list(chooser())->count(), 4);
    EXPECT_FALSE(editor().isLoaded());
}

TEST_F(TemplateWindows, ChooserAndEditorKeepTheirControlsApartInsideTheWindow)
{
    chooser().showWindow();
    EXPECT_EQ(testing_support::layoutFaults(chooser()), QStringList());
    edit("ARTICLES");
    ASSERT_TRUE(editor().isVisible());
    EXPECT_EQ(testing_support::layoutFaults(editor()), QStringList());
}

TEST_F(TemplateWindows, ExitHidesTheChooserWhichKeepsItsListUntilASelect)
{
    chooser().showWindow();
    click(&chooser(), "cmdExit");
    EXPECT_FALSE(chooser().isVisible());
    EXPECT_TRUE(chooser().isLoaded());

    folder.exec("INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES ('uploaded', 'U');");
    chooser().showWindow();
    EXPECT_EQ(list(chooser())->count(), 4);

    edit("BYLAWS");
    EXPECT_FALSE(chooser().isLoaded());
    EXPECT_FALSE(chooser().isVisible());
    chooser().showWindow();
    EXPECT_EQ(list(chooser())->count(), 5);
}

TEST_F(TemplateWindows, ReturnSelectsAndEscapeLeavesTheChooserAndTheEditor)
{
    chooser().showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chooser()));
    QTest::keyClick(list(chooser()), Qt::Key_Escape); // as Exit: hidden, its list kept
    EXPECT_FALSE(chooser().isVisible());
    EXPECT_TRUE(chooser().isLoaded());

    chooser().showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chooser()));
    choose(list(chooser()), "BYLAWS");
    list(chooser())->setFocus();
    QTest::keyClick(list(chooser()), Qt::Key_Return);
    ASSERT_TRUE(editor().isVisible());
    EXPECT_EQ(editor().fileName(), "bylaws");
    EXPECT_FALSE(chooser().isLoaded());

    // Escape closes the editor as its close box does: unsaved changes are asked about.
    QApplication::setActiveWindow(&editor());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&editor()));
    QTest::keyClicks(textBox(editor()), "x");
    dialogs->answers = {Dialogs::Answer::Cancel};
    QTest::keyClick(textBox(editor()), Qt::Key_Escape);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(editor().isVisible());
    dialogs->answers = {Dialogs::Answer::Discard};
    QTest::keyClick(textBox(editor()), Qt::Key_Escape);
    EXPECT_FALSE(editor().isVisible());
    EXPECT_FALSE(editor().isLoaded());
    EXPECT_EQ(storedInfo("bylaws"), "Bylaws of [businessName]");
}

TEST_F(TemplateWindows, SelectOpensTheEditorOnTheChosenTemplate)
{
    edit("ARTICLES");
    ASSERT_TRUE(editor().isVisible());
    EXPECT_EQ(editor().fileName(), "articles"); // the stored name, not the listed one
    EXPECT_EQ(editor().windowTitle(), "Editor: articles");
    EXPECT_EQ(textBox(editor())->toPlainText(),
              "ARTICLES OF INCORPORATION\n\nThe name of the corporation is [BusninesName].\n");
    EXPECT_EQ(list(editor())->item(0)->text(), "businessName");

    // A further Select only brings the loaded editor forward, still on its first template.
    edit("BYLAWS");
    EXPECT_EQ(editor().fileName(), "bylaws");
    EXPECT_TRUE(textBox(editor())->toPlainText().startsWith("ARTICLES"));
}

TEST_F(TemplateWindows, InsertPutsTheFieldAtTheCaretOrOverTheSelection)
{
    edit("BYLAWS");
    QPlainTextEdit *text = textBox(editor());
    QListWidget *fields = list(editor());

    click(&editor(), "CmdInsert"); // caret at the start, no field chosen
    EXPECT_EQ(text->toPlainText(), "[]Bylaws of [businessName]");

    choose(fields, "BusinessCity");
    QTextCursor cursor = text->textCursor();
    cursor.setPosition(2);
    cursor.setPosition(8, QTextCursor::KeepAnchor); // "Bylaws"
    text->setTextCursor(cursor);
    click(&editor(), "CmdInsert");
    EXPECT_EQ(text->toPlainText(), "[][BusinessCity] of [businessName]");
    EXPECT_EQ(fields->currentItem()->text(), "BusinessCity");

    cursor.movePosition(QTextCursor::End);
    text->setTextCursor(cursor);
    click(&editor(), "CmdInsert");
    EXPECT_TRUE(text->toPlainText().endsWith("[businessName][BusinessCity]"));
}

TEST_F(TemplateWindows, SaveStoresTheTextWithCrLfAndExitAsksBeforeDroppingChanges)
{
    edit("BYLAWS");
    textBox(editor())->setPlainText("Line one\n[county] typed by hand\n[NotAField]");
    click(&editor(), "CmdSave");
    const QString saved = "Line one\r\n[county] typed by hand\r\n[NotAField]";
    EXPECT_EQ(storedInfo("bylaws"), saved);
    EXPECT_TRUE(dialogs->messages.empty());

    // Saved text leaves without a question.
    click(&editor(), "CmdExit");
    EXPECT_FALSE(editor().isLoaded());
    EXPECT_TRUE(dialogs->messages.empty());

    // Cancel stays; Discard drops the change.
    edit("BYLAWS");
    textBox(editor())->setPlainText("never saved");
    dialogs->answers = {Dialogs::Answer::Cancel, Dialogs::Answer::Discard};
    click(&editor(), "CmdExit");
    EXPECT_TRUE(editor().isLoaded());
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].buttons, Dialogs::Buttons::SaveDiscardCancel);
    EXPECT_EQ(dialogs->messages[0].text, "The template bylaws has changes that are not saved. Save them?");
    editor().close(); // the close box asks as well
    EXPECT_FALSE(editor().isLoaded());
    EXPECT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(storedInfo("bylaws"), saved);

    // Save stores before leaving; an inserted field is a change too.
    edit("BYLAWS");
    click(&editor(), "CmdInsert");
    dialogs->answers = {Dialogs::Answer::Save};
    click(&editor(), "CmdExit");
    EXPECT_FALSE(editor().isLoaded());
    EXPECT_EQ(storedInfo("bylaws"), QStringLiteral("[]") + saved);
}

TEST_F(TemplateWindows, SaveThatFailsKeepsTheEditorOpenWithItsText)
{
    edit("BYLAWS");
    textBox(editor())->setPlainText("changed");
    folder.exec("DROP TABLE ARTICLESOFINCORPORATION;");
    dialogs->answers = {Dialogs::Answer::Save};
    click(&editor(), "CmdExit");
    EXPECT_TRUE(editor().isLoaded());
    ASSERT_EQ(dialogs->messages.size(), 2u); // the question, then why saving failed
    EXPECT_EQ(textBox(editor())->toPlainText(), "changed");
    dialogs->answers = {Dialogs::Answer::Discard};
    click(&editor(), "CmdExit");
    EXPECT_FALSE(editor().isLoaded());
}

TEST_F(TemplateWindows, UnknownFieldNamesAreMarkedWithTheirLineAndANearName)
{
    edit("ARTICLES");
    QListWidget *check = editor().findChild<QListWidget *>("lstFieldCheck");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->count(), 0);

    textBox(editor())->setPlainText("Name: [BusninesName]\nOffice: [BusinessAdress]\n[Seal] [BusinessCity]");
    ASSERT_TRUE(QTest::qWaitFor([&] { return check->count() == 2; }));
    EXPECT_EQ(check->item(0)->text(), "Line 2: [BusinessAdress]: did you mean [BusinessAddressOne]?");
    EXPECT_EQ(check->item(1)->text(), "Line 3: [Seal] is not a merge field.");
    const auto marks = textBox(editor())->extraSelections();
    ASSERT_EQ(marks.size(), 2);
    EXPECT_EQ(marks[0].cursor.selectedText(), "[BusinessAdress]");

    // Choosing an entry selects the name in the text, ready to be typed over.
    emit check->itemActivated(check->item(0));
    EXPECT_EQ(textBox(editor())->textCursor().selectedText(), "[BusinessAdress]");
    textBox(editor())->insertPlainText("[BusinessAddressOne]");
    ASSERT_TRUE(QTest::qWaitFor([&] { return check->count() == 1; }));
    EXPECT_EQ(check->item(0)->text(), "Line 3: [Seal] is not a merge field.");
}

// Large templates open and stay workable: a line of a million characters without a
// space wraps anywhere, and a hundred thousand unknown names are counted, not listed.
TEST_F(TemplateWindows, HugeTemplatesOpenWithLongLinesAndManyUnknownNames)
{
    QString names;
    for (int i = 0; i < 100000; ++i)
        names += QStringLiteral("[Fld%1] ").arg(i);
    folder.exec(QStringLiteral("INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES ('one line', '%1'), "
                               "('names', '%2');")
                    .arg(QString(1000000, u'x'), names));
    edit("ONE LINE");
    ASSERT_TRUE(editor().isVisible());
    EXPECT_EQ(textBox(editor())->toPlainText().size(), 1000000);
    EXPECT_EQ(textBox(editor())->wordWrapMode(), QTextOption::WrapAnywhere);
    textBox(editor())->moveCursor(QTextCursor::End);
    QTest::keyClicks(textBox(editor()), "ab");
    EXPECT_TRUE(textBox(editor())->toPlainText().endsWith("xab"));
    dialogs->answers = {Dialogs::Answer::Discard};
    click(&editor(), "CmdExit");

    // Pasted into an ordinary template, and taken out again.
    edit("BYLAWS");
    EXPECT_EQ(textBox(editor())->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    textBox(editor())->moveCursor(QTextCursor::End);
    textBox(editor())->insertPlainText(QString(1000000, u'y'));
    EXPECT_EQ(textBox(editor())->wordWrapMode(), QTextOption::WrapAnywhere);
    textBox(editor())->undo();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return textBox(editor())->wordWrapMode() == QTextOption::WrapAtWordBoundaryOrAnywhere; }));
    dialogs->answers = {Dialogs::Answer::Discard};
    click(&editor(), "CmdExit");

    edit("NAMES");
    EXPECT_EQ(textBox(editor())->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    QListWidget *check = editor().findChild<QListWidget *>("lstFieldCheck");
    ASSERT_EQ(check->count(), 501);
    EXPECT_EQ(check->item(500)->text(), "... and 99500 more names that are not merge fields.");
    EXPECT_EQ(textBox(editor())->extraSelections().size(), 500);
    emit check->itemActivated(check->item(500)); // no name to select
    emit check->itemActivated(check->item(1));
    EXPECT_EQ(textBox(editor())->textCursor().selectedText(), "[Fld1]");
}

// Names written as markup show as written in the tool tips, not as markup.
TEST_F(TemplateWindows, ToolTipsShowNamesAsWritten)
{
    folder.exec("INSERT INTO MasterField (MasterFieldName) VALUES ('<h1>Big</h1>');");
    edit("ARTICLES");
    textBox(editor())->setPlainText("[<font size=7>PAID</font>]");
    QListWidget *check = editor().findChild<QListWidget *>("lstFieldCheck");
    ASSERT_TRUE(QTest::qWaitFor([&] { return check->count() == 1; }));
    const auto shown = [](const QString &toolTip) {
        QTextDocument rendered;
        rendered.setHtml(toolTip);
        return rendered.toPlainText();
    };
    const auto marks = textBox(editor())->extraSelections();
    ASSERT_EQ(marks.size(), 1);
    EXPECT_EQ(shown(marks[0].format.toolTip()), check->item(0)->text());
    const auto fields = list(editor())->findItems(QStringLiteral("<h1>Big</h1>"), Qt::MatchExactly);
    ASSERT_EQ(fields.size(), 1);
    EXPECT_EQ(shown(fields[0]->toolTip()), "<h1>Big</h1>");
}

TEST_F(TemplateWindows, EditorClosedByItsCloseBoxLoadsAgain)
{
    edit("BLANK");
    EXPECT_TRUE(textBox(editor())->toPlainText().isEmpty());
    editor().close();
    EXPECT_FALSE(editor().isLoaded());

    edit("O'BRIEN LEASE");
    ASSERT_TRUE(editor().isLoaded());
    EXPECT_EQ(textBox(editor())->toPlainText(), "Lease");
    textBox(editor())->setPlainText("Lease, renewed");
    click(&editor(), "CmdSave");
    EXPECT_EQ(storedInfo("o''brien lease"), "Lease, renewed");
}

TEST_F(TemplateWindows, NamesWhoseUpperCaseChangesTheirLettersStillOpenTheirTemplate)
{
    folder.exec("INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES ('straße plan', 'Plan');");
    edit("STRASSE PLAN");
    ASSERT_TRUE(editor().isLoaded()) << (dialogs->messages.empty() ? "" : dialogs->messages[0].text.toStdString());
    EXPECT_EQ(textBox(editor())->toPlainText(), "Plan");
}

TEST_F(TemplateWindows, SaveKeepsEveryCharacterOfAnUnchangedText)
{
    // A Windows-1252 upload brings non-breaking spaces; U+2028 is a line separator, not a line end.
    const QString stored = "Name:\u00a0[BusninesName]\r\nOne\u2028two\r\n\tend";
    folder.exec(
        QStringLiteral("UPDATE ARTICLESOFINCORPORATION SET Info = '%1' WHERE ReportName = 'bylaws';").arg(stored));
    edit("BYLAWS");
    click(&editor(), "CmdSave");
    EXPECT_EQ(storedInfo("bylaws"), stored);

    // Inserting a field keeps them too.
    click(&editor(), "CmdInsert");
    click(&editor(), "CmdSave");
    EXPECT_EQ(storedInfo("bylaws"), QStringLiteral("[]") + stored);
}

TEST_F(TemplateWindows, TemplateGoneSinceListingIsReportedAndTheChooserStays)
{
    chooser().showWindow();
    folder.exec("DELETE FROM ARTICLESOFINCORPORATION WHERE ReportName = 'bylaws';");
    choose(list(chooser()), "BYLAWS");
    click(&chooser(), "CmdSelect");

    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_TRUE(dialogs->messages[0].text.contains("bylaws"));
    EXPECT_FALSE(editor().isLoaded());
    EXPECT_TRUE(chooser().isVisible());
}

} // namespace
