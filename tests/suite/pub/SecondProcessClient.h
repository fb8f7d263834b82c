#pragma once

#include <QProcess>
#include <QStringList>

// Drives the helper program second_process: one command line in, its answer lines out. Every
// wait is bounded, so a helper that hangs fails the test instead of stopping it.
class SecondProcessClient
{
public:
    static constexpr int kWaitMs = 30'000;

    ~SecondProcessClient()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.closeWriteChannel();
            if (!m_process.waitForFinished(kWaitMs))
                m_process.kill();
            m_process.waitForFinished(kWaitMs);
        }
    }

    // Starts the helper as the user on the company; the first answer is "ready <session id>".
    QString start(const QString &connection, const QString &userId, const QString &userName)
    {
        m_process.start(QStringLiteral(SECOND_PROCESS_PATH), { connection, userId, userName });
        if (!m_process.waitForStarted(kWaitMs))
            return QStringLiteral("not started: ") + m_process.errorString();
        return readLine();
    }

    void send(const QString &command)
    {
        m_process.write((command + u'\n').toUtf8());
        m_process.waitForBytesWritten(kWaitMs);
    }

    QString ask(const QString &command)
    {
        send(command);
        return readLine();
    }

    // The next answer line; empty when none came in time.
    QString readLine()
    {
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(kWaitMs))
                return QString();
        }
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }

    // Answer lines up to and including one that starts with a last word ("done", "error").
    QStringList readUntil(const QStringList &lastWords)
    {
        QStringList lines;
        for (;;) {
            const QString line = readLine();
            lines.append(line);
            if (line.isEmpty())
                return lines;
            for (const QString &word : lastWords) {
                if (line.startsWith(word))
                    return lines;
            }
        }
    }

    qint64 processId() const { return m_process.processId(); }

    // Ends the helper at once, as a crash would, and waits until it is gone.
    bool killHard()
    {
        m_process.kill();
        return m_process.waitForFinished(kWaitMs);
    }

private:
    QProcess m_process;
};
