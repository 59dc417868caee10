// The mission statement, type and perspective forms, driven with real clicks and keys.
#include "records/ui/BusinessPerspective.h"
#include "records/ui/BusinessPurpose.h"
#include "records/ui/BusinessType.h"
#include "records/ui/FormTesting.h"
#include "support/ui_Layout.h"
#include "support/ui_WindowFit.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace testing_support;

namespace {

struct FormFacts
{
    std::function<records::SingleRecordForm *()> make;
    QString caption;
    QString status;
    QStringList labels;
};

std::vector<FormFacts> allForms()
{
    return {
        {[] { return &ui::WindowRegistry::get<records::BusinessPurpose>(); },
         "Business Purpose",
         "Mission Statements Associated With Business: ",
         {"Purpose Identification:", "Purpose Date (Added):", "Business Identification:", "Purpose:"}},
        {[] { return &ui::WindowRegistry::get<records::BusinessType>(); },
         "Business Type",
         "Business Types Associated With Business: ",
         {"Type Identification", "Type Date (Added):", "Business Identification:", "Type:"}},
        {[] { return &ui::WindowRegistry::get<records::BusinessPerspective>(); },
         "Business Perspective",
         "Perspectives Associated with Business: ",
         {"Perspective Identification:", "Perspective Date (Added):", "Business Identification:", "Business Concept:",
          "Type Of Customers:", "Method To Reach Target:", "Reason For Business Market:"}},
    };
}

class SingleRecordFormsTest : public FormTest
{
protected:
    void addPurpose(int business, const QString &text)
    {
        folder.exec(
            QStringLiteral("INSERT INTO BusinessPurpose (BusinessInformationId, BusinessPurpose) VALUES (%1, '%2')")
                .arg(business)
                .arg(text));
    }

    QString fieldText(QWidget *form, int index)
    {
        QWidget *box = control(form, QStringLiteral("txtFields_%1").arg(index));
        if (auto *line = qobject_cast<QLineEdit *>(box))
            return line->text();
        return qobject_cast<QPlainTextEdit *>(box)->toPlainText();
    }
};

TEST_F(SingleRecordFormsTest, EachFormShowsItsCaptionLabelsDisabledKeyBoxesAndCount)
{
    for (const FormFacts &facts : allForms()) {
        records::SingleRecordForm *form = facts.make();
        form->showForBusiness(12);
        SCOPED_TRACE(facts.caption.toStdString());
        EXPECT_EQ(form->windowTitle(), facts.caption);
        EXPECT_EQ(statusOf(form), facts.status + "0");
        EXPECT_TRUE(shows(form, "cmdAdd"));
        for (int i = 0; i < facts.labels.size(); ++i) {
            auto *label = control<QLabel>(form, QStringLiteral("lblLabels_%1").arg(i));
            QWidget *box = control(form, QStringLiteral("txtFields_%1").arg(i));
            EXPECT_EQ(label->text(), facts.labels[i]);
            EXPECT_EQ(label->buddy(), box);
            EXPECT_EQ(box->accessibleName(), facts.labels[i]);
            EXPECT_EQ(box->isEnabled(), i >= 3) << i;
        }
        EXPECT_EQ(control(form, QStringLiteral("txtFields_%1").arg(facts.labels.size())), nullptr);
        EXPECT_EQ(buttonOf(form, "cmdNext")->toolTip(), "Next");
        EXPECT_EQ(buttonOf(form, "cmdUpdate")->accessibleName(), "Update");
    }
}

TEST_F(SingleRecordFormsTest, MissionStatementAddedWithClicksBelongsToTheHandedOverBusiness)
{
    auto &form = ui::WindowRegistry::get<records::BusinessPurpose>();
    form.showForBusiness(5);
    click(&form, "cmdAdd");
    EXPECT_EQ(statusOf(&form), "Add record");
    for (const char *hidden : {"cmdAdd", "cmdEdit", "cmdDelete", "cmdRefresh", "cmdClose"})
        EXPECT_FALSE(shows(&form, hidden)) << hidden;
    EXPECT_TRUE(shows(&form, "cmdUpdate") && shows(&form, "cmdCancel"));
    EXPECT_FALSE(buttonOf(&form, "cmdFirst")->isEnabled());
    EXPECT_EQ(fieldText(&form, 2), "5");

    typeInto(&form, "txtFields_3", "To bake bread\nfor the town");
    click(&form, "cmdUpdate");

    EXPECT_EQ(folder.rows("select BusinessInformationId, BusinessPurpose from BusinessPurpose"),
              QStringList{"5|To bake bread\r\nfor the town"}); // stored lines end with CR LF
    EXPECT_EQ(fieldText(&form, 0), folder.scalar("select BusinessPurposeId from BusinessPurpose"));
    EXPECT_EQ(fieldText(&form, 3), "To bake bread\nfor the town");
    EXPECT_FALSE(fieldText(&form, 1).isEmpty()); // the date the database gave it
    EXPECT_EQ(statusOf(&form), "Mission Statements Associated With Business: 1");
    EXPECT_TRUE(shows(&form, "cmdAdd")); // shown by the end of Update until the next move
    click(&form, "cmdNext");
    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_FALSE(shows(&form, "cmdAdd"));
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(SingleRecordFormsTest, AddAndEditByTheirKeysPutTheCursorInTheFirstFieldThatTakesTyping)
{
    for (const FormFacts &facts : allForms()) {
        records::SingleRecordForm *form = facts.make();
        SCOPED_TRACE(facts.caption.toStdString());
        form->showForBusiness(9);
        QApplication::setActiveWindow(form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        QTest::keyClick(form, Qt::Key_A, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([form] { return shows(form, "cmdUpdate"); }));
        // The key boxes before it show values only.
        EXPECT_EQ(QApplication::focusWidget(), control(form, "txtFields_3"));
        QTest::keyClicks(QApplication::focusWidget(), "Abc");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_TRUE(shows(form, "cmdUpdate")); // the Space was typed, not pressed
        EXPECT_EQ(fieldText(form, 3), "Abc ");
        click(form, "cmdUpdate");

        QApplication::setActiveWindow(form);
        QTest::keyClick(form, Qt::Key_E, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([form] { return shows(form, "cmdUpdate"); }));
        EXPECT_EQ(QApplication::focusWidget(), control(form, "txtFields_3"));
        click(form, "cmdCancel");
        form->close();
    }
    EXPECT_EQ(folder.scalar("select BusinessPurpose from BusinessPurpose where BusinessInformationId = 9"), "Abc ");
    EXPECT_EQ(folder.scalar("select BusinessConcept from BusinessPerspective where BusinessInformationId = 9"), "Abc ");
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(SingleRecordFormsTest, AddStaysHiddenAfterDeletingTheOnlyRowUntilEditAndCancel)
{
    addPurpose(9, "Serve coffee");
    auto &form = ui::WindowRegistry::get<records::BusinessPurpose>();
    form.showForBusiness(9);
    EXPECT_FALSE(shows(&form, "cmdAdd"));
    EXPECT_EQ(statusOf(&form), "Mission Statements Associated With Business: 1");

    click(&form, "cmdDelete");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, "No current record.");
    EXPECT_EQ(dialogs->messages[0].title, "Tallowmere");
    EXPECT_EQ(dialogs->messages[0].buttons, ui::Dialogs::Buttons::Ok);
    EXPECT_EQ(folder.scalar("select count(*) from BusinessPurpose"), "0");
    EXPECT_FALSE(shows(&form, "cmdAdd"));

    click(&form, "cmdEdit");
    click(&form, "cmdCancel");
    EXPECT_TRUE(shows(&form, "cmdAdd"));
}

TEST_F(SingleRecordFormsTest, KeysMoveThroughTheRowsAndAreIgnoredWhileEditing)
{
    for (const char *type : {"a", "b", "c", "d"})
        folder.exec(QStringLiteral("INSERT INTO BusinessType (BusinessInformationId, BusinessType) VALUES (2, '%1')")
                        .arg(QLatin1String(type)));
    auto &form = ui::WindowRegistry::get<records::BusinessType>();
    form.showForBusiness(2);
    QWidget *typeBox = control(&form, "txtFields_3");

    QTest::keyClick(&form, Qt::Key_Down);
    EXPECT_EQ(fieldText(&form, 3), "b");
    QTest::keyClick(typeBox, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(fieldText(&form, 3), "d");
    QTest::keyClick(typeBox, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(fieldText(&form, 3), "c");
    QTest::keyClick(typeBox, Qt::Key_Home);
    EXPECT_EQ(fieldText(&form, 3), "a");
    QTest::keyClick(typeBox, Qt::Key_PageUp);
    EXPECT_EQ(dialogs->beeps, 1);
    QTest::keyClick(typeBox, Qt::Key_End);
    EXPECT_EQ(fieldText(&form, 3), "d");

    click(&form, "cmdEdit");
    QTest::keyClick(typeBox, Qt::Key_Home);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_TRUE(form.isLoaded());
    EXPECT_EQ(fieldText(&form, 3), "d");
    click(&form, "cmdCancel");
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_FALSE(form.isLoaded());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.businessInformationId(), 2); // members outlive the unload
}

TEST_F(SingleRecordFormsTest, TheCloseBoxAsksWhetherToStoreAPendingEdit)
{
    folder.exec("INSERT INTO BusinessType (BusinessInformationId, BusinessType) VALUES (3, 'Bakery')");
    auto &form = ui::WindowRegistry::get<records::BusinessType>();
    const auto editType = [&](const QString &text) {
        form.showForBusiness(3);
        click(&form, "cmdEdit");
        typeInto(&form, "txtFields_3", text);
    };
    const auto storedType = [&] { return folder.scalar("select BusinessType from BusinessType"); };

    editType("Cake shop");
    dialogs->answers.push_back(ui::Dialogs::Answer::Cancel);
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(dialogs->messages.back().buttons, ui::Dialogs::Buttons::SaveDiscardCancel);
    EXPECT_EQ(fieldText(&form, 3), "Cake shop");

    dialogs->answers.push_back(ui::Dialogs::Answer::Discard);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(storedType(), "Bakery");

    editType("Cake shop");
    dialogs->answers.push_back(ui::Dialogs::Answer::Save);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(storedType(), "Cake shop");
    EXPECT_EQ(folder.scalar("select BusinessInformationId from BusinessType"), "3");

    // Nothing pending: the form closes without a question.
    const size_t asked = dialogs->messages.size();
    form.showForBusiness(3);
    EXPECT_TRUE(form.close());
    EXPECT_EQ(dialogs->messages.size(), asked);
}

TEST_F(SingleRecordFormsTest, AKeyHandedOverWhileEditingKeepsTheShownBusinessUntilStored)
{
    addPurpose(1, "First business");
    addPurpose(2, "Second business");
    auto &form = ui::WindowRegistry::get<records::BusinessPurpose>();
    form.showForBusiness(1);
    click(&form, "cmdEdit");
    typeInto(&form, "txtFields_3", "First, edited");

    form.showForBusiness(2);
    EXPECT_EQ(fieldText(&form, 3), "First, edited");
    EXPECT_EQ(fieldText(&form, 2), "1");
    click(&form, "cmdUpdate");

    EXPECT_EQ(folder.rows("select BusinessInformationId, BusinessPurpose from BusinessPurpose order by 1"),
              (QStringList{"1|First, edited", "2|Second business"}));
    EXPECT_EQ(fieldText(&form, 3), "Second business");

    form.showForBusiness(1); // browsing: follows at once
    EXPECT_EQ(fieldText(&form, 3), "First, edited");
}

TEST_F(SingleRecordFormsTest, AStoreOverAnotherUsersChangeIsRefusedAndKeepsWhatWasTyped)
{
    folder.exec("INSERT INTO BusinessType (BusinessInformationId, BusinessType) VALUES (3, 'Bakery')");
    auto &form = ui::WindowRegistry::get<records::BusinessType>();
    form.showForBusiness(3);
    click(&form, "cmdEdit");
    typeInto(&form, "txtFields_3", "Cake shop");
    // Another program changes the same row meanwhile.
    folder.exec("UPDATE BusinessType SET BusinessType = 'Tea room'");
    click(&form, "cmdUpdate");

    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, "The row was changed or deleted by another user.");
    EXPECT_EQ(folder.scalar("select BusinessType from BusinessType"), "Tea room");
    EXPECT_EQ(control<QLineEdit>(&form, "txtFields_3")->text(), "Cake shop");
    EXPECT_TRUE(shows(&form, "cmdUpdate") && shows(&form, "cmdCancel"));
}

TEST_F(SingleRecordFormsTest, AMultiLineBoxStoresEveryCharacterItShows)
{
    // A non-breaking space and a line separator, as files from other programs bring them.
    const QString stored = "Fresh\u00A0bread\u2028daily";
    addPurpose(4, stored);
    auto &form = ui::WindowRegistry::get<records::BusinessPurpose>();
    form.showForBusiness(4);
    click(&form, "cmdEdit");
    auto *box = control<QPlainTextEdit>(&form, "txtFields_3");
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, "!");
    click(&form, "cmdUpdate");

    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(folder.scalar("select BusinessPurpose from BusinessPurpose"), stored + "!");
}

TEST_F(SingleRecordFormsTest, AOneLineBoxKeepsATextLongerThanALineBoxsDefaultWhole)
{
    const QString stored(40000, u't');
    folder.exec(
        QStringLiteral("INSERT INTO BusinessType (BusinessInformationId, BusinessType) VALUES (4, '%1')").arg(stored));
    auto &form = ui::WindowRegistry::get<records::BusinessType>();
    form.showForBusiness(4);
    click(&form, "cmdEdit");
    auto *box = control<QLineEdit>(&form, "txtFields_3");
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, "!");
    click(&form, "cmdUpdate");

    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(folder.scalar("select BusinessType from BusinessType"), stored + "!");
}

TEST_F(SingleRecordFormsTest, ControlsStandApartInsideTheFormLabelledFromTheLeftAndTabbedInReadingOrder)
{
    for (const FormFacts &facts : allForms()) {
        SCOPED_TRACE(facts.caption.toStdString());
        records::SingleRecordForm *form = facts.make();
        form->showForBusiness(1);
        QCoreApplication::processEvents();
        EXPECT_EQ(layoutFaults(*form), QStringList());
        // Tab goes down the boxes as they stand, then on to the buttons.
        QStringList boxes;
        for (int i = 3; i < facts.labels.size(); ++i)
            boxes << QStringLiteral("txtFields_%1").arg(i);
        const QStringList order = tabOrder(control(form, "txtFields_3"));
        EXPECT_EQ(order.mid(0, boxes.size()), boxes);
        EXPECT_TRUE(order.contains("cmdAdd"));
        // Squeezed, the form scrolls rather than pushing its controls together.
        form->resize(form->width() / 2, form->height() / 2);
        QCoreApplication::processEvents();
        EXPECT_EQ(layoutFaults(*form), QStringList());
    }
    // The mission statement is a text of many lines, and its box shows many of them.
    auto *purpose = control<QPlainTextEdit>(&ui::WindowRegistry::get<records::BusinessPurpose>(), "txtFields_3");
    ASSERT_NE(purpose, nullptr);
    EXPECT_GE(purpose->viewport()->height(), 10 * purpose->fontMetrics().lineSpacing());
}

TEST_F(SingleRecordFormsTest, TheStatusLabelAndRightButtonsFollowTheFormWidth)
{
    auto &form = ui::WindowRegistry::get<records::BusinessType>();
    form.showForBusiness(1);
    QCoreApplication::processEvents();
    auto *status = control<QLabel>(&form, "lblStatus");
    QWidget *strip = control(&form, "picStatBox");
    const auto gapRightOf = [strip](const QWidget *control) { return strip->width() - control->geometry().right(); };
    const int statusWidth = status->width();
    const int nextGap = gapRightOf(buttonOf(&form, "cmdNext"));
    const int lastGap = gapRightOf(buttonOf(&form, "cmdLast"));
    // Last closes the strip at its right edge, and the status label reaches to Next.
    const int buttonWidth = buttonOf(&form, "cmdLast")->width();
    EXPECT_LT(lastGap, buttonWidth);
    EXPECT_LT(buttonOf(&form, "cmdNext")->x() - status->geometry().right(), buttonWidth);

    const int wider = 200;
    form.resize(form.width() + wider, form.height());
    QCoreApplication::processEvents();
    EXPECT_EQ(status->width(), statusWidth + wider);
    EXPECT_EQ(gapRightOf(buttonOf(&form, "cmdNext")), nextGap);
    EXPECT_EQ(gapRightOf(buttonOf(&form, "cmdLast")), lastGap);
    EXPECT_EQ(strip->geometry().bottom(), form.clientArea()->height() - 1);
    EXPECT_EQ(layoutFaults(form), QStringList());
}

TEST_F(SingleRecordFormsTest, UnderADarkColourSchemeTheLabelsOnThePictureStayReadable)
{
    DarkScheme dark;
    for (const FormFacts &facts : allForms()) {
        records::SingleRecordForm *form = facts.make();
        form->showForBusiness(1);
        QCoreApplication::processEvents();
        EXPECT_EQ(unreadableLabels(*form), QStringList()) << facts.caption.toStdString();
    }
}

} // namespace
