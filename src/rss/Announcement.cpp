#include "rss/Announcement.h"

#include "base/Error.h"
#include "rss/ShownValue.h"
#include "rss/SoapEnvelope.h"
#include "rss/WsdlReader.h"

#include <QDir>
#include <QMetaObject>
#include <QSettings>
#include <QtConcurrent/QtConcurrentRun>

#ifndef TALLOWMERE_ANNOUNCE_HOST
#define TALLOWMERE_ANNOUNCE_HOST ""
#endif

namespace rss {

namespace {

const QString OperationName = QStringLiteral("SubmitUserStatus");
const QString WsdlSetting = QStringLiteral("Announcement/ServiceAddress");

// The user's own settings, never config.ini, whose lines are a stored format.
QSettings userSettings()
{
    return QSettings(QStringLiteral("Tallowmere"), QStringLiteral("Tallowmere"));
}

// Items are named by title; one without a title by its number.
QString nameOf(const AnnouncementItem &item)
{
    return item.title.isEmpty() ? QStringLiteral("item number %1").arg(item.id)
                                : QStringLiteral("\"%1\"").arg(shownValue(item.title));
}

// The same at the start of a sentence: 'The item "Opening"', "Item number 7".
QString subjectOf(const AnnouncementItem &item)
{
    return item.title.isEmpty() ? QStringLiteral("Item number %1").arg(item.id)
                                : QStringLiteral("The item \"%1\"").arg(shownValue(item.title));
}

QString sentence(const QString &text)
{
    return text.endsWith(u'.') ? text : text + u'.';
}

} // namespace

Announcement::Announcement(QObject *parent)
    : QObject(parent)
{
    connect(&m_transfer, &Transfer::finished, this, &Announcement::transferFinished);
    connect(&m_reading, &QFutureWatcher<Description>::finished, this, &Announcement::descriptionRead);
}

QString Announcement::configuredWsdlAddress()
{
    const QString fromEnvironment = qEnvironmentVariable("TALLOWMERE_ANNOUNCE_WSDL");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString fromUser = userWsdlAddress();
    if (!fromUser.isEmpty())
        return fromUser;
    QString host = QStringLiteral(TALLOWMERE_ANNOUNCE_HOST);
    if (host.isEmpty())
        return {};
    if (!host.contains(QLatin1String("://")))
        host.prepend(QStringLiteral("http://"));
    while (host.endsWith(u'/'))
        host.chop(1);
    return host + QStringLiteral("/corvandeltwit/Service.asmx?wsdl");
}

QString Announcement::userWsdlAddress()
{
    return userSettings().value(WsdlSetting).toString().trimmed();
}

QString Announcement::addressFault(const QString &address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("No announcement service is configured.");
    if (trimmed.size() > MaxAddressLength)
        return QStringLiteral("The announcement service's address \"%1\" is longer than %2 characters; it is not "
                              "used.")
            .arg(shownValue(trimmed))
            .arg(MaxAddressLength);
    const QUrl url = QUrl::fromUserInput(trimmed);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (scheme != u"http" && scheme != u"https"))
        return QStringLiteral("The announcement service's address \"%1\" is not a web address.")
            .arg(shownValue(trimmed));
    return {};
}

void Announcement::setUserWsdlAddress(const QString &address)
{
    if (address.trimmed().size() > MaxAddressLength)
        throw base::Error(addressFault(address));
    QSettings settings = userSettings();
    settings.setValue(WsdlSetting, address.trimmed());
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw base::Error(QStringLiteral("The announcement service's address cannot be kept in %1.")
                              .arg(QDir::toNativeSeparators(settings.fileName())));
}

void Announcement::stopAfterCurrentItem()
{
    if (!m_running)
        return;
    m_stopRequested = true;
    // Nothing was posted yet while the description is fetched.
    if (m_step == Step::Description)
        m_transfer.stop();
}

void Announcement::start(const QString &wsdlAddress, std::function<std::pair<QString, QString>()> readTwitterAccount)
{
    if (m_running)
        return;
    m_running = true;
    m_readAccount = std::move(readTwitterAccount);
    m_wsdlAddress = wsdlAddress.size() > MaxAddressLength ? QUrl() : QUrl::fromUserInput(wsdlAddress);
    m_toPost.clear();
    m_withoutDescription.clear();
    m_next = 0;
    m_announced.clear();
    m_refused.clear();
    m_stopRequested = false;
    if (const QString fault = addressFault(wsdlAddress); !fault.isEmpty()) {
        const QString message = fault;
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
    request.maxReplyBytes = MaxReplyBytes;
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
    const QString service = shownValue(m_wsdlAddress.toDisplayString());
    if (m_stopRequested) {
        finish(false, QStringLiteral("The announcement was stopped before any item was sent."));
        return;
    }
    if (result.failure == TransferResult::Failure::TooLarge) {
        finish(false, QStringLiteral("The announcement service at %1 cannot be used: its description is longer "
                                     "than %2 MB.")
                          .arg(service)
                          .arg(MaxReplyBytes / (1024 * 1024)));
        return;
    }
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
    // A peer's document is read off the calling thread, so a large one freezes nothing.
    m_step = Step::Reading;
    m_reading.setFuture(QtConcurrent::run([body = result.body, address = m_wsdlAddress] {
        Description description;
        try {
            description.operation = WsdlReader::describe(body, address, OperationName);
        } catch (const base::Error &error) {
            description.error = error.description();
        }
        return description;
    }));
}

void Announcement::descriptionRead()
{
    if (m_step != Step::Reading)
        return;
    const QString service = shownValue(m_wsdlAddress.toDisplayString());
    const Description description = m_reading.result();
    if (m_stopRequested) {
        finish(false, QStringLiteral("The announcement was stopped before any item was sent."));
        return;
    }
    if (!description.error.isEmpty()) {
        finish(false,
               QStringLiteral("The announcement service at %1 cannot be used: %2.").arg(service, description.error));
        return;
    }
    m_operation = description.operation;
    // The account travels only to the host the user chose.
    if (m_operation.endpoint.host().compare(m_wsdlAddress.host(), Qt::CaseInsensitive) != 0) {
        finish(false, QStringLiteral("The announcement service at %1 cannot be used: it sends %2 to another host "
                                     "(%3), and the account is not sent there.")
                          .arg(service, OperationName, shownValue(m_operation.endpoint.host())));
        return;
    }
    // An account fetched over TLS is never posted in clear text.
    if (m_wsdlAddress.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0
        && m_operation.endpoint.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0) {
        finish(false, QStringLiteral("The announcement service at %1 cannot be used: it sends %2 to %3 without "
                                     "encryption, and the account is not sent there.")
                          .arg(service, OperationName, shownValue(m_operation.endpoint.toDisplayString())));
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
    if (m_next == m_toPost.size()) {
        try {
            AnnouncementStore::markAnnounced(m_withoutDescription);
        } catch (const base::Error &error) {
            endRun(QStringLiteral("The items without a description could not be marked as announced: %1")
                       .arg(error.description()));
            return;
        }
        endRun();
        return;
    }
    if (m_stopRequested) {
        endRun(QStringLiteral("The announcement was stopped; the other new items wait for the next run."));
        return;
    }
    emit progress(QStringLiteral("Announcing item %1 of %2...").arg(m_next + 1).arg(m_toPost.size()));
    const AnnouncementItem &item = m_toPost.at(m_next);
    TransferRequest request;
    request.kind = TransferRequest::Kind::HttpPost;
    request.url = m_operation.endpoint;
    request.headers = SoapEnvelope::requestHeaders(m_operation);
    request.body
        = SoapEnvelope::request(m_operation, {m_userName, announcementStatusText(item.description), m_password});
    request.timeout = m_timeout;
    request.maxReplyBytes = MaxReplyBytes;
    m_transfer.start(request);
}

void Announcement::postArrived(const TransferResult &result)
{
    const AnnouncementItem &item = m_toPost.at(m_next);
    const QString name = nameOf(item);
    const QString service = shownValue(m_operation.endpoint.toDisplayString());
    using F = TransferResult::Failure;
    if (!result.ok() && result.requestSent && (result.failure == F::Timeout || result.failure == F::ConnectionLost)) {
        // The service may have posted it: only the person can tell, by looking.
        const QString question = QStringLiteral("The service did not answer after %1 was sent; it may have been "
                                                "posted. Mark it as announced?")
                                     .arg(name);
        const bool posted = m_askLostReply && m_askLostReply(question);
        QString note = QStringLiteral("The announcement service at %1 did not answer after %2 was sent (%3)")
                           .arg(service, name, transferFailure(result).chopped(1));
        if (posted) {
            try {
                AnnouncementStore::markAnnounced({item.id});
                m_announced << name;
            } catch (const base::Error &error) {
                note += QStringLiteral("; it could not be marked as announced: %1").arg(error.description());
            }
        } else {
            note += QStringLiteral("; it stays unmarked");
        }
        endRun(note + QStringLiteral(". The other new items wait for the next run."));
        return;
    }
    if (!result.ok()) {
        endRun(QStringLiteral("%1 was not announced: the announcement service at %2 cannot be reached: %3")
                   .arg(subjectOf(item), service, transferFailure(result)));
        return;
    }
    if (const auto fault = SoapEnvelope::faultOf(result.body)) {
        // One refused item does not hold back the others.
        m_refused << name + QStringLiteral(": ") + sentence(shownValue(*fault, 500));
        ++m_next;
        postNext();
        return;
    }
    if (result.responseCode < 200 || result.responseCode >= 300) {
        endRun(QStringLiteral("%1 was not announced: the announcement service at %2 answered with HTTP error %3.")
                   .arg(subjectOf(item), service)
                   .arg(result.responseCode));
        return;
    }
    try {
        AnnouncementStore::markAnnounced({item.id});
    } catch (const base::Error &error) {
        endRun(QStringLiteral("%1 was announced but could not be marked as announced: %2")
                   .arg(subjectOf(item), error.description()));
        return;
    }
    m_announced << name;
    ++m_next;
    postNext();
}

void Announcement::endRun(const QString &stopReason)
{
    const qsizetype count = m_announced.size();
    if (m_refused.isEmpty() && stopReason.isEmpty()) {
        if (count == 0)
            finish(true, QStringLiteral("No new items to announce."));
        else if (count == 1)
            finish(true, QStringLiteral("Announced 1 new item."));
        else
            finish(true, QStringLiteral("Announced %1 new items.").arg(count));
        return;
    }
    QStringList lines;
    if (count == 0)
        lines << QStringLiteral("No item was announced.");
    else
        lines << QStringLiteral("Announced %1: %2.")
                     .arg(count == 1 ? QStringLiteral("1 item") : QStringLiteral("%1 items").arg(count),
                          m_announced.join(QStringLiteral(", ")));
    if (!m_refused.isEmpty()) {
        lines << QStringLiteral("The announcement service refused %1; %2 for the next run:")
                     .arg(m_refused.size() == 1 ? QStringLiteral("1 item")
                                                : QStringLiteral("%1 items").arg(m_refused.size()),
                          m_refused.size() == 1 ? QStringLiteral("it stays") : QStringLiteral("they stay"));
        lines << m_refused;
    }
    if (!stopReason.isEmpty())
        lines << stopReason;
    finish(false, lines.join(u'\n'));
}

QString Announcement::transferFailure(const TransferResult &result) const
{
    using F = TransferResult::Failure;
    switch (result.failure) {
    case F::Timeout: return QStringLiteral("no answer within %1 seconds.").arg(m_timeout.count());
    case F::ModuleMissing: return result.detail;
    case F::TooLarge: return QStringLiteral("it sent more than %1 MB.").arg(MaxReplyBytes / (1024 * 1024));
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
