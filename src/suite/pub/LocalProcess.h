#pragma once

#include <QString>

namespace suite {

// What tells the processes of this machine apart, for deciding whether a session recorded by
// some process is still running. A process id alone is not enough: ids are used again after a
// process ends and after the machine restarts, so each process also gets a start mark, the
// boot it runs in and its start time since that boot.
qint64 currentProcessId();

// The start mark of the process with this id: "<boot id>:<start ticks>". Empty when no process
// of that id runs, when it has ended and only waits to be reaped, or when the system does not
// tell.
QString processStartMark(qint64 processId);

// Whether the process that recorded its id and start mark runs still. Without a recorded mark
// the id alone decides.
bool isProcessRunning(qint64 processId, const QString &startMark);

// The name of this machine as users know it, and an id that stays with the machine; two
// sessions are on one machine only when both agree.
QString machineName();
QString machineId();

} // namespace suite
