#include "suite/data/SqlTrace.h"

#include "suite/core/ErrorLog.h"

#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>

namespace suite {

namespace {

QMutex &traceMutex()
{
    static QMutex mutex;
    return mutex;
}

QString &hostFile()
{
    static QString path;
    return path;
}

QString header(const QString &member, const QString &text, qint64 elapsedNs, bool ok,
               const QString &message)
{
    const QDateTime start = QDateTime::currentDateTime().addMSecs(-elapsedNs / 1000000);
    const QString outcome =
        ok ? QStringLiteral("ok") : QStringLiteral("failed: ") + QString(message).simplified();
    return QStringLiteral("-- %1 %2 %3 lines %4 ms %5\n")
        .arg(start.toString(Qt::ISODateWithMs), member)
        .arg(text.count(u'\n') + 1)
        .arg(double(elapsedNs) / 1e6, 0, 'f', 3)
        .arg(outcome);
}

} // namespace

void SqlTrace::setFile(const QString &path)
{
    const QMutexLocker lock(&traceMutex());
    hostFile() = path;
}

bool SqlTrace::canWrite(const QString &path, QString &sMsg)
{
    QFile file(path);
    if (file.open(QIODevice::Append))
        return true;
    sMsg =
        QStringLiteral("the SQL trace cannot be written to '%1': %2").arg(path, file.errorString());
    return false;
}

QString SqlTrace::file()
{
    {
        const QMutexLocker lock(&traceMutex());
        if (!hostFile().isEmpty())
            return hostFile();
    }
    return qEnvironmentVariable(kEnvironmentVariable);
}

void SqlTrace::record(const QString &member, const QString &text, qint64 elapsedNs, bool ok,
                      const QString &message)
{
    const QString path = file();
    if (path.isEmpty())
        return;
    const QByteArray bytes =
        (header(member, text, elapsedNs, ok, message) + text + QStringLiteral("\n\n")).toUtf8();
    const QMutexLocker lock(&traceMutex());
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Append) || out.write(bytes) != bytes.size()) {
        static QString reportedPath;
        if (reportedPath != path) {
            reportedPath = path;
            ErrorLog::instance().warning(QStringLiteral("SqlTrace"),
                                         QStringLiteral("Cannot write the SQL trace to %1: %2")
                                             .arg(path, out.errorString()));
        }
    }
}

TracedCall::TracedCall(const char *member, const QString &text)
    : m_member(member)
    , m_text(text)
{
    m_timer.start();
}

void TracedCall::finish(bool ok, const QString &message)
{
    if (SqlTrace::file().isEmpty())
        return;
    SqlTrace::record(QLatin1String(m_member), m_text, m_timer.nsecsElapsed(), ok, message);
}

} // namespace suite
