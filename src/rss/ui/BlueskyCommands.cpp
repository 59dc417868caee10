#include "rss/ui/BlueskyCommands.h"

#include "rss/bluesky/BlueskyAnnounce.h"
#include "rss/fediverse/FediverseAddress.h"
#include "ui/Dialogs.h"

#include <QWidget>

namespace rss {

using bluesky::BlueskyAccount;
using bluesky::XrpcReply;

namespace {

const QString Network = QStringLiteral("bluesky");
const QString Title = QStringLiteral("Bluesky");

} // namespace

BlueskyCommands::BlueskyCommands(QWidget *window, std::unique_ptr<fediverse::SecretStore> secrets)
    : AccountCommands(window, Title)
    , m_secrets(std::move(secrets))
    , m_accounts(fediverse::AccountFile::defaultFolder(), *m_secrets)
{
}

BlueskyCommands::~BlueskyCommands()
{
    // The run refers to the client: it goes first.
    m_run.reset();
    m_client.reset();
}

void BlueskyCommands::begin(const QString &what, const QUrl &service)
{
    m_run.reset();
    m_client = std::make_unique<bluesky::BlueskyClient>(service);
    AccountCommands::begin(what);
}

void BlueskyCommands::connectAccount()
{
    if (m_running)
        return;
    const QString typed = ui::Dialogs::inputText(
        window(), tr("The address of the Bluesky service (another that speaks the AT protocol may be typed):"),
        tr("Connect Account"), QLatin1String(bluesky::DefaultService));
    if (typed.trimmed().isEmpty())
        return;
    const fediverse::ServerAddress address = fediverse::serverAddress(typed);
    if (!address.ok()) {
        ui::Dialogs::message(window(), address.error, Title);
        return;
    }
    QString handle
        = ui::Dialogs::inputText(window(), tr("Your handle, for example office.bsky.social:"), tr("Connect Account"))
              .trimmed();
    if (handle.startsWith(QLatin1Char('@')))
        handle.remove(0, 1);
    if (handle.isEmpty())
        return;
    const QString password = ui::Dialogs::inputText(
        window(),
        tr("An app password for Tallowmere (made in Bluesky's Settings > App Passwords), not your own "
           "password:"),
        tr("Connect Account"), QString(), ui::Dialogs::Echo::Password);
    if (password.isEmpty())
        return;
    begin(tr("Signing in to %1 ...").arg(address.url.host()), address.url);
    m_client->createSession(handle, password, [this, password](const XrpcReply &reply) {
        if (!reply.ok()) {
            end(reply.outcome == XrpcReply::Outcome::NotAccepted
                    ? tr("The service %1 refused the handle or the app password.").arg(m_client->service().host())
                    : reply.message);
            return;
        }
        const BlueskyAccount account{m_client->service(), password, m_client->session()};
        m_accounts.save(account, [this, account](const QString &error, bool inFile) {
            if (!error.isEmpty()) {
                end(error);
                return;
            }
            QString message = QStringLiteral("Connected as @%1").arg(account.session.handle);
            if (inFile)
                message += tr("\n\nNo secret store of the desktop answered: the app password is kept in %1, "
                              "readable by you alone.")
                               .arg(m_accounts.filePath());
            end(message);
        });
    });
}

void BlueskyCommands::announceItems()
{
    if (m_running)
        return;
    m_accounts.load([this](const std::optional<BlueskyAccount> &account, const QString &error) {
        if (m_running) // the secret store answered after another command began
            return;
        if (!account) {
            ui::Dialogs::message(window(), error.isEmpty() ? tr("Connect a Bluesky account first.") : error, Title);
            return;
        }
        const QList<RssItem> items = itemsToAnnounce(Network, QLatin1Char('@') + account->session.handle);
        if (items.isEmpty())
            return;
        begin(tr("Announcing %n item(s) as @%1 ...", nullptr, int(items.size())).arg(account->session.handle),
              account->service);
        m_client->setSession(account->session);
        startRun(std::make_unique<bluesky::BlueskyAnnounce>(*m_client, account->session.handle, account->appPassword,
                                                            markOn(Network)),
                 items, [this, kept = *account](const fediverse::AnnounceSummary &summary) {
                     keepSessionThenEnd(kept, summary.message());
                 });
    });
}

void BlueskyCommands::keepSessionThenEnd(const BlueskyAccount &account, const QString &message)
{
    const bluesky::Session session = m_client->session();
    if (session.refreshJwt == account.session.refreshJwt && session.accessJwt == account.session.accessJwt) {
        end(message);
        return;
    }
    BlueskyAccount renewed = account;
    renewed.session = session;
    m_accounts.save(renewed, [this, message](const QString &error, bool) {
        // The next run signs in anew when the session could not be kept.
        end(error.isEmpty() ? message : message + QStringLiteral("\n\n") + error);
    });
}

void BlueskyCommands::disconnectAccount()
{
    if (m_running)
        return;
    m_accounts.load([this](const std::optional<BlueskyAccount> &account, const QString &) {
        if (m_running)
            return;
        const auto forget = [this]() {
            m_accounts.forget([this](const QString &error) {
                end(error.isEmpty() ? tr("The Bluesky account is disconnected.") : error);
            });
        };
        if (!account || account->session.refreshJwt.isEmpty()) {
            m_running = true;
            forget();
            return;
        }
        begin(tr("Disconnecting @%1 ...").arg(account->session.handle), account->service);
        m_client->setSession(account->session);
        // Ending the session at the service is a courtesy: the password and tokens go either way.
        m_client->deleteSession([forget](const XrpcReply &) { forget(); });
    });
}

} // namespace rss
