#pragma once

#include "rss/TransferRequest.h"

#include <QObject>
#include <QUrl>

#include <chrono>
#include <functional>
#include <utility>

namespace rss {

class Transfer;

// HTTP requests to a web API through the transfer module, any number at a time: each
// returns at once and reports once, later, on this object's thread, so the window
// never waits on a peer. A reply is taken as it comes: a redirect is the answer (it
// would carry the account elsewhere), and one larger than MaxReplyBytes fails. The
// time-out counts from the last byte that moved: a slow peer is not a dead one.
// stop() ends every request (each reports Aborted); destroying ends them unreported.
class HttpExchange : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(const TransferResult &)>;

    // How a request ended, before its status code is read.
    enum class Ending {
        Answered, // a whole reply came: its status says the rest
        TimedOut,
        Stopped,
        TooLarge,
        NotSent, // the transfer module is missing
        Lost,    // no whole reply came (refused, unknown host, TLS, cut off): the
                 // request may or may not have taken effect
    };
    static Ending endingOf(const TransferResult &result);
    // What a request that brought no whole answer says to the person, naming the
    // peer's host; `stopped` when its caller stopped it.
    QString noAnswerMessage(Ending ending, const TransferResult &result, const QString &host) const;
    // The same as a client's reply outcome: every client's enum names these four.
    template <typename Outcome> static Outcome outcomeWithoutAnswer(Ending ending)
    {
        switch (ending) {
        case Ending::TimedOut: return Outcome::TimedOut;
        case Ending::Stopped: return Outcome::Stopped;
        case Ending::Lost: return Outcome::Unreachable; // may or may not have taken effect
        default: return Outcome::Failed;                // sending it again would not help
        }
    }

    // No answer of the APIs the program speaks to comes near this.
    static constexpr qsizetype MaxReplyBytes = 4 * 1024 * 1024;

    explicit HttpExchange(QObject *parent = nullptr);
    ~HttpExchange() override;

    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    std::chrono::milliseconds timeout() const { return m_timeout; }

    // `headers` are "Name: value" lines; the program's User-Agent goes with each.
    void get(const QUrl &url, const QList<QByteArray> &headers, Done done);
    void post(const QUrl &url, const QList<QByteArray> &headers, const QByteArray &contentType, const QByteArray &body,
              Done done);
    void stop();
    int running() const { return static_cast<int>(m_transfers.size()); }

    // application/x-www-form-urlencoded: every byte but the unreserved ones escaped,
    // a '+' included (a form reader takes a bare one for a space).
    static QByteArray formBody(const QList<std::pair<QString, QString>> &fields);

private:
    void start(TransferRequest request, Done done);

    std::chrono::milliseconds m_timeout{std::chrono::seconds(30)};
    QList<Transfer *> m_transfers;
};

} // namespace rss
