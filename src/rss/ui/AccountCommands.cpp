#include "rss/ui/AccountCommands.h"

#include "db/DbError.h"
#include "rss/fediverse/AnnouncedItems.h"
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
    if (m_run && m_run->isRunning())
        m_run->stopAfterCurrentItem();
}

QList<RssItem> AccountCommands::itemsToAnnounce(const QString &network, const QString &accountName)
{
    QList<RssItem> items;
    try {
        items = fediverse::AnnouncedItems::notYetAnnounced(network);
    } catch (const db::DbError &failure) {
        ui::Dialogs::message(m_window, failure.description(), m_title);
        return {};
    }
    if (items.isEmpty())
        ui::Dialogs::message(m_window, tr("Every item has been announced on %1.").arg(accountName), m_title);
    return items;
}

void AccountCommands::startRun(std::unique_ptr<fediverse::AnnounceRun> run, const QList<RssItem> &items,
                               std::function<void(const fediverse::AnnounceSummary &)> finished)
{
    m_run = std::move(run);
    connect(m_run.get(), &fediverse::AnnounceRun::finished, this, std::move(finished));
    m_run->start(items);
}

fediverse::AnnounceRun::MarkAnnounced AccountCommands::markOn(const QString &network)
{
    return [network](const RssItem &item, const QString &postAddress) {
        fediverse::AnnouncedItems::mark(item.id, network, postAddress);
    };
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
