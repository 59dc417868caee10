// The main form's Business menu: the registered-agent form and finding a business by name.
#include "app/ui/MainFormTesting.h"
#include "documents/ui/ArticlesWindow.h"
#include "documents/ui/DocumentWindows.h"
#include "records/ui/RegisteredAgent.h"
#include "support/ui_Layout.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace testing_support;

namespace {

class BusinessMenuTest : public MainFormFixture
{
protected:
    void find(app::GeneralInformation1 &form, const QString &text)
    {
        dialogs->inputs.push_back(text);
        trigger(form, "mnuFindBusiness");
    }

    static records::RegisteredAgent &agentForm() { return ui::WindowRegistry::get<records::RegisteredAgent>(); }
};

TEST_F(BusinessMenuTest, AnAgentAddedEditedAndDeletedForTheBusinessOnScreenFillsTheArticles)
{
    folder.exec("DELETE FROM ARTICLESOFINCORPORATION;"
                "INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) VALUES "
                "('agent', 'Agent: [REGISTEREDAGENTFirstName] [REGISTEREDAGENTLastName]');"
                "INSERT INTO BusinessInformation (BusninesName) VALUES ('Acme Bakery'), ('Brook Farm');");
    auto &form = start();
    click(&form, "cmdNext");
    trigger(form, "mnuRegisteredAgent");
    auto &agent = agentForm();
    ASSERT_TRUE(agent.isVisible());
    EXPECT_EQ(agent.windowTitle(), "Registered Agent");
    EXPECT_EQ(agent.businessInformationId(), form.businessInformationId());
    EXPECT_EQ(statusOf(&agent), "Registered Agents Associated With Business: 0");
    EXPECT_FALSE(control(&agent, "txtFields_0")->isEnabled());
    EXPECT_FALSE(control(&agent, "txtFields_1")->isEnabled());
    EXPECT_EQ(control<QLabel>(&agent, "lblLabels_12")->text(), "E-mail Address:");
    EXPECT_EQ(layoutFaults(agent), QStringList());

    click(&agent, "cmdAdd");
    typeInto(&agent, "txtFields_2", "Ann");
    typeInto(&agent, "txtFields_4", "Lee");
    typeInto(&agent, "txtFields_7", "Dover");
    click(&agent, "cmdUpdate");
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(folder.rows("select BusinessInformationId, REGISTEREDAGENTFirstName, REGISTEREDAGENTLastName, "
                          "REGISTEREDAGENTCity from REGISTEREDAGENT"),
              QStringList{QString::number(form.businessInformationId()) + "|Ann|Lee|Dover"});
    EXPECT_EQ(statusOf(&agent), "Registered Agents Associated With Business: 1");
    click(&agent, "cmdRefresh");
    EXPECT_FALSE(shows(&agent, "cmdAdd")); // one agent per business

    click(&agent, "cmdEdit");
    typeInto(&agent, "txtFields_2", "Anna");
    click(&agent, "cmdUpdate");
    click(&form, "cmdArticleOfCorporation_1");
    EXPECT_EQ(control<QPlainTextEdit>(&documents::articlesWindow(), "Text1")->toPlainText(), "\nAgent: Anna Lee");

    click(&agent, "cmdDelete");
    EXPECT_EQ(folder.scalar("select count(*) from REGISTEREDAGENT"), "0");
}

TEST_F(BusinessMenuTest, TheAgentFormFollowsTheBusinessItIsHanded)
{
    folder.exec("INSERT INTO BusinessInformation (BusninesName) VALUES ('Acme Bakery'), ('Brook Farm');"
                "INSERT INTO REGISTEREDAGENT (BusinessInformationId, REGISTEREDAGENTFirstName) VALUES (2, 'Bo');");
    auto &form = start();
    trigger(form, "mnuRegisteredAgent");
    EXPECT_TRUE(shows(&agentForm(), "cmdAdd"));
    EXPECT_EQ(control<QLineEdit>(&agentForm(), "txtFields_2")->text(), "");

    click(&form, "cmdNext");
    trigger(form, "mnuRegisteredAgent");
    EXPECT_EQ(control<QLineEdit>(&agentForm(), "txtFields_2")->text(), "Bo");
    EXPECT_EQ(control<QLineEdit>(&agentForm(), "txtFields_1")->text(), "2");
    EXPECT_FALSE(shows(&agentForm(), "cmdAdd"));
}

TEST_F(BusinessMenuTest, FindAndFindNextMatchAnyLetterCaseWrapAndReportNoMatch)
{
    folder.exec("INSERT INTO BusinessInformation (BusninesName) VALUES ('Acme Bakery'), ('ÉTÉ Café'), "
                "('Brook Farm'), (NULL), ('Summer Bakery'), ('bakery corner')");
    auto &form = start();
    find(form, "été");
    EXPECT_EQ(name(form), "ÉTÉ Café");
    EXPECT_EQ(statusOf(&form), "Business Currently In System: 6");
    EXPECT_EQ(dialogs->inputBoxes.size(), 1u);

    find(form, "BAKERY");
    EXPECT_EQ(name(form), "Acme Bakery"); // the first in the form's order, not the next
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F3);
    EXPECT_EQ(name(form), "Summer Bakery");
    trigger(form, "mnuFindNext");
    EXPECT_EQ(name(form), "bakery corner");
    trigger(form, "mnuFindNext");
    EXPECT_EQ(name(form), "Acme Bakery"); // wrapped

    find(form, "Mill");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, "No business name contains \"Mill\".");
    EXPECT_EQ(name(form), "Acme Bakery");

    // A cancelled input box moves nothing.
    trigger(form, "mnuFindBusiness");
    EXPECT_EQ(name(form), "Acme Bakery");
}

TEST_F(BusinessMenuTest, FindIgnoresAccentsAndOtherSpellingsOfALetter)
{
    folder.exec("INSERT INTO BusinessInformation (BusninesName) VALUES ('Acme Bakery'), ('Café Lumière'), "
                "('Müller Tools'), ('Hauptstraße Books'), ('CAFE CORNER')");
    auto &form = start();
    find(form, "cafe");
    EXPECT_EQ(name(form), "Café Lumière");
    trigger(form, "mnuFindNext");
    EXPECT_EQ(name(form), "CAFE CORNER");
    find(form, "muller");
    EXPECT_EQ(name(form), "Müller Tools");
    find(form, "STRASSE");
    EXPECT_EQ(name(form), "Hauptstraße Books");
    find(form, "É LUMI");
    EXPECT_EQ(name(form), "Café Lumière");
    EXPECT_TRUE(dialogs->messages.empty());

    // An accent alone is nothing to look for, not a match for every name.
    find(form, "\u0301");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(name(form), "Café Lumière");
}

TEST_F(BusinessMenuTest, FindWaitsWhileAnEditIsPendingAndStoresAnEditLeftByIt)
{
    folder.exec("INSERT INTO BusinessInformation (BusninesName, BusinessCity) VALUES ('Acme Bakery', 'York'), "
                "('Brook Farm', 'Hull')");
    auto &form = start();
    click(&form, "cmdEdit");
    EXPECT_FALSE(action(form, "mnuFindBusiness")->isEnabled());
    EXPECT_FALSE(action(form, "mnuFindNext")->isEnabled());
    click(&form, "cmdCancel");
    EXPECT_TRUE(action(form, "mnuFindBusiness")->isEnabled());

    // Typed into without Edit, the row is stored when Find leaves it, as any move stores it.
    typeInto(&form, "txtFields_5", "Leeds");
    find(form, "brook");
    EXPECT_EQ(name(form), "Brook Farm");
    EXPECT_EQ(folder.scalar("select BusinessCity from BusinessInformation where BusninesName = 'Acme Bakery'"),
              "Leeds");
}

} // namespace
