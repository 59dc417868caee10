#include "rss/ui/AccountCommands.h"

#include "ui/Dialogs.h"

#include <QWidget>

namespace rss {

AccountCommands::AccountCommands(QWidget *window, QString title)
    : QObject(window)
    , m_window(window)
    , m_title(std::move(title))
{
}

void AccountCommands::finishThen(std::function<void()> then)
{
    if (!m_running) {
        then();
        return;
    }
    m_afterwards << std::move(then);
    stopAfterCurrentItem();
}

void AccountCommands::begin(const QString &what)
{
    m_running = true;
    emit busyChanged(true);
    emit status(what);
}

void AccountCommands::end(const QString &message)
{
    m_running = false;
    emit busyChanged(false);
    emit status(QString());
    if (!message.isEmpty())
        ui::Dialogs::message(m_window, message, m_title);
    const QList<std::function<void()>> afterwards = std::exchange(m_afterwards, {});
    for (const auto &then : afterwards)
        then();
}

} // namespace rss
