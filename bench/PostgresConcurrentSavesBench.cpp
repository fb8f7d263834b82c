#include "demo/ServerDemoCompany.h"
#include "suite/data/ConnectionText.h"
#include "suite/data/PostgresConnection.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSet>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

// Eight clients saving new customers of one class into one PostgreSQL company at the same
// time for 30 seconds, each a process of its own with its own connections, as the staff of a
// company save from their desks: the saves per second of all of them together, the saves that
// lost their code to another client's save (and were saved again under the next code), and
// whether any save was lost or any code handed out twice. Runs against the server
// CUSTOMER_ARCHIVE_PG names (scripts/with-postgres.sh), on a company of its own made anew.

namespace {

constexpr int kClients = 8;
constexpr int kMilliseconds = 30'000;

QString companyText()
{
    const QString server = qEnvironmentVariable("CUSTOMER_ARCHIVE_PG");
    return server.isEmpty()
        ? QString()
        : server + QStringLiteral(";Initial Catalog=KVDATA_002_2026;System Schema=kvsystem_saves");
}

bool makeCompany(const QString &text, QString &sMsg)
{
    const std::optional<suite::ConnectionText> parsed = suite::ConnectionText::parse(text, sMsg);
    demo::DemoSettings settings;
    settings.customers = 0;
    settings.overwrite = true;
    settings.plugIns = false;
    if (!parsed || !demo::ServerDemoCompany::create(*parsed, settings, {}, sMsg))
        return false;
    // Eight digits of serial, so that the clients do not run out of codes of their class.
    suite::PostgresConnection connection;
    return connection.open(parsed->postgresConnectionString(), {}, sMsg)
        && connection.execute(QStringLiteral("update kvdata_002_2026.vouchernumber set "
                                             "iseriallength = 8 where cobject = 'Customer'"),
                              sMsg);
}

qint64 storedCodes(const QString &text)
{
    QString sMsg;
    const std::optional<suite::ConnectionText> parsed = suite::ConnectionText::parse(text, sMsg);
    suite::PostgresConnection connection;
    if (!parsed || !connection.open(parsed->postgresConnectionString(), {}, sMsg))
        return -1;
    const suite::RecordSet count = connection.queryStatement(
        QStringLiteral("select count(*) from kvdata_002_2026.customer where ccuscode like "
                       "'0101%'"),
        {}, sMsg);
    return count.IsOpen() ? count.valueAt(0, 0).toLongLong() : -1;
}

struct Outcome
{
    QStringList codes;
    qint64 lost = 0;
    QStringList errors;
};

// Takes the lines a client has written; false once it has finished (done or failed).
bool takeAnswers(QProcess &client, Outcome &outcome)
{
    while (client.canReadLine()) {
        const QString line = QString::fromUtf8(client.readLine()).trimmed();
        if (line.startsWith(QStringLiteral("code ")))
            outcome.codes.append(line.mid(5));
        else if (line.startsWith(QStringLiteral("lost ")))
            ++outcome.lost;
        else if (line == u"done")
            return false;
        else {
            outcome.errors.append(line);
            return false;
        }
    }
    return true;
}

// Reads every client's answers as they come, so that none waits on a full pipe.
void readAnswers(std::array<std::unique_ptr<QProcess>, kClients> &clients, Outcome &outcome)
{
    std::array<bool, kClients> running;
    running.fill(true);
    QElapsedTimer clock;
    clock.start();
    while (std::find(running.cbegin(), running.cend(), true) != running.cend()) {
        if (clock.elapsed() > 3 * kMilliseconds) {
            outcome.errors.append(QStringLiteral("a client stopped answering"));
            return;
        }
        for (int i = 0; i < kClients; ++i) {
            if (running[i]) {
                clients[i]->waitForReadyRead(5);
                running[i] = takeAnswers(*clients[i], outcome);
            }
        }
    }
}

void BM_PostgresConcurrentSaves(benchmark::State &state)
{
    const QString text = companyText();
    if (text.isEmpty()) {
        state.SkipWithError("no PostgreSQL server: run through scripts/with-postgres.sh");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        QString sMsg;
        if (!makeCompany(text, sMsg)) {
            state.SkipWithError(qPrintable(sMsg));
            return;
        }
        std::array<std::unique_ptr<QProcess>, kClients> clients;
        for (auto &client : clients) {
            client = std::make_unique<QProcess>();
            client->start(QStringLiteral(SECOND_PROCESS_PATH),
                          { text, QStringLiteral("demo"), QStringLiteral("Admin") });
            if (!client->waitForStarted() || !client->waitForReadyRead(kMilliseconds)
                || !client->readLine().startsWith("ready")) {
                state.SkipWithError("a client did not start");
                return;
            }
        }
        state.ResumeTiming();
        QElapsedTimer clock;
        clock.start();
        for (auto &client : clients)
            client->write(QStringLiteral("number-for %1 0101\n").arg(kMilliseconds).toUtf8());
        Outcome outcome;
        readAnswers(clients, outcome);
        const double seconds = clock.elapsed() / 1000.0;
        state.PauseTiming();
        for (auto &client : clients) {
            client->closeWriteChannel();
            client->waitForFinished();
        }
        const qint64 distinct = QSet<QString>(outcome.codes.cbegin(), outcome.codes.cend()).size();
        const qint64 stored = storedCodes(text);
        state.counters["saves"] = double(outcome.codes.size());
        state.counters["saves_per_s"] = outcome.codes.size() / seconds;
        state.counters["lost_races"] = double(outcome.lost);
        state.counters["codes_twice"] = double(outcome.codes.size() - distinct);
        state.counters["saves_missing"] = double(outcome.codes.size() - stored);
        if (!outcome.errors.isEmpty())
            std::fprintf(stderr, "client failures: %s\n", qPrintable(outcome.errors.join(u'\n')));
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_PostgresConcurrentSaves)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
