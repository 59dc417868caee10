#include "rss/fediverse/TimedReply.h"

#include <QNetworkReply>
#include <QTimer>

#include <memory>

namespace rss::fediverse {

void watchReply(QNetworkReply *reply, std::chrono::milliseconds timeout, QObject *context,
                std::function<void(QNetworkReply *, bool, bool)> finished)
{
    auto *timer = new QTimer(reply);
    timer->setSingleShot(true);
    auto timedOut = std::make_shared<bool>(false);
    QObject::connect(timer, &QTimer::timeout, reply, [reply, timedOut]() {
        *timedOut = true;
        reply->abort();
    });
    // Every byte that comes in starts the time-out again: a slow server is not a dead one.
    auto tooLarge = std::make_shared<bool>(false);
    QObject::connect(reply, &QNetworkReply::downloadProgress, timer, [timer, reply, tooLarge](qint64 received, qint64) {
        if (received > MaxReplyBytes) {
            *tooLarge = true;
            reply->abort();
        }
        timer->start();
    });
    QObject::connect(reply, &QNetworkReply::uploadProgress, timer, [timer](qint64, qint64) { timer->start(); });
    timer->start(timeout);
    QObject::connect(reply, &QNetworkReply::finished, context,
                     [reply, timedOut, tooLarge, then = std::move(finished)]() {
                         reply->deleteLater();
                         then(reply, *timedOut, *tooLarge);
                     });
}

} // namespace rss::fediverse
