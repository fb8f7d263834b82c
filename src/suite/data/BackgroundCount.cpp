#include "suite/data/BackgroundCount.h"

#include <QMetaObject>

namespace suite {

BackgroundCount::BackgroundCount(ConnectionText connection)
    : m_connectionText(std::move(connection))
    , m_receiver(std::make_unique<QObject>())
{
    m_pool.setMaxThreadCount(1);
}

BackgroundCount::~BackgroundCount()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void BackgroundCount::count(const QString &countSelect, QObject *requester, Finished finished)
{
    QPointer<QObject> target(requester);
    QObject *receiver = m_receiver.get();
    m_pool.start([this, countSelect, target, receiver, finished = std::move(finished)] {
        QString sMsg;
        const std::optional<qint64> rows = run(countSelect, sMsg);
        // The receiver outlives every task: the destructor waits for the pool first.
        QMetaObject::invokeMethod(
            receiver,
            [target, finished, rows, sMsg] {
                if (target)
                    finished(rows, sMsg);
            },
            Qt::QueuedConnection);
    });
}

std::optional<qint64> BackgroundCount::run(const QString &countSelect, QString &sMsg)
{
    if (!m_backend) {
        m_backend = openBackend(m_connectionText, sMsg);
        if (!m_backend)
            return std::nullopt;
    }
    const RecordSet count = m_backend->connection().queryStatement(countSelect, {}, sMsg);
    if (!count.IsOpen() || count.RecordCount() != 1)
        return std::nullopt;
    return count.valueAt(0, 0).toLongLong();
}

} // namespace suite
