#include "rss/ui/NetworkCommands.h"

#include "rss/Announcement.h"
#include "rss/FtpUpload.h"
#include "rss/ShownValue.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QWidget>

namespace rss {

NetworkCommands::NetworkCommands(QObject *parent)
    : QObject(parent)
{
}

NetworkCommands::~NetworkCommands() = default;

void NetworkCommands::begin(const QString &what)
{
    m_running = true;
    emit busyChanged(true);
    emit status(what);
}

void NetworkCommands::end(bool ok, const QString &message)
{
    m_running = false;
    emit busyChanged(false);
    if (ok) {
        emit status(message);
    } else {
        emit status(QString());
        emit failed(message);
    }
    const QList<std::function<void()>> afterwards = std::exchange(m_afterwards, {});
    for (const auto &then : afterwards)
        then();
}

void NetworkCommands::finishThen(std::function<void()> then)
{
    if (!m_running) {
        then();
        return;
    }
    m_afterwards << std::move(then);
    if (m_announcement && m_announcement->isRunning())
        m_announcement->stopAfterCurrentItem();
}

bool NetworkCommands::upload(const PublishingSettings &account, const QString &localPath)
{
    if (m_running)
        return false;
    if (!m_upload) {
        m_upload = new FtpUpload(this);
        connect(m_upload, &FtpUpload::finished, this, &NetworkCommands::end);
        m_upload->setHostKeyQuestion([this](const QString &question) {
            return ui::Dialogs::ask(qobject_cast<QWidget *>(parent()), question, ui::Dialogs::Buttons::YesNo)
                   == ui::Dialogs::Answer::Yes;
        });
    }
    begin(
        tr("Uploading %1 to %2 ...").arg(shownValue(QDir::toNativeSeparators(localPath)), shownValue(account.ftpSite)));
    m_upload->start(FtpAccount{account.ftpSite, account.ftpUserName, account.ftpPassword, account.ftpDirectory},
                    localPath);
    return true;
}

bool NetworkCommands::announce()
{
    if (m_running)
        return false;
    const QString wsdl = Announcement::configuredWsdlAddress();
    if (wsdl.isEmpty()) {
        emit failed(tr("No announcement service is configured."));
        return true;
    }
    if (!m_announcement) {
        m_announcement = new Announcement(this);
        connect(m_announcement, &Announcement::progress, this, &NetworkCommands::status);
        connect(m_announcement, &Announcement::finished, this, &NetworkCommands::end);
        m_announcement->setLostReplyQuestion([this](const QString &question) {
            return ui::Dialogs::ask(qobject_cast<QWidget *>(parent()), question, ui::Dialogs::Buttons::YesNo)
                   == ui::Dialogs::Answer::Yes;
        });
    }
    begin(tr("Announcing new items ..."));
    m_announcement->start(wsdl, [] {
        const PublishingSettings settings = PublishingSettings::read();
        return std::pair{settings.twitterUserName, settings.twitterPassword};
    });
    return true;
}

} // namespace rss
