#include "suite/core/ErrorLog.h"

#include <QFile>
#include <QFileInfo>
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

void ErrorLog::trace(const QString &where, const QString &text)
{
    record(Level::Trace, where, text);
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

namespace {

QString cappedText(const QString &text)
{
    if (text.size() <= ErrorLog::kMaxTextLength)
        return text;
    return text.left(ErrorLog::kMaxTextLength)
        + QStringLiteral("... (%1 more characters)").arg(text.size() - ErrorLog::kMaxTextLength);
}

QString levelName(ErrorLog::Level level)
{
    switch (level) {
    case ErrorLog::Level::Trace:
        return QStringLiteral("trace");
    case ErrorLog::Level::Warning:
        return QStringLiteral("warning");
    case ErrorLog::Level::Error:
        break;
    }
    return QStringLiteral("error");
}

} // namespace

void ErrorLog::record(Level level, const QString &where, const QString &text)
{
    const Entry entry{ QDateTime::currentDateTime(), level, where, cappedText(text) };
    const QString line =
        QStringLiteral("%1 %2 %3: %4")
            .arg(entry.time.toString(Qt::ISODateWithMs), levelName(level), where, entry.text);
    QMutexLocker lock(&m_mutex);
    m_entries.append(entry);
    if (m_entries.size() > kKeptEntries)
        m_entries.removeFirst();
    if (m_logFile.isEmpty()) {
        if (level == Level::Trace)
            return;
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
        return;
    }
    appendToFile(line);
}

void ErrorLog::appendToFile(const QString &line)
{
    if (QFileInfo(m_logFile).size() >= kMaxFileBytes) {
        const QString older = m_logFile + QStringLiteral(".1");
        QFile::remove(older);
        QFile::rename(m_logFile, older);
    }
    QFile file(m_logFile);
    if (file.open(QIODevice::Append | QIODevice::Text))
        QTextStream(&file) << line << '\n';
}

} // namespace suite
