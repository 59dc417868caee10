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

    InstalledLanguage m_language{QLatin1String(GetParam())};
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

INSTANTIATE_TEST_SUITE_P(Shipped, DetailFormsLanguagesTest, ::testing::Values("de", "es", "fr"));

} // namespace
