#pragma once

// What the tests of the publishing window's account menus share: a user whose
// settings and configuration folder are temporary and whose desktop has no secret
// store, so that secrets go to the user's own file where a test can look for them.
#include "LocalServer.h"
#include "records/ui/FormTesting.h"
#include "rss/ItemList.h"
#include "rss/ui/FrmRssGenerator.h"
#include "ui/WindowRegistry.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace rss_testing {

class AccountMenuTest : public testing_support::FormTest
{
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        m_savedConfig = qgetenv("XDG_CONFIG_HOME");
        m_savedBus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/tallowmere-test-bus");
    }

    void TearDown() override
    {
        FormTest::TearDown();
        qputenv("XDG_CONFIG_HOME", m_savedConfig);
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_savedBus);
    }

    rss::FrmRssGenerator &open()
    {
        auto &window = ui::WindowRegistry::get<rss::FrmRssGenerator>();
        window.showWindow();
        window.itemList().finishLoading();
        return window;
    }

    // Triggers the menu entry and waits for the message that ends it.
    QString run(rss::FrmRssGenerator &window, const char *name)
    {
        const size_t before = dialogs->messages.size();
        QAction *action = window.findChild<QAction *>(QLatin1String(name));
        EXPECT_NE(action, nullptr) << name;
        if (!action)
            return {};
        action->trigger();
        if (!testing_support::waitUntil([&] { return dialogs->messages.size() > before; }, 60000)) {
            ADD_FAILURE() << "no message after " << name;
            return {};
        }
        return dialogs->messages.back().text;
    }

    static QStringList filesHolding(const QString &folder, const QByteArray &text)
    {
        QStringList found;
        QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (file.open(QIODevice::ReadOnly) && file.readAll().contains(text))
                found << QFileInfo(file).fileName();
        }
        return found;
    }

    QTemporaryDir m_settings;
    QTemporaryDir m_config;
    QByteArray m_savedConfig;
    QByteArray m_savedBus;
};

} // namespace rss_testing
