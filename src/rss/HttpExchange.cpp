#include "rss/HttpExchange.h"

#include "rss/Transfer.h"

namespace rss {

HttpExchange::HttpExchange(QObject *parent)
    : QObject(parent)
{
}

// The transfers are children: each asks its request to stop and drops its report.
HttpExchange::~HttpExchange() = default;

void HttpExchange::get(const QUrl &url, const QList<QByteArray> &headers, Done done)
{
    TransferRequest request;
    request.kind = TransferRequest::Kind::HttpGet;
    request.url = url;
    request.headers = headers;
    start(std::move(request), std::move(done));
}

void HttpExchange::post(const QUrl &url, const QList<QByteArray> &headers, const QByteArray &contentType,
                        const QByteArray &body, Done done)
{
    TransferRequest request;
    request.kind = TransferRequest::Kind::HttpPost;
    request.url = url;
    request.headers = headers;
    request.headers.append("Content-Type: " + contentType);
    request.body = body;
    start(std::move(request), std::move(done));
}

void HttpExchange::start(TransferRequest request, Done done)
{
    request.headers.prepend("User-Agent: Tallowmere");
    request.timeout = m_timeout;
    request.timeoutFromLastByte = true;
    request.redirectIsReply = true;
    request.maxReplyBytes = MaxReplyBytes;
    // A Transfer runs one request at a time: each request has its own.
    auto *transfer = new Transfer(this);
    m_transfers.append(transfer);
    connect(transfer, &Transfer::finished, this,
            [this, transfer, done = std::move(done)](const TransferResult &result) {
                m_transfers.removeOne(transfer);
                transfer->deleteLater();
                done(result);
            });
    transfer->start(request);
}

void HttpExchange::stop()
{
    for (Transfer *transfer : std::as_const(m_transfers))
        transfer->stop();
}

HttpExchange::Ending HttpExchange::endingOf(const TransferResult &result)
{
    using F = TransferResult::Failure;
    switch (result.failure) {
    case F::None: return result.responseCode == 0 ? Ending::Lost : Ending::Answered;
    case F::Timeout: return Ending::TimedOut;
    case F::Aborted: return Ending::Stopped;
    case F::TooLarge: return Ending::TooLarge;
    case F::ModuleMissing: return Ending::NotSent;
    default: break;
    }
    // An error answer whose body broke off still says what it is; a success does not.
    const bool success = result.responseCode >= 200 && result.responseCode < 300;
    return result.responseCode == 0 || success ? Ending::Lost : Ending::Answered;
}

QString HttpExchange::noAnswerMessage(Ending ending, const TransferResult &result, const QString &host) const
{
    switch (ending) {
    case Ending::Answered: return {};
    case Ending::TimedOut:
        return tr("The server %1 did not answer within %2 seconds.")
            .arg(host)
            .arg(std::chrono::duration_cast<std::chrono::seconds>(m_timeout).count());
    case Ending::Stopped: return tr("Stopped.");
    case Ending::TooLarge: return tr("The server %1 sent a reply far larger than any answer of its kind.").arg(host);
    case Ending::NotSent:
    case Ending::Lost: return tr("The server %1 could not be reached: %2").arg(host, result.detail);
    }
    return {};
}

QByteArray HttpExchange::formBody(const QList<std::pair<QString, QString>> &fields)
{
    QByteArray body;
    for (const auto &[name, value] : fields) {
        if (!body.isEmpty())
            body += '&';
        body += QUrl::toPercentEncoding(name) + '=' + QUrl::toPercentEncoding(value);
    }
    return body;
}

} // namespace rss
