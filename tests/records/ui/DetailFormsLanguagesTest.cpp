// The seven detail forms in each shipped language: caption, status, labels and grid
// headings translated, each access key of the record strip leading to one command,
// and nothing cut off.
#include "records/ui/BusinessPerspective.h"
#include "records/ui/BusinessPurpose.h"
#include "records/ui/BusinessType.h"
#include "records/ui/EmployeeInformation.h"
#include "records/ui/FormTesting.h"
#include "records/ui/LongTermGoals.h"
#include "records/ui/RegisteredAgent.h"
#include "records/ui/ShortTermGoals.h"
#include "support/ui_Languages.h"
#include "support/ui_Layout.h"

#include <QDate>
#include <QLineEdit>
#include <QTableView>

#include <functional>

using namespace testing_support;

namespace {

// A form as English shows it: its caption, its status before the count, and a label or
// grid heading.
struct EnglishForm
{
    std::function<QWidget *()> open;
    const char *caption;
    const char *status;
    const char *labelOrHeading;
};

template <class Form> std::function<QWidget *()> opener()
{
    return [] {
        auto &form = ui::WindowRegistry::get<Form>();
        form.showForBusiness(1);
        return &form;
    };
}

const EnglishForm Forms[] = {
    {opener<records::BusinessPurpose>(), "Business Purpose",
     "Mission Statements Associated With Business: ", "Purpose:"},
    {opener<records::BusinessType>(), "Business Type", "Business Types Associated With Business: ", "Type:"},
    {opener<records::BusinessPerspective>(), "Business Perspective",
     "Perspectives Associated with Business: ", "Business Concept:"},
    {opener<records::RegisteredAgent>(), "Registered Agent",
     "Registered Agents Associated With Business: ", "First Name:"},
    {opener<records::EmployeeInformation>(), " Employees Information",
     "Employees Associated With Business: ", "EmployeeFirstName"},
    {opener<records::LongTermGoals>(), "Business Long Term Goal",
     "Long Term Goals Associated With Business: ", "BusinessLongTermGoal"},
    {opener<records::ShortTermGoals>(), "Business Short Term Goal",
     "Short Term Goals Associated With Business: ", "BusinessShortTermGoal"},
};

// The label texts and grid headings the form shows.
QStringList labelsAndHeadings(const QWidget *form)
{
    QStringList texts;
    for (const QLabel *label : form->findChildren<QLabel *>())
        texts << label->text();
    if (const auto *grid = form->findChild<QTableView *>()) {
        for (int column = 0; column < grid->model()->columnCount(); ++column)
            texts << grid->model()->headerData(column, Qt::Horizontal).toString();
    }
    return texts;
}

class DetailFormsLanguagesTest : public FormTest, public ::testing::WithParamInterface<const char *>
{
protected:
    void SetUp() override { ASSERT_TRUE(m_language.loaded()); }
    void TearDown() override
    {
        FormTest::TearDown();
        QLocale::setDefault(m_locale);
    }

    InstalledLanguage m_language{QLatin1String(GetParam())};
    const QLocale m_locale;
};

TEST_P(DetailFormsLanguagesTest, EachFormSpeaksTheLanguageFitsAndAnswersEachAccessKeyOnce)
{
    for (const EnglishForm &english : Forms) {
        SCOPED_TRACE(english.caption);
        QWidget *form = english.open();
        QCoreApplication::processEvents();
        EXPECT_NE(form->windowTitle(), QLatin1String(english.caption));
        EXPECT_NE(statusOf(form), QLatin1String(english.status) + u'0');
        EXPECT_TRUE(statusOf(form).endsWith(u'0')) << statusOf(form).toStdString();
        const QStringList shown = labelsAndHeadings(form);
        EXPECT_FALSE(shown.contains(QLatin1String(english.labelOrHeading))) << shown.join(u'|').toStdString();
        // Add and Edit, or Update and Cancel in their places, beside the others.
        for (const auto &group :
             {std::vector<const char *>{"cmdAdd", "cmdEdit", "cmdDelete", "cmdRefresh", "cmdClose"},
              std::vector<const char *>{"cmdUpdate", "cmdCancel", "cmdDelete", "cmdRefresh", "cmdClose"}}) {
            QStringList captions;
            for (const char *name : group)
                captions << buttonOf(form, name)->text();
            EXPECT_EQ(accessKeyClashes(captions), QStringList()) << captions.join(u'|').toStdString();
        }
        EXPECT_EQ(layoutFaults(*form), QStringList());
    }
}

// The database writes the day a row is added as 2024-02-29 on both engines; the boxes
// and cells show it the locale's way and an edit stores the day as it was.
TEST_P(DetailFormsLanguagesTest, TheDayARowWasAddedShowsTheLocalesWayAndIsStoredAsItWas)
{
    QLocale::setDefault(QLocale(QLatin1String(GetParam())));
    const QString shown = QLocale().toString(QDate(2024, 2, 29), QLocale::ShortFormat);
    folder.exec("INSERT INTO BusinessPurpose (BusinessPurposeDate, BusinessInformationId, BusinessPurpose) VALUES"
                " ('2024-02-29', 1, 'Bake bread');"
                "INSERT INTO [Business Long Term Goal] (BusinessLongTermGoalDate, BusinessInformationId,"
                " BusinessLongTermGoal) VALUES ('2024-02-29', 1, 'Open a second shop')");

    auto &purpose = ui::WindowRegistry::get<records::BusinessPurpose>();
    purpose.showForBusiness(1);
    EXPECT_EQ(control<QLineEdit>(&purpose, "txtFields_1")->text(), shown);
    click(&purpose, "cmdEdit");
    typeInto(&purpose, "txtFields_3", "Bake bread and cakes");
    click(&purpose, "cmdUpdate");
    EXPECT_EQ(folder.scalar("select BusinessPurpose from BusinessPurpose"), "Bake bread and cakes");
    EXPECT_EQ(folder.scalar("select BusinessPurposeDate from BusinessPurpose"), "2024-02-29");
    EXPECT_EQ(control<QLineEdit>(&purpose, "txtFields_1")->text(), shown);

    auto &goals = ui::WindowRegistry::get<records::LongTermGoals>();
    goals.showForBusiness(1);
    const QAbstractItemModel *grid = goals.findChild<QTableView *>()->model();
    EXPECT_EQ(grid->index(0, 1).data().toString(), shown);
    // The goal itself is the person's text, shown as typed.
    EXPECT_EQ(grid->index(0, 3).data().toString(), "Open a second shop");
}

INSTANTIATE_TEST_SUITE_P(Shipped, DetailFormsLanguagesTest, ::testing::Values("de", "es", "fr"));

} // namespace
