#pragma once

// What the plan window's tests share: a business to plan for, numbers written the way
// a chosen locale writes them, the window opened and active, and the plan as stored.
#include "db/Connection.h"
#include "plan/PlanStore.h"
#include "plan/ui/PlanWindow.h"
#include "records/ui/FormTesting.h"
#include "ui/WindowRegistry.h"

#include <QApplication>
#include <QLocale>
#include <QTest>

#include <optional>

namespace plan_testing {

class PlanWindowFixture : public testing_support::FormTest
{
protected:
    void startWithLocale(const QLocale &locale)
    {
        QLocale::setDefault(locale);
        folder.exec("INSERT INTO BusinessInformation (BusninesName) VALUES ('Acme Bakery')");
        business = folder.scalar("select max(BusinessInformationId) from BusinessInformation").toLongLong();
    }
    void TearDown() override
    {
        FormTest::TearDown();
        QLocale::setDefault(QLocale::c());
    }

    plan::ui::PlanWindow &open()
    {
        auto &window = ui::WindowRegistry::get<plan::ui::PlanWindow>();
        window.showForBusiness(business);
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return window;
    }

    std::optional<plan::Plan> stored()
    {
        db::Connection connection;
        connection.open(folder.connectionString());
        return plan::PlanStore(connection).load(business);
    }

    qint64 business = 0;
};

} // namespace plan_testing
