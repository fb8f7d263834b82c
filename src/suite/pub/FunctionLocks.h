#pragma once

#include "suite/pub/LockTasks.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>

namespace suite {

class ClsCommon;
class RecordSet;

// The session that refused a task, as the refused user is told.
struct LockHolder
{
    QString sessionId;
    QString userId;
    QString userName;
    QString machine;
    qint64 processId = 0;
    // The task code it holds.
    int task = 0;
    // When it took the task.
    QDateTime since;
};

// The function locks of one session of a user in a company (account and year): a session
// takes a task of a function unless another live session holds a task that conflicts with it
// (LockTasks), and gives it back with the negative code or when the session ends.
//
// The locks live in the system database kvsystem (ua_task, one row per task held, and
// ua_tasksession, one row per session), because every company database of the account reaches
// it and a lock means the same to all of them; rows are keyed by account and year. The store
// is reached through a data service of its own, so that a caller's transaction on the company
// database neither holds back nor undoes a release. Check and take run in one transaction whose
// first statement writes the session's heartbeat: the write lock comes before anything is read,
// so two processes can never both find a function free.
//
// A session that died leaves rows behind that must not block: on this machine its process is
// asked (id and start mark, so a reused id does not count); on another machine its heartbeat,
// written on every take and every minute while an event loop runs, must be younger than the
// lease. Rows of dead sessions are removed when they are met and when a session opens.
class FunctionLocks
{
public:
    static constexpr qint64 kLeaseSeconds = 300;
    static constexpr int kHeartbeatMs = 60 * 1000;

    // Starts a session of the user on the company database the connection text names; messages
    // are in the language region's texts. Null with the reason when the lock store cannot be
    // reached.
    static std::unique_ptr<FunctionLocks> open(const QString &cDBName, const QString &cUserId,
                                               const QString &cUserName,
                                               const QString &languageRegion, QString &sMsg);
    // Ends the session.
    ~FunctionLocks();
    FunctionLocks(const FunctionLocks &) = delete;
    FunctionLocks &operator=(const FunctionLocks &) = delete;

    // A positive iTask takes the task of cFunId (function ids ignore case) and answers False,
    // or answers True when it may not be entered now: sMsg then says who holds it (holder, when
    // given, receives the holder) or why the lock could not be checked. Taking a task this
    // session holds already is allowed. A negative iTask gives the task back and answers False.
    bool isLocked(const QString &cFunId, int iTask, LockHolder *holder, QString &sMsg);

    // Tells the other machines that the session lives; an ended session stays ended.
    bool heartbeat(QString &sMsg);
    // Gives back every task of the session and removes it; a later take starts it again.
    void endSession();

    QString sessionId() const;

    // A store that cannot be written (a read-only company) records nothing: the list may be
    // entered, every other task is refused, and either answer says changes are not possible.
    bool isReadOnly() const { return m_readOnly; }

private:
    struct Identity
    {
        QString sessionId;
        QString accountId;
        int year = 0;
        QString userId;
        QString userName;
        QString machine;
        QString machineId;
        qint64 processId = 0;
        QString startMark;
        QDateTime started;
    };
    struct SessionRow;
    enum class Outcome { Taken, Refused, Failed };

    FunctionLocks(std::unique_ptr<ClsCommon> store, Identity identity,
                  const QString &languageRegion);

    bool refuseChanges(LockTask task, int iTask, QString &sMsg) const;
    bool take(const QString &function, LockTask task, LockHolder *holder, QString &sMsg);
    Outcome tryTake(const QString &function, LockTask task, LockHolder &holder, QString &sMsg);
    void release(const QString &function, LockTask task, QString &sMsg);
    bool touchSession(QString &sMsg);
    bool registerSession(QString &sMsg);
    bool findHolder(const QString &function, LockTask task, std::optional<LockHolder> &holder,
                    QString &sMsg);
    bool insertLock(const QString &function, LockTask task, QString &sMsg);
    bool removeDeadSessions(QString &sMsg);
    bool forgetSessions(const QStringList &sessionIds, QString &sMsg);
    bool isAlive(const SessionRow &session) const;
    bool run(const QString &sql, QString &sMsg);
    bool read(const QString &sql, RecordSet &rows, QString &sMsg);
    QString accountCondition(const QString &alias) const;
    QString text(const QString &key, const QStringList &args = {}) const;

    std::unique_ptr<ClsCommon> m_store;
    Identity m_identity;
    QString m_languageRegion;
    bool m_registered = false;
    bool m_readOnly = false;
    QTimer m_heartbeatTimer;
};

} // namespace suite
