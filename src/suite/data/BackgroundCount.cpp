#include "suite/data/BackgroundCount.h"

#include <QMetaObject>

namespace suite {

namespace {

// A count a list waits for goes before the reads queued earlier (the marks of a list counted
// before, say), though not before the one that runs.
constexpr int kCountPriority = 1;

} // namespace

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

void BackgroundCount::openConnection()
{
    m_pool.start([this] {
        QString sMsg;
        if (!m_backend)
            m_backend = openBackend(m_connectionText, sMsg);
    });
}

void BackgroundCount::count(const QString &countSelect, QObject *requester, Finished finished)
{
    QPointer<QObject> target(requester);
    QObject *receiver = m_receiver.get();
    ++m_unfinished;
    m_pool.start(
        [this, countSelect, target, receiver, finished = std::move(finished)] {
            QString sMsg;
            const std::optional<qint64> rows = run(countSelect, sMsg);
            --m_unfinished;
            // The receiver outlives every task: the destructor waits for the pool first.
            QMetaObject::invokeMethod(
                receiver,
                [target, finished, rows, sMsg] {
                    if (target)
                        finished(rows, sMsg);
                },
                Qt::QueuedConnection);
        },
        kCountPriority);
}

std::optional<std::future<BackgroundCount::Counted>> BackgroundCount::countBeside(
    const QString &countSelect)
{
    if (m_unfinished > 0)
        return std::nullopt;
    auto promise = std::make_shared<std::promise<Counted>>();
    std::future<Counted> counted = promise->get_future();
    ++m_unfinished;
    m_pool.start(
        [this, countSelect, promise] {
            QString sMsg;
            const std::optional<qint64> rows = run(countSelect, sMsg);
            --m_unfinished;
            promise->set_value({ rows, sMsg });
        },
        kCountPriority);
    return counted;
}

void BackgroundCount::read(const QString &select, Read read)
{
    QObject *receiver = m_receiver.get();
    ++m_unfinished;
    m_pool.start([this, select, receiver, read = std::move(read)] {
        QString sMsg;
        const RecordSet rows = query(select, sMsg);
        --m_unfinished;
        QMetaObject::invokeMethod(
            receiver, [read, rows, sMsg] { read(rows, sMsg); }, Qt::QueuedConnection);
    });
}

std::optional<qint64> BackgroundCount::run(const QString &countSelect, QString &sMsg)
{
    const RecordSet count = query(countSelect, sMsg);
    if (!count.IsOpen() || count.RecordCount() != 1)
        return std::nullopt;
    return count.valueAt(0, 0).toLongLong();
}

RecordSet BackgroundCount::query(const QString &select, QString &sMsg)
{
    if (!m_backend) {
        m_backend = openBackend(m_connectionText, sMsg);
        if (!m_backend)
            return RecordSet();
    }
    return m_backend->connection().queryStatement(select, {}, sMsg);
}

} // namespace suite
