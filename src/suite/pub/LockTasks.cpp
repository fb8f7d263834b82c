#include "suite/pub/LockTasks.h"

#include <QList>

namespace suite {

namespace {

QList<LockTask> conflictsOf(LockTask task)
{
    switch (task) {
    case LockTask::Merge:
        return { LockTask::List,        LockTask::Modify, LockTask::Merge,
                 LockTask::BatchModify, LockTask::Delete, LockTask::Add };
    case LockTask::BatchModify:
        return { LockTask::Merge, LockTask::BatchModify, LockTask::Delete, LockTask::Add,
                 LockTask::Modify };
    case LockTask::Delete:
    case LockTask::Add:
    case LockTask::Modify:
        return { LockTask::Merge, LockTask::BatchModify };
    case LockTask::List:
        return { LockTask::Merge };
    }
    return {};
}

} // namespace

std::optional<LockTask> lockTaskOf(int code)
{
    switch (code < 0 ? -code : code) {
    case int(LockTask::List):
        return LockTask::List;
    case int(LockTask::Modify):
        return LockTask::Modify;
    case int(LockTask::Merge):
        return LockTask::Merge;
    case int(LockTask::BatchModify):
        return LockTask::BatchModify;
    case int(LockTask::Delete):
        return LockTask::Delete;
    case int(LockTask::Add):
        return LockTask::Add;
    default:
        return std::nullopt;
    }
}

bool tasksConflict(LockTask first, LockTask second)
{
    return conflictsOf(first).contains(second);
}

QString lockTaskNameKey(LockTask task)
{
    switch (task) {
    case LockTask::List:
        return QStringLiteral("Tarn.AA.PUB.LOCK.task1");
    case LockTask::Modify:
        return QStringLiteral("Tarn.AA.PUB.LOCK.task2");
    case LockTask::Merge:
        return QStringLiteral("Tarn.AA.PUB.LOCK.task3");
    case LockTask::BatchModify:
        return QStringLiteral("Tarn.AA.PUB.LOCK.task7");
    case LockTask::Delete:
        return QStringLiteral("Tarn.AA.PUB.LOCK.task8");
    case LockTask::Add:
        return QStringLiteral("Tarn.AA.PUB.LOCK.task11");
    }
    return QString();
}

} // namespace suite
