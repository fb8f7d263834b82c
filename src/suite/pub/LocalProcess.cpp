#include "suite/pub/LocalProcess.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <sys/types.h>

namespace suite {

namespace {

QString readFirstLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readLine()).trimmed();
}

QString bootId()
{
    static const QString id = readFirstLine(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    return id;
}

// The fields of /proc/<pid>/stat after the command name, which may itself hold blanks and
// parentheses: the state comes first, the start time twentieth.
QStringList statusFields(qint64 processId)
{
    const QString line = readFirstLine(QStringLiteral("/proc/%1/stat").arg(processId));
    const qsizetype nameEnd = line.lastIndexOf(u')');
    if (nameEnd < 0)
        return {};
    return line.mid(nameEnd + 1).split(u' ', Qt::SkipEmptyParts);
}

constexpr int kStateField = 0;
constexpr int kStartTimeField = 19;

bool signalReaches(qint64 processId)
{
    return ::kill(pid_t(processId), 0) == 0 || errno == EPERM;
}

} // namespace

qint64 currentProcessId()
{
    return QCoreApplication::applicationPid();
}

QString processStartMark(qint64 processId)
{
    if (processId <= 0 || bootId().isEmpty())
        return QString();
    const QStringList fields = statusFields(processId);
    if (fields.size() <= kStartTimeField)
        return QString();
    const QString state = fields.at(kStateField);
    if (state == u"Z" || state == u"X")
        return QString();
    return bootId() + u':' + fields.at(kStartTimeField);
}

bool isProcessRunning(qint64 processId, const QString &startMark)
{
    if (processId <= 0)
        return false;
    if (startMark.isEmpty())
        return signalReaches(processId);
    return processStartMark(processId) == startMark;
}

QString machineName()
{
    return QSysInfo::machineHostName();
}

QString machineId()
{
    return QString::fromLatin1(QSysInfo::machineUniqueId());
}

} // namespace suite
