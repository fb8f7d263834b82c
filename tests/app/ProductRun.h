#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// What a run of the product printed and how it ended; exitCode -1 when it did not end.
struct CommandRun
{
    int exitCode = -1;
    QStringList lines; // standard output, line by line
    QString err;
};

// Runs the product as a user at the shell would, to its end (two minutes at most).
inline CommandRun runProduct(
    const QStringList &arguments, const QString &program = QStringLiteral(CUSTOMER_ARCHIVE_PATH),
    const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    CommandRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitCode();
    run.lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
    run.lines.removeLast();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}
