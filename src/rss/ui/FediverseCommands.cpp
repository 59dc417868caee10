#include "rss/ui/FediverseCommands.h"

#include "rss/fediverse/AnnouncedItems.h"
#include "rss/fediverse/FediverseAddress.h"
#include "rss/fediverse/FediverseAnnounce.h"
#include "rss/fediverse/MastodonClient.h"
#include "ui/Dialogs.h"

#include <QWidget>

namespace rss {

using fediverse::MastodonReply;

namespace {

const QString Network = QStringLiteral("fediverse");
const QString Title = QStringLiteral("Fediverse");

} // namespace

FediverseCommands::FediverseCommands(QWidget *window, std::unique_ptr<fediverse::SecretStore> secrets)
    : AccountCommands(window, Title)
    , m_secrets(std::move(secrets))
    , m_accounts(fediverse::AccountStore::defaultFolder(), *m_secrets)
{
}

FediverseCommands::~FediverseCommands()
{
    // The run refers to the client: it goes first.
    m_run.reset();
    m_client.reset();
}

void FediverseCommands::begin(const QString &what, const QUrl &server)
{
    m_run.reset();
    m_client = std::make_unique<fediverse::MastodonClient>(server);
    AccountCommands::begin(what);
}

void FediverseCommands::connectAccount()
{
    if (m_running)
        return;
    const QString typed = ui::Dialogs::inputText(
        window(), tr("The address of your fediverse server (Mastodon, GoToSocial, Akkoma, Pleroma):"),
        tr("Connect Account"), QStringLiteral("https://"));
    if (typed.isEmpty() || typed == QLatin1String("https://"))
        return;
    const fediverse::ServerAddress address = fediverse::serverAddress(typed);
    if (!address.ok()) {
        ui::Dialogs::message(window(), address.error, Title);
        return;
    }
    begin(tr("Registering Tallowmere at %1 ...").arg(address.url.host()), address.url);
    m_client->registerApp([this](const MastodonReply &reply) {
        const fediverse::AppRegistration app = m_client->registration(reply);
        if (!reply.ok() || app.clientId.isEmpty()) {
            end(reply.ok() ? tr("The server %1 did not register Tallowmere.").arg(m_client->server().host())
                           : reply.message);
            return;
        }
        askForCode(app);
    });
}

void FediverseCommands::askForCode(const fediverse::AppRegistration &app)
{
    const QUrl page = m_client->authorizationAddress(app);
    const QString address = page.toString(QUrl::FullyEncoded);
    if (!ui::Dialogs::openUrl(page)) {
        // No browser answered: the address can be copied from the box.
        ui::Dialogs::inputText(window(), tr("Open this address in a web browser and allow Tallowmere to post:"),
                               tr("Authorisation Page"), address);
    }
    const QString code = ui::Dialogs::inputText(
        window(),
        tr("Allow Tallowmere on the page the browser shows, then type the code the page gives here.\n\n"
           "The page's address, if it did not open:\n%1")
            .arg(address),
        tr("Connect Account"));
    if (code.trimmed().isEmpty()) {
        end(QString());
        return;
    }
    emit status(tr("Checking the code at %1 ...").arg(m_client->server().host()));
    m_client->exchangeCode(app, code, [this, app](const MastodonReply &reply) {
        const QString token = reply.json.value(QLatin1String("access_token")).toString();
        if (!reply.ok() || token.isEmpty()) {
            end(reply.ok() ? tr("The server %1 gave no access token.").arg(m_client->server().host()) : reply.message);
            return;
        }
        checkAccount(app, token);
    });
}

void FediverseCommands::checkAccount(const fediverse::AppRegistration &app, const QString &token)
{
    m_client->setToken(token);
    m_client->verifyCredentials([this, app, token](const MastodonReply &reply) {
        const QString name = reply.json.value(QLatin1String("username")).toString();
        if (!reply.ok() || name.isEmpty()) {
            end(reply.ok() ? tr("The server %1 did not name the account.").arg(m_client->server().host())
                           : reply.message);
            return;
        }
        const fediverse::FediverseAccount account{m_client->server(),
                                                  fediverse::accountHandle(name, m_client->server()), app.clientId,
                                                  app.clientSecret, token};
        m_accounts.save(account, [this, account](const QString &error, bool inFile) {
            if (!error.isEmpty()) {
                end(error);
                return;
            }
            QString message = QStringLiteral("Connected as %1").arg(account.handle);
            if (inFile)
                message += tr("\n\nNo secret store of the desktop answered: the access token is kept in %1, "
                              "readable by you alone.")
                               .arg(m_accounts.filePath());
            end(message);
        });
    });
}

void FediverseCommands::announceItems()
{
    if (m_running)
        return;
    m_accounts.load([this](const std::optional<fediverse::FediverseAccount> &account, const QString &error) {
        if (m_running) // the secret store answered after another command began
            return;
        if (!account) {
            ui::Dialogs::message(window(), error.isEmpty() ? tr("Connect a fediverse account first.") : error, Title);
            return;
        }
        const QList<RssItem> items = itemsToAnnounce(Network, account->handle);
        if (items.isEmpty())
            return;
        begin(tr("Announcing %n item(s) as %1 ...", nullptr, int(items.size())).arg(account->handle), account->server);
        m_client->setToken(account->token);
        startRun(std::make_unique<fediverse::FediverseAnnounce>(
                     *m_client, fediverse::AnnouncedItems::databaseIdentity(), markOn(Network)),
                 items, [this](const fediverse::AnnounceSummary &summary) { end(summary.message()); });
    });
}

void FediverseCommands::disconnectAccount()
{
    if (m_running)
        return;
    m_accounts.load([this](const std::optional<fediverse::FediverseAccount> &account, const QString &) {
        if (m_running)
            return;
        const auto forget = [this](const QString &revokeProblem) {
            m_accounts.forget([this, revokeProblem](const QString &error) {
                QString message = error.isEmpty() ? tr("The fediverse account is disconnected.") : error;
                if (!revokeProblem.isEmpty())
                    message += tr("\n\nThe server was not told to revoke the token: %1").arg(revokeProblem);
                end(message);
            });
        };
        if (!account || account->token.isEmpty()) {
            m_running = true;
            forget(QString());
            return;
        }
        begin(tr("Disconnecting %1 ...").arg(account->handle), account->server);
        m_client->setToken(account->token);
        m_client->revoke({account->clientId, account->clientSecret, {}},
                         [forget](const MastodonReply &reply) { forget(reply.ok() ? QString() : reply.message); });
    });
}

} // namespace rss
