#pragma once

#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QString>

namespace suite {

// The process-wide log of warnings and errors that window procedures and services catch
// instead of throwing to their callers, and of the trace lines some work leaves for whoever
// looks into it later. The latest entries stay in memory so that the host and the tests can
// read them; a log file, when set, receives every entry as a line. Without a log file warnings
// and errors go to standard error, trace lines nowhere else.
class ErrorLog
{
public:
    enum class Level { Trace, Warning, Error };

    struct Entry
    {
        QDateTime time;
        Level level;
        QString where;
        QString text;
    };

    static ErrorLog &instance();

    void warning(const QString &where, const QString &text);
    void error(const QString &where, const QString &text);
    void trace(const QString &where, const QString &text);

    QList<Entry> entries() const;
    void clear();

    // Lines go to this file from now on; an empty path stops writing to a file.
    void setLogFile(const QString &path);
    QString logFile() const;

    static constexpr int kKeptEntries = 1000;
    // A logged text longer than this keeps its start and says how much was cut: a failing
    // 100 KB statement is recognised by its start.
    static constexpr int kMaxTextLength = 2000;
    // When the file reaches this size it becomes FILE.1 (replacing the older one) and a new
    // file starts, so the log never takes more than twice this.
    static constexpr qint64 kMaxFileBytes = 5 * 1024 * 1024;

private:
    void record(Level level, const QString &where, const QString &text);
    void appendToFile(const QString &line);

    mutable QMutex m_mutex;
    QList<Entry> m_entries;
    QString m_logFile;
};

} // namespace suite
