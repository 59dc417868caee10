#pragma once

#include <QObject>

#include <chrono>
#include <functional>

class QNetworkReply;

namespace rss::fediverse {

// A reply larger than this is no answer of the APIs announcing speaks to.
constexpr qint64 MaxReplyBytes = 4 * 1024 * 1024;

// Watches a reply: it is aborted when no byte moves for `timeout` or when it grows past
// MaxReplyBytes. `finished` runs once on `context`'s thread, the reply still readable
// (it is deleted later).
void watchReply(QNetworkReply *reply, std::chrono::milliseconds timeout, QObject *context,
                std::function<void(QNetworkReply *reply, bool timedOut, bool tooLarge)> finished);

} // namespace rss::fediverse
