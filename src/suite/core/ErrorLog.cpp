#include "suite/core/ErrorLog.h"

#include <QFile>
#include <QMutexLocker>
#include <QTextStream>

#include <cstdio>

namespace suite {

ErrorLog &ErrorLog::instance()
{
    static ErrorLog log;
    return log;
}

void ErrorLog::warning(const QString &where, const QString &text)
{
    record(Level::Warning, where, text);
}

void ErrorLog::error(const QString &where, const QString &text)
{
    record(Level::Error, where, text);
}

QList<ErrorLog::Entry> ErrorLog::entries() const
{
    QMutexLocker lock(&m_mutex);
    return m_entries;
}

void ErrorLog::clear()
{
    QMutexLocker lock(&m_mutex);
    m_entries.clear();
}

void ErrorLog::setLogFile(const QString &path)
{
    QMutexLocker lock(&m_mutex);
    m_logFile = path;
}

QString ErrorLog::logFile() const
{
    QMutexLocker lock(&m_mutex);
    return m_logFile;
}

void ErrorLog::record(Level level, const QString &where, const QString &text)
{
    const Entry entry{ QDateTime::currentDateTime(), level, where, text };
    const QString line =
        QStringLiteral("%1 %2 %3: %4")
            .arg(entry.time.toString(Qt::ISODateWithMs),
                 level == Level::Error ? QStringLiteral("error") : QStringLiteral("warning"), where,
                 text);
    QMutexLocker lock(&m_mutex);
    m_entries.append(entry);
    if (m_entries.size() > kKeptEntries)
        m_entries.removeFirst();
    if (m_logFile.isEmpty()) {
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        return;
    }
    QFile file(m_logFile);
    if (file.open(QIODevice::Append | QIODevice::Text))
        QTextStream(&file) << line << '\n';
}

} // namespace suite
