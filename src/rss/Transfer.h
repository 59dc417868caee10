#pragma once

#include "rss/TransferRequest.h"

#include <QObject>

#include <memory>

namespace rss {

// Runs one network transfer at a time off the calling thread and reports its end
// on the thread that started it. The network library is loaded on first use.
// Destroying a Transfer while it runs asks the transfer to stop and drops its result.
class Transfer : public QObject
{
    Q_OBJECT

public:
    explicit Transfer(QObject *parent = nullptr);
    ~Transfer() override;

    // Returns at once; finished() follows, also when the transfer cannot even start.
    // Ignored while a transfer runs.
    void start(const TransferRequest &request);
    bool isRunning() const { return m_running; }
    // Asks the running transfer to stop; finished() follows as usual.
    void stop();

signals:
    void finished(const rss::TransferResult &result);

private:
    struct Shared;

    void deliver(const TransferResult &result);

    std::shared_ptr<Shared> m_shared;
    bool m_running = false;
};

} // namespace rss
