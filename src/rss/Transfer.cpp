#include "rss/Transfer.h"

#include "base/Error.h"
#include "base/Module.h"
#include "rss/net/TransferModule.h"

#include <QFile>
#include <QMetaObject>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace rss {

// What the worker thread and the Transfer share: the stop request and, while the
// Transfer lives, the way back to it.
struct Transfer::Shared
{
    std::atomic<bool> stop{false};
    std::mutex mutex;
    Transfer *owner = nullptr;
};

namespace {

TransferResult::Failure failureOf(int code)
{
    using F = TransferResult::Failure;
    switch (code) {
    case TallowmereNoFailure: return F::None;
    case TallowmereLocalFileFailure: return F::LocalFile;
    case TallowmereResolveFailure: return F::Resolve;
    case TallowmereConnectFailure: return F::Connect;
    case TallowmereLoginFailure: return F::Login;
    case TallowmereRemotePathFailure: return F::RemotePath;
    case TallowmereStoreFailure: return F::Store;
    case TallowmereTimeoutFailure: return F::Timeout;
    case TallowmereUnsupportedFailure: return F::Unsupported;
    case TallowmereAbortedFailure: return F::Aborted;
    case TallowmereTlsFailure: return F::Tls;
    case TallowmereConnectionLostFailure: return F::ConnectionLost;
    case TallowmereTooLargeFailure: return F::TooLarge;
    case TallowmereRedirectFailure: return F::Redirect;
    case TallowmereVerifyFailure: return F::Verify;
    case TallowmereUnknownHostKeyFailure: return F::UnknownHostKey;
    case TallowmereChangedHostKeyFailure: return F::ChangedHostKey;
    default: return F::Other;
    }
}

int kindOf(TransferRequest::Kind kind)
{
    switch (kind) {
    case TransferRequest::Kind::FtpUpload: return TallowmereFtpUpload;
    case TransferRequest::Kind::HttpPost: return TallowmereHttpPost;
    case TransferRequest::Kind::HttpGet: break;
    }
    return TallowmereHttpGet;
}

struct Context
{
    TransferResult *result;
    std::atomic<bool> *stop;
};

// A status line starts the next reply's fields (after a redirect or a 100 Continue).
void takeHeaderLine(TransferResult &result, const QByteArray &line)
{
    if (line.startsWith("HTTP/")) {
        result.headers.clear();
        return;
    }
    const qsizetype colon = line.indexOf(':');
    if (colon > 0)
        result.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
}

TransferResult perform(TallowmereTransferRun run, const TransferRequest &request, std::atomic<bool> &stop)
{
    const QByteArray url = request.url.toEncoded();
    const QByteArray userName = request.userName.toUtf8();
    const QByteArray password = request.password.toUtf8();
    const QByteArray localPath = QFile::encodeName(request.localPath);
    const QByteArray knownHosts = QFile::encodeName(request.knownHostsPath);
    std::vector<const char *> headers;
    for (const QByteArray &header : request.headers)
        headers.push_back(header.constData());
    std::vector<const char *> finishCommands;
    for (const QByteArray &command : request.finishCommands)
        finishCommands.push_back(command.constData());

    TransferResult result;
    Context context{&result, &stop};
    TallowmereTransferRequest plain = {};
    plain.kind = kindOf(request.kind);
    plain.url = url.constData();
    plain.userName = request.userName.isNull() ? nullptr : userName.constData();
    plain.password = request.password.isNull() ? nullptr : password.constData();
    plain.localPath = localPath.constData();
    plain.body = request.body.constData();
    plain.bodyLength = static_cast<size_t>(request.body.size());
    plain.headers = headers.data();
    plain.headerCount = static_cast<int>(headers.size());
    plain.timeoutMilliseconds = static_cast<long>(request.timeout.count());
    plain.timeoutFromLastByte = request.timeoutFromLastByte ? 1 : 0;
    plain.redirectIsReply = request.redirectIsReply ? 1 : 0;
    plain.context = &context;
    plain.appendBody = [](void *c, const char *data, size_t length) {
        static_cast<Context *>(c)->result->body.append(data, static_cast<qsizetype>(length));
    };
    plain.appendHeader = [](void *c, const char *line, size_t length) {
        takeHeaderLine(*static_cast<Context *>(c)->result, QByteArray(line, static_cast<qsizetype>(length)));
    };
    plain.requireTls = request.requireTls ? 1 : 0;
    plain.shouldAbort = [](void *c) { return static_cast<Context *>(c)->stop->load() ? 1 : 0; };
    plain.maxReplyBytes = static_cast<size_t>(request.maxReplyBytes);
    plain.verifySize = request.verifySize ? 1 : 0;
    plain.finishCommands = finishCommands.data();
    plain.finishCommandCount = static_cast<int>(finishCommands.size());
    plain.knownHostsPath = request.knownHostsPath.isEmpty() ? nullptr : knownHosts.constData();

    TallowmereTransferResult outcome = {};
    run(&plain, &outcome);
    result.failure = failureOf(outcome.failure);
    result.responseCode = outcome.responseCode;
    result.detail = QString::fromUtf8(outcome.detail);
    result.requestSent = outcome.requestSent != 0;
    result.hostKey
        = QByteArray(reinterpret_cast<const char *>(outcome.hostKey), static_cast<qsizetype>(outcome.hostKeyLength));
    return result;
}

} // namespace

Transfer::Transfer(QObject *parent)
    : QObject(parent)
{
}

Transfer::~Transfer()
{
    if (!m_shared)
        return;
    m_shared->stop = true;
    std::lock_guard lock(m_shared->mutex);
    m_shared->owner = nullptr;
}

void Transfer::start(const TransferRequest &request)
{
    if (m_running)
        return;
    m_running = true;

    TallowmereTransferRun run = nullptr;
    try {
        run = reinterpret_cast<TallowmereTransferRun>(
            base::Module::symbol(QStringLiteral("tallowmere_transfer"), TALLOWMERE_TRANSFER_RUN_SYMBOL));
    } catch (const base::Error &error) {
        TransferResult result;
        result.failure = TransferResult::Failure::ModuleMissing;
        result.detail = error.description();
        QMetaObject::invokeMethod(
            this, [this, result] { deliver(result); }, Qt::QueuedConnection);
        return;
    }

    if (m_shared) {
        std::lock_guard lock(m_shared->mutex);
        m_shared->owner = nullptr;
    }
    m_shared = std::make_shared<Shared>();
    m_shared->owner = this;
    std::thread([run, request, shared = m_shared] {
        const TransferResult result = perform(run, request, shared->stop);
        std::lock_guard lock(shared->mutex);
        if (Transfer *owner = shared->owner)
            QMetaObject::invokeMethod(
                owner, [owner, result] { owner->deliver(result); }, Qt::QueuedConnection);
    }).detach();
}

void Transfer::stop()
{
    if (m_running && m_shared)
        m_shared->stop = true;
}

void Transfer::deliver(const TransferResult &result)
{
    m_running = false;
    emit finished(result);
}

} // namespace rss
