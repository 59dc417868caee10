#pragma once

#include "rss/AnnouncementStore.h"
#include "rss/SoapOperation.h"
#include "rss/Transfer.h"

#include <QObject>

#include <chrono>
#include <functional>
#include <utility>

namespace rss {

// Posts every item not announced yet as a status through the announcement service
// (SubmitUserStatus of a SOAP service whose description is fetched first), marking
// each item right after its own post succeeds; items without a description are
// marked at the end. The network work runs off the calling thread.
class Announcement : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::seconds RequestTimeout{140};

    explicit Announcement(QObject *parent = nullptr);

    // Returns at once. The account (user name, password) is read once the service's
    // description has arrived. Ignored while an announcement runs.
    void start(const QString &wsdlAddress, std::function<std::pair<QString, QString>()> readTwitterAccount);
    bool isRunning() const { return m_running; }

    // TALLOWMERE_ANNOUNCE_WSDL when set, else the built-in host's service, else empty.
    static QString configuredWsdlAddress();

    // Tests wait less than a person would.
    void setRequestTimeout(std::chrono::seconds timeout) { m_timeout = timeout; }

signals:
    void progress(const QString &status);
    // ok: a status text; otherwise the message a person reads.
    void finished(bool ok, const QString &message);

private:
    enum class Step {
        Idle,
        Description,
        Posting
    };

    void transferFinished(const TransferResult &result);
    void describedServiceArrived(const TransferResult &result);
    void postArrived(const TransferResult &result);
    void postNext();
    void finish(bool ok, const QString &message);
    QString transferFailure(const TransferResult &result) const;

    Transfer m_transfer;
    std::chrono::seconds m_timeout = RequestTimeout;
    bool m_running = false;
    Step m_step = Step::Idle;
    QUrl m_wsdlAddress;
    std::function<std::pair<QString, QString>()> m_readAccount;
    SoapOperation m_operation;
    QString m_userName;
    QString m_password;
    QList<AnnouncementItem> m_toPost;
    QList<int> m_withoutDescription;
    int m_posted = 0;
};

} // namespace rss
