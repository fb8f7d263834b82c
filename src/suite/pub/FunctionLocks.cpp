#include "suite/pub/FunctionLocks.h"

#include "suite/core/ErrorLog.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/ConnectionText.h"
#include "suite/data/DataService.h"
#include "suite/pub/LocalProcess.h"
#include "suite/pub/ResourceTable.h"

#include <QCoreApplication>
#include <QUuid>

namespace suite {

namespace {

const QString kWhere = QStringLiteral("FunctionLocks");
const QString kStoreFail = QStringLiteral("Tarn.AA.PUB.LOCK.storefail");

// A busy store or a schema change read halfway through a take fails the transaction; the take
// is tried again a few times before the user is told.
constexpr int kAttempts = 3;

const QString kSessionColumns =
    QStringLiteral("s.cSessionId, s.cUser_Id, s.cUser_Name, s.cStation, s.cMachineId, "
                   "s.iProcessId, s.cProcessMark, s.iHeartbeat");

QVariant cell(const RecordSet &rows, int row, const char *column)
{
    return rows.valueAt(row, rows.FieldIndex(QLatin1String(column)));
}

QString dateTimeLiteral(const QDateTime &time)
{
    return sqlUnicode(time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")));
}

} // namespace

struct FunctionLocks::SessionRow
{
    QString sessionId;
    QString userId;
    QString userName;
    QString machine;
    QString machineId;
    qint64 processId = 0;
    QString startMark;
    qint64 heartbeat = 0;

    static SessionRow read(const RecordSet &rows, int row)
    {
        return {
            cell(rows, row, "cSessionId").toString(),   cell(rows, row, "cUser_Id").toString(),
            cell(rows, row, "cUser_Name").toString(),   cell(rows, row, "cStation").toString(),
            cell(rows, row, "cMachineId").toString(),   cell(rows, row, "iProcessId").toLongLong(),
            cell(rows, row, "cProcessMark").toString(), cell(rows, row, "iHeartbeat").toLongLong()
        };
    }
};

std::unique_ptr<FunctionLocks> FunctionLocks::open(const QString &cDBName, const QString &cUserId,
                                                   const QString &cUserName,
                                                   const QString &languageRegion, QString &sMsg)
{
    const ResourceTable &texts = ResourceTable::builtIn(languageRegion);
    QString reason;
    const std::optional<ConnectionText> connection = ConnectionText::parse(cDBName, reason);
    if (connection && (connection->accountId.isEmpty() || connection->year.toInt() <= 0))
        reason = texts.format(QStringLiteral("Tarn.AA.PUB.LOCK.noaccount"), { cDBName });
    if (!connection || !reason.isEmpty()) {
        sMsg = texts.format(kStoreFail, { reason });
        return nullptr;
    }
    auto store = std::make_unique<ClsCommon>();
    store->Init(cDBName);
    if (!store->Status()) {
        sMsg = texts.format(kStoreFail, { store->LastError() });
        return nullptr;
    }
    Identity identity;
    identity.sessionId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    identity.accountId = connection->accountId;
    identity.year = connection->year.toInt();
    identity.userId = cUserId;
    identity.userName = cUserName;
    identity.machine = machineName();
    identity.machineId = machineId();
    identity.processId = currentProcessId();
    identity.startMark = processStartMark(identity.processId);
    identity.started = QDateTime::currentDateTime();
    std::unique_ptr<FunctionLocks> locks(
        new FunctionLocks(std::move(store), std::move(identity), languageRegion));
    locks->m_readOnly = locks->m_store->IsReadOnly(QStringLiteral("kvsystem"));
    if (locks->m_readOnly)
        return locks;
    if (!locks->registerSession(reason) || !locks->removeDeadSessions(reason)) {
        sMsg = texts.format(kStoreFail, { reason });
        return nullptr;
    }
    return locks;
}

FunctionLocks::FunctionLocks(std::unique_ptr<ClsCommon> store, Identity identity,
                             const QString &languageRegion)
    : m_store(std::move(store))
    , m_identity(std::move(identity))
    , m_languageRegion(languageRegion)
{
    // Without an event loop the timer would never fire; such processes beat on every call.
    if (QCoreApplication::instance()) {
        QObject::connect(&m_heartbeatTimer, &QTimer::timeout, [this] {
            QString sMsg;
            if (!heartbeat(sMsg))
                ErrorLog::instance().warning(kWhere, sMsg);
        });
        m_heartbeatTimer.start(kHeartbeatMs);
    }
}

FunctionLocks::~FunctionLocks()
{
    endSession();
}

QString FunctionLocks::sessionId() const
{
    return m_identity.sessionId;
}

QString FunctionLocks::text(const QString &key, const QStringList &args) const
{
    return ResourceTable::builtIn(m_languageRegion).format(key, args);
}

bool FunctionLocks::run(const QString &sql, QString &sMsg)
{
    if (m_store->ExecuteX(sql))
        return true;
    sMsg = m_store->LastError();
    return false;
}

bool FunctionLocks::read(const QString &sql, RecordSet &rows, QString &sMsg)
{
    rows = m_store->OpenX(sql);
    if (rows.IsOpen())
        return true;
    sMsg = m_store->LastError();
    return false;
}

QString FunctionLocks::accountCondition(const QString &alias) const
{
    return QStringLiteral("%1cAcc_Id = %2 and %1iYear = %3")
        .arg(alias, sqlUnicode(m_identity.accountId))
        .arg(m_identity.year);
}

bool FunctionLocks::isLocked(const QString &cFunId, int iTask, LockHolder *holder, QString &sMsg)
{
    sMsg.clear();
    const std::optional<LockTask> task = lockTaskOf(iTask);
    if (!task) {
        sMsg = text(QStringLiteral("Tarn.AA.PUB.LOCK.badtask"), { QString::number(iTask) });
        return iTask > 0;
    }
    const QString function = cFunId.trimmed();
    if (function.isEmpty()) {
        sMsg = text(QStringLiteral("Tarn.AA.PUB.LOCK.nofunction"));
        return iTask > 0;
    }
    if (m_readOnly)
        return refuseChanges(*task, iTask, sMsg);
    if (iTask < 0) {
        release(function, *task, sMsg);
        return false;
    }
    return take(function, *task, holder, sMsg);
}

// Nothing can be recorded in a read-only store, and nothing but reading can be done.
bool FunctionLocks::refuseChanges(LockTask task, int iTask, QString &sMsg) const
{
    if (iTask < 0)
        return false;
    sMsg = text(QStringLiteral("Tarn.AA.PUB.LOCK.readonly"));
    return task != LockTask::List;
}

bool FunctionLocks::take(const QString &function, LockTask task, LockHolder *holder, QString &sMsg)
{
    QString reason;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        LockHolder found;
        switch (tryTake(function, task, found, reason)) {
        case Outcome::Taken:
            return false;
        case Outcome::Refused:
            if (holder)
                *holder = found;
            sMsg = text(QStringLiteral("Tarn.AA.PUB.LOCK.heldby"),
                        { found.userName.isEmpty() ? found.userId : found.userName, found.machine,
                          text(lockTaskNameKey(LockTask(found.task))) });
            return true;
        case Outcome::Failed:
            break;
        }
    }
    sMsg = text(kStoreFail, { reason });
    ErrorLog::instance().error(kWhere, sMsg);
    return true;
}

FunctionLocks::Outcome FunctionLocks::tryTake(const QString &function, LockTask task,
                                              LockHolder &holder, QString &sMsg)
{
    // Two sessions checking at once must not both find the function free: the task table is
    // reserved before it is read.
    IConnection &transaction = m_store->m_cnn();
    if (!m_store->BeginWriting(QStringLiteral("kvsystem..ua_task"))) {
        sMsg = m_store->LastError();
        return Outcome::Failed;
    }
    std::optional<LockHolder> found;
    const bool checked = touchSession(sMsg) && findHolder(function, task, found, sMsg)
        && (found || insertLock(function, task, sMsg));
    if (!checked || !transaction.CommitTrans()) {
        if (checked)
            sMsg = m_store->LastError();
        transaction.RollbackTrans();
        return Outcome::Failed;
    }
    if (!found)
        return Outcome::Taken;
    holder = *found;
    return Outcome::Refused;
}

void FunctionLocks::release(const QString &function, LockTask task, QString &sMsg)
{
    QString reason;
    if (run(QStringLiteral("delete from kvsystem..ua_task where cSessionId = %1 and cFunction = %2"
                           " and iTaskId = %3")
                .arg(sqlUnicode(m_identity.sessionId), sqlUnicode(function))
                .arg(int(task)),
            reason)) {
        return;
    }
    sMsg = text(kStoreFail, { reason });
    ErrorLog::instance().error(kWhere, sMsg);
}

bool FunctionLocks::heartbeat(QString &sMsg)
{
    if (m_readOnly)
        return true;
    return run(QStringLiteral("update kvsystem..ua_tasksession set iHeartbeat = %1"
                              " where cSessionId = %2")
                   .arg(QDateTime::currentSecsSinceEpoch())
                   .arg(sqlUnicode(m_identity.sessionId)),
               sMsg);
}

// A session that ended, or that another one took for dead, has lost its rows; a take brings
// it back, without the tasks it held.
bool FunctionLocks::touchSession(QString &sMsg)
{
    if (!heartbeat(sMsg))
        return false;
    if (m_store->LastRowsChanged() > 0)
        return true;
    if (m_registered)
        ErrorLog::instance().warning(
            kWhere,
            QStringLiteral("The lock session %1 was taken for dead by another session and has "
                           "lost the tasks it held.")
                .arg(m_identity.sessionId));
    return registerSession(sMsg);
}

bool FunctionLocks::registerSession(QString &sMsg)
{
    const Identity &me = m_identity;
    m_registered =
        run(QStringLiteral("insert into kvsystem..ua_tasksession (cSessionId, cAcc_Id, iYear,"
                           " cUser_Id, cUser_Name, cStation, cMachineId, iProcessId, cProcessMark,"
                           " dStart, iHeartbeat) values (%1, %2, %3, %4, %5, %6, %7, %8, %9, %10,"
                           " %11)")
                .arg(sqlUnicode(me.sessionId), sqlUnicode(me.accountId))
                .arg(me.year)
                .arg(sqlUnicode(me.userId), sqlUnicode(me.userName), sqlUnicode(me.machine),
                     sqlUnicode(me.machineId))
                .arg(me.processId)
                .arg(sqlUnicode(me.startMark), dateTimeLiteral(me.started))
                .arg(QDateTime::currentSecsSinceEpoch()),
            sMsg);
    return m_registered;
}

bool FunctionLocks::isAlive(const SessionRow &session) const
{
    const bool sameMachine = session.machine.compare(m_identity.machine, Qt::CaseInsensitive) == 0
        && session.machineId == m_identity.machineId;
    if (sameMachine)
        return isProcessRunning(session.processId, session.startMark);
    return QDateTime::currentSecsSinceEpoch() - session.heartbeat <= kLeaseSeconds;
}

// The first live session of another one that holds a task in conflict with the wanted one;
// the dead sessions met on the way are removed.
bool FunctionLocks::findHolder(const QString &function, LockTask task,
                               std::optional<LockHolder> &holder, QString &sMsg)
{
    RecordSet rows;
    if (!read(QStringLiteral("select l.iTaskId, l.dTime, %1 from kvsystem..ua_task l"
                             " join kvsystem..ua_tasksession s on s.cSessionId = l.cSessionId"
                             " where %2 and l.cFunction = %3 and l.cSessionId <> %4"
                             " order by l.dTime, l.AutoID")
                  .arg(kSessionColumns, accountCondition(QStringLiteral("l.")),
                       sqlUnicode(function), sqlUnicode(m_identity.sessionId)),
              rows, sMsg)) {
        return false;
    }
    QStringList dead;
    for (int row = 0; row < rows.RecordCount(); ++row) {
        const SessionRow session = SessionRow::read(rows, row);
        if (dead.contains(session.sessionId))
            continue;
        if (!isAlive(session)) {
            dead.append(session.sessionId);
            continue;
        }
        const std::optional<LockTask> held = lockTaskOf(cell(rows, row, "iTaskId").toInt());
        if (!holder && held && tasksConflict(task, *held)) {
            holder = LockHolder{ session.sessionId,
                                 session.userId,
                                 session.userName,
                                 session.machine,
                                 session.processId,
                                 int(*held),
                                 cell(rows, row, "dTime").toDateTime() };
        }
    }
    return forgetSessions(dead, sMsg);
}

bool FunctionLocks::insertLock(const QString &function, LockTask task, QString &sMsg)
{
    const QString session = sqlUnicode(m_identity.sessionId);
    const QString functionText = sqlUnicode(function);
    return run(QStringLiteral("insert into kvsystem..ua_task (cAcc_Id, iYear, cFunction, iTaskId,"
                              " cUser_Id, cStation, dTime, cSessionId)"
                              " select %1, %2, %3, %4, %5, %6, getdate(), %7"
                              " where not exists (select 1 from kvsystem..ua_task"
                              " where cSessionId = %7 and cFunction = %3 and iTaskId = %4)")
                   .arg(sqlUnicode(m_identity.accountId))
                   .arg(m_identity.year)
                   .arg(functionText)
                   .arg(int(task))
                   .arg(sqlUnicode(m_identity.userId), sqlUnicode(m_identity.machine), session),
               sMsg);
}

bool FunctionLocks::removeDeadSessions(QString &sMsg)
{
    RecordSet rows;
    if (!read(QStringLiteral("select %1 from kvsystem..ua_tasksession s where %2")
                  .arg(kSessionColumns, accountCondition(QStringLiteral("s."))),
              rows, sMsg)) {
        return false;
    }
    QStringList dead;
    for (int row = 0; row < rows.RecordCount(); ++row) {
        const SessionRow session = SessionRow::read(rows, row);
        if (!isAlive(session))
            dead.append(session.sessionId);
    }
    return forgetSessions(dead, sMsg);
}

bool FunctionLocks::forgetSessions(const QStringList &sessionIds, QString &sMsg)
{
    if (sessionIds.isEmpty())
        return true;
    QStringList literals;
    for (const QString &id : sessionIds)
        literals.append(sqlUnicode(id));
    const QString list = literals.join(QStringLiteral(", "));
    return run(QStringLiteral("delete from kvsystem..ua_task where cSessionId in (%1)\n"
                              "delete from kvsystem..ua_tasksession where cSessionId in (%1)")
                   .arg(list),
               sMsg);
}

void FunctionLocks::endSession()
{
    // A session that never got its row, or ended already, has nothing to give back.
    if (!m_registered)
        return;
    QString sMsg;
    if (!forgetSessions({ m_identity.sessionId }, sMsg))
        ErrorLog::instance().error(kWhere, text(kStoreFail, { sMsg }));
    m_registered = false;
}

} // namespace suite
