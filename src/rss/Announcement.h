#pragma once

#include "rss/AnnouncementStore.h"
#include "rss/SoapOperation.h"
#include "rss/Transfer.h"

#include <QFutureWatcher>
#include <QObject>

#include <chrono>
#include <functional>
#include <utility>

namespace rss {

// Posts every item not announced yet as a status through the announcement service
// (SubmitUserStatus of a SOAP service whose description is fetched first), marking
// each item right after its own post succeeds; items without a description are
// marked at the end. An item the service refuses stays unmarked and the run goes
// on; the end names what was announced and what was refused. The network work runs
// off the calling thread.
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

    // Asked, with the question a person reads, when an item's post went out whole but
    // no reply came: true marks the item as announced. Unset, the item stays unmarked.
    void setLostReplyQuestion(std::function<bool(const QString &question)> ask) { m_askLostReply = std::move(ask); }
    // Ends the run once the item being posted is settled; the rest wait for the next run.
    void stopAfterCurrentItem();

    // TALLOWMERE_ANNOUNCE_WSDL when set, else the address the user gave the program,
    // else the built-in host's service, else empty.
    static QString configuredWsdlAddress();
    // The address the user gave the program, kept in the user's own settings.
    static QString userWsdlAddress();
    // Throws base::Error when the address is too long to be one or cannot be kept.
    static void setUserWsdlAddress(const QString &address);
    // An address is at most this long, however it comes (settings, environment).
    static constexpr qsizetype MaxAddressLength = 2048;
    // Why an address cannot be the service's, as a person reads it; empty when it can.
    static QString addressFault(const QString &address);
    // What a peer may send back at most.
    static constexpr qsizetype MaxReplyBytes = 4 * 1024 * 1024;

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
        Reading, // the description, off the calling thread
        Posting
    };
    // What reading the description gave: the operation, or why it cannot be used.
    struct Description
    {
        SoapOperation operation;
        QString error;
    };

    void transferFinished(const TransferResult &result);
    void describedServiceArrived(const TransferResult &result);
    void descriptionRead();
    void postArrived(const TransferResult &result);
    void postNext();
    void endRun(const QString &stopReason = {});
    void finish(bool ok, const QString &message);
    QString transferFailure(const TransferResult &result) const;

    Transfer m_transfer;
    QFutureWatcher<Description> m_reading;
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
    int m_next = 0;          // the item posted now, or next
    QStringList m_announced; // names of the items posted and marked
    QStringList m_refused;   // "name: reason" of each item the service refused
    bool m_stopRequested = false;
    std::function<bool(const QString &)> m_askLostReply;
};

} // namespace rss
