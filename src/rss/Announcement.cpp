#include "rss/Announcement.h"

#include "base/Error.h"
#include "rss/SoapEnvelope.h"
#include "rss/WsdlReader.h"

#include <QMetaObject>

#ifndef TALLOWMERE_ANNOUNCE_HOST
#define TALLOWMERE_ANNOUNCE_HOST ""
#endif

namespace rss {

namespace {

const QString OperationName = QStringLiteral("SubmitUserStatus");

} // namespace

Announcement::Announcement(QObject *parent)
    : QObject(parent)
{
    connect(&m_transfer, &Transfer::finished, this, &Announcement::transferFinished);
}

QString Announcement::configuredWsdlAddress()
{
    const QString fromEnvironment = qEnvironmentVariable("TALLOWMERE_ANNOUNCE_WSDL");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    QString host = QStringLiteral(TALLOWMERE_ANNOUNCE_HOST);
    if (host.isEmpty())
        return {};
    if (!host.contains(QLatin1String("://")))
        host.prepend(QStringLiteral("http://"));
    while (host.endsWith(u'/'))
        host.chop(1);
    return host + QStringLiteral("/corvandeltwit/Service.asmx?wsdl");
}

void Announcement::start(const QString &wsdlAddress, std::function<std::pair<QString, QString>()> readTwitterAccount)
{
    if (m_running)
        return;
    m_running = true;
    m_readAccount = std::move(readTwitterAccount);
    m_wsdlAddress = QUrl::fromUserInput(wsdlAddress);
    m_toPost.clear();
    m_withoutDescription.clear();
    m_posted = 0;
    if (wsdlAddress.trimmed().isEmpty() || !m_wsdlAddress.isValid()) {
        const QString message
            = wsdlAddress.trimmed().isEmpty()
                  ? QStringLiteral("No announcement service is configured.")
                  : QStringLiteral("The announcement service's address \"%1\" is not valid.").arg(wsdlAddress);
        QMetaObject::invokeMethod(
            this, [this, message] { finish(false, message); }, Qt::QueuedConnection);
        return;
    }
    m_step = Step::Description;
    emit progress(QStringLiteral("Contacting the announcement service..."));
    TransferRequest request;
    request.kind = TransferRequest::Kind::HttpGet;
    request.url = m_wsdlAddress;
    request.timeout = m_timeout;
    m_transfer.start(request);
}

void Announcement::transferFinished(const TransferResult &result)
{
    if (m_step == Step::Description)
        describedServiceArrived(result);
    else if (m_step == Step::Posting)
        postArrived(result);
}

void Announcement::describedServiceArrived(const TransferResult &result)
{
    const QString service = m_wsdlAddress.toDisplayString();
    if (!result.ok()) {
        finish(false, QStringLiteral("The announcement service at %1 cannot be reached: %2")
                          .arg(service, transferFailure(result)));
        return;
    }
    if (result.responseCode >= 400) {
        finish(false, QStringLiteral("The announcement service at %1 answered with HTTP error %2.")
                          .arg(service)
                          .arg(result.responseCode));
        return;
    }
    try {
        m_operation = WsdlReader::describe(result.body, m_wsdlAddress, OperationName);
    } catch (const base::Error &error) {
        finish(false,
               QStringLiteral("The announcement service at %1 cannot be used: %2.").arg(service, error.description()));
        return;
    }
    if (m_operation.parameterNames.size() != 3) {
        finish(false, QStringLiteral("The announcement service at %1 cannot be used: its %2 takes %3 values "
                                     "instead of user name, status and password.")
                          .arg(service, OperationName)
                          .arg(m_operation.parameterNames.size()));
        return;
    }

    const auto [userName, password] = m_readAccount ? m_readAccount() : std::pair<QString, QString>();
    if (userName.isEmpty()) {
        finish(false, QStringLiteral("Invalid Twitter User Name"));
        return;
    }
    if (password.isEmpty()) {
        finish(false, QStringLiteral("Invalid Twitter Password"));
        return;
    }
    m_userName = userName;
    m_password = password;

    try {
        for (const AnnouncementItem &item : AnnouncementStore::unannounced()) {
            if (item.hasDescription)
                m_toPost << item;
            else
                m_withoutDescription << item.id;
        }
    } catch (const base::Error &error) {
        finish(false, error.description());
        return;
    }
    m_step = Step::Posting;
    postNext();
}

void Announcement::postNext()
{
    if (m_posted == m_toPost.size()) {
        try {
            AnnouncementStore::markAnnounced(m_withoutDescription);
        } catch (const base::Error &error) {
            finish(false, QStringLiteral("All new items were announced, but the items without a description could "
                                         "not be marked as announced: %1")
                              .arg(error.description()));
            return;
        }
        if (m_posted == 0)
            finish(true, QStringLiteral("No new items to announce."));
        else if (m_posted == 1)
            finish(true, QStringLiteral("Announced 1 new item."));
        else
            finish(true, QStringLiteral("Announced %1 new items.").arg(m_posted));
        return;
    }
    emit progress(QStringLiteral("Announcing item %1 of %2...").arg(m_posted + 1).arg(m_toPost.size()));
    const AnnouncementItem &item = m_toPost.at(m_posted);
    TransferRequest request;
    request.kind = TransferRequest::Kind::HttpPost;
    request.url = m_operation.endpoint;
    request.headers = SoapEnvelope::requestHeaders(m_operation);
    request.body
        = SoapEnvelope::request(m_operation, {m_userName, announcementStatusText(item.description), m_password});
    request.timeout = m_timeout;
    m_transfer.start(request);
}

void Announcement::postArrived(const TransferResult &result)
{
    const AnnouncementItem &item = m_toPost.at(m_posted);
    // Items are named by title; one without a title by its number in the list.
    const QString name
        = item.title.isEmpty() ? QStringLiteral("number %1").arg(item.id) : QStringLiteral("\"%1\"").arg(item.title);
    const QString what = QStringLiteral("The item %1 was not announced").arg(name);
    const QString service = m_operation.endpoint.toDisplayString();
    if (!result.ok()) {
        finish(false, QStringLiteral("%1: the announcement service at %2 cannot be reached: %3")
                          .arg(what, service, transferFailure(result)));
        return;
    }
    if (const auto fault = SoapEnvelope::faultOf(result.body)) {
        const QString reason = fault->endsWith(u'.') ? *fault : *fault + u'.';
        finish(false, QStringLiteral("%1: the announcement service refused it: %2").arg(what, reason));
        return;
    }
    if (result.responseCode < 200 || result.responseCode >= 300) {
        finish(false, QStringLiteral("%1: the announcement service at %2 answered with HTTP error %3.")
                          .arg(what, service)
                          .arg(result.responseCode));
        return;
    }
    try {
        AnnouncementStore::markAnnounced({item.id});
    } catch (const base::Error &error) {
        finish(false, QStringLiteral("The item %1 was announced but could not be marked as announced: %2")
                          .arg(name, error.description()));
        return;
    }
    ++m_posted;
    postNext();
}

QString Announcement::transferFailure(const TransferResult &result) const
{
    using F = TransferResult::Failure;
    switch (result.failure) {
    case F::Timeout: return QStringLiteral("no answer within %1 seconds.").arg(m_timeout.count());
    case F::ModuleMissing: return result.detail;
    default: return result.detail.isEmpty() ? QStringLiteral("the transfer failed.") : result.detail + u'.';
    }
}

void Announcement::finish(bool ok, const QString &message)
{
    m_running = false;
    m_step = Step::Idle;
    emit finished(ok, message);
}

} // namespace rss
