#pragma once

// Helpers for the main form's tests: the form started as the program starts it, its
// menu commands run by name.
#include "app/ui/GeneralInformation1.h"
#include "app/ui/StartUp.h"
#include "records/ui/FormTesting.h"

#include <QAction>
#include <QLineEdit>

namespace testing_support {

class MainFormFixture : public FormTest
{
protected:
    static app::GeneralInformation1 &start()
    {
        EXPECT_TRUE(app::showMainForm());
        return ui::WindowRegistry::get<app::GeneralInformation1>();
    }

    static QAction *action(const QWidget &window, const char *command)
    {
        return window.findChild<QAction *>(QLatin1String(command));
    }

    static void trigger(const QWidget &window, const char *command)
    {
        QAction *found = action(window, command);
        ASSERT_NE(found, nullptr) << command;
        found->trigger();
    }

    // The name of the business on screen.
    static QString name(const app::GeneralInformation1 &form)
    {
        return control<QLineEdit>(&form, "txtFields_2")->text();
    }
};

} // namespace testing_support
