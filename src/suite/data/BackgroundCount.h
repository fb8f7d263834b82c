#pragma once

#include "suite/data/ConnectionText.h"
#include "suite/data/DataBackend.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <utility>

namespace suite {

// Counts rows on a connection of its own, on a thread of its own, one count after the other,
// so that a list can show its first page while the database still counts the rest. The
// connection is opened with the first count, or before it when asked, and kept. Results come
// back on the thread that made this object, through its receiver, and only to requesters that
// still exist.
class BackgroundCount
{
public:
    // rows is nullopt when the count failed, with the reason.
    using Finished = std::function<void(std::optional<qint64> rows, const QString &sMsg)>;

    explicit BackgroundCount(ConnectionText connection);
    // Waits for the count that runs; the counts still queued are dropped.
    ~BackgroundCount();

    // Runs the backend's count statement (one row, one column); finished is called on this
    // object's thread unless requester is gone by then.
    void count(const QString &countSelect, QObject *requester, Finished finished);
    // Opens the counting connection on its thread now, so that the first count does not wait
    // for it.
    void openConnection();
    // Counts at once when no other count or read runs or waits here, for a caller that reads on its
    // own connection meanwhile and then waits for the count; nullopt, and nothing counted, when an
    // earlier count or read would hold it up.
    using Counted = std::pair<std::optional<qint64>, QString>;
    std::optional<std::future<Counted>> countBeside(const QString &countSelect);
    // Reads the rows of a backend's select after the counts asked for before and after it
    // that have not started yet; read is called on this object's thread (with a closed record
    // set and the reason on failure) while this object lives.
    using Read = std::function<void(const RecordSet &rows, const QString &sMsg)>;
    void read(const QString &select, Read read);

private:
    std::optional<qint64> run(const QString &countSelect, QString &sMsg);
    RecordSet query(const QString &select, QString &sMsg);

    ConnectionText m_connectionText;
    QThreadPool m_pool;
    // Used on the pool's one thread only.
    std::unique_ptr<DataBackend> m_backend;
    // Counts and reads asked for and not finished yet.
    std::atomic<int> m_unfinished = 0;
    // Lives on the creating thread: results are delivered through its event queue.
    std::unique_ptr<QObject> m_receiver;
};

} // namespace suite
