#pragma once

#include <QElapsedTimer>
#include <QString>

namespace suite {

// The trace of every text the data service receives, for finding out what the component sent
// and how long it took. It is on when the host named a file (--trace-sql FILE) or the
// environment variable CUSTOMER_ARCHIVE_SQL_TRACE does; the host's file wins.
//
// Each call appends one record:
//
//     -- 2026-12-06T10:30:00.123 OpenX 2 lines 1.204 ms ok
//     select cCusCode
//     from Customer
//     <blank line>
//
// The header gives the local time the call started, the member, the number of lines of the
// text, the duration and "ok" or "failed: " with the message on one line. The text follows
// exactly as received, split at its line feeds into that number of lines, so a reader takes
// those lines back, joined by line feeds, whatever blank lines or "--" the text holds. One
// blank line ends the record.
class SqlTrace
{
public:
    static constexpr const char *kEnvironmentVariable = "CUSTOMER_ARCHIVE_SQL_TRACE";

    // An empty path gives the choice back to the environment variable.
    static void setFile(const QString &path);
    // Whether records can be appended to path (it is created when missing); false with the
    // reason in sMsg, so that a trace asked for is never dropped silently.
    static bool canWrite(const QString &path, QString &sMsg);
    // The file records go to; empty when tracing is off.
    static QString file();

    static void record(const QString &member, const QString &text, qint64 elapsedNs, bool ok,
                       const QString &message);
};

// Times one call from its construction and writes its record when finished; costs nothing
// beyond a clock read when tracing is off.
class TracedCall
{
public:
    TracedCall(const char *member, const QString &text);
    void finish(bool ok, const QString &message = QString());

private:
    const char *m_member;
    QString m_text;
    QElapsedTimer m_timer;
};

} // namespace suite
