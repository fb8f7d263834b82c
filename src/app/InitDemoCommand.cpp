#include "app/HostOptions.h"
#include "app/Subcommands.h"

#include "demo/DemoCompany.h"
#include "demo/ServerDemoCompany.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>

namespace host {

namespace {

struct InitDemoRequest
{
    QString dir;
    // A PostgreSQL server's connection text instead of a folder.
    std::optional<suite::ConnectionText> server;
    demo::DemoSettings settings;
    QString error;
};

// The demo company is account 001 of 2026 unless the text names another catalogue.
std::optional<suite::ConnectionText> serverOf(const QString &text, QString &error)
{
    QString completed = text;
    if (!text.contains(QStringLiteral("initial catalog"), Qt::CaseInsensitive))
        completed += QStringLiteral(";Initial Catalog=KVDATA_001_2026");
    QString sMsg;
    std::optional<suite::ConnectionText> server = suite::ConnectionText::parse(completed, sMsg);
    if (server && server->provider != suite::ConnectionText::Provider::Postgres) {
        sMsg = QStringLiteral("it makes a company on a PostgreSQL server only; use --dir for an "
                              "SQLite company");
        server.reset();
    }
    if (!server)
        error = QStringLiteral("--db: ") + sMsg;
    return server;
}

InitDemoRequest parseRequest(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption dir(QStringLiteral("dir"),
                                 QStringLiteral("Folder of the demo company's databases."),
                                 QStringLiteral("dir"));
    const QCommandLineOption customers(QStringLiteral("customers"),
                                       QStringLiteral("Number of customers to generate."),
                                       QStringLiteral("n"));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Replace an existing demo company."));
    const QCommandLineOption noPlugIns(
        QStringLiteral("no-plugins"),
        QStringLiteral("Configure no archive plug-ins (the card goes without credit review)."));
    const QCommandLineOption db(
        QStringLiteral("db"),
        QStringLiteral("Connection text of a PostgreSQL server to make the company on "
                       "(Provider=PostgreSQL;Host=H;Port=P;Database=D;User ID=U;Password=W)."),
        QStringLiteral("text"));
    parser.addOptions({ dir, customers, force, noPlugIns, db });

    InitDemoRequest request;
    // The parser expects the program name first; the sub-command's arguments follow it.
    if (!parser.parse(QStringList{ QStringLiteral("init-demo") } + arguments)) {
        request.error = parser.errorText();
        return request;
    }
    if (!parser.positionalArguments().isEmpty()) {
        request.error =
            QStringLiteral("unknown argument %1").arg(parser.positionalArguments().first());
        return request;
    }
    if (parser.isSet(db) && parser.isSet(dir)) {
        request.error = QStringLiteral("--db and --dir name two places; give one");
        return request;
    }
    if (parser.isSet(db)) {
        request.server = serverOf(parser.value(db), request.error);
        if (!request.server)
            return request;
    }
    request.dir =
        parser.isSet(dir) ? parser.value(dir) : QFileInfo(defaultDemoDatabasePath()).absolutePath();
    if (parser.isSet(customers)) {
        bool numeric = false;
        request.settings.customers = parser.value(customers).toInt(&numeric);
        if (!numeric || request.settings.customers < 0
            || request.settings.customers > demo::DemoSettings::kMaxCustomers)
            request.error = QStringLiteral("--customers takes a number from 0 to %1, not %2")
                                .arg(demo::DemoSettings::kMaxCustomers)
                                .arg(parser.value(customers));
    }
    request.settings.overwrite = parser.isSet(force);
    request.settings.plugIns = !parser.isSet(noPlugIns);
    return request;
}

// One line per step, and for the customers one line per tenth, so that a long run shows it is
// alive without flooding a log.
demo::Progress progressPrinter()
{
    return [lastTenth = -1](const QString &step, qint64 done, qint64 total) mutable {
        if (total <= 0) {
            printLine(stderr, QStringLiteral("init-demo: %1").arg(step));
            return;
        }
        const int tenth = int(done * 10 / total);
        if (tenth == lastTenth)
            return;
        lastTenth = tenth;
        printLine(stderr, QStringLiteral("init-demo: %1 %2/%3").arg(step).arg(done).arg(total));
    };
}

int initOnServer(const InitDemoRequest &request)
{
    QElapsedTimer timer;
    timer.start();
    QString sMsg;
    if (!demo::ServerDemoCompany::create(*request.server, request.settings, progressPrinter(),
                                         sMsg)) {
        printLine(stderr, QStringLiteral("customer-archive init-demo: ") + sMsg);
        return 1;
    }
    printLine(stderr,
              QStringLiteral("init-demo: %1 customers in %2 s")
                  .arg(request.settings.customers)
                  .arg(double(timer.elapsed()) / 1000.0, 0, 'f', 1));
    printLine(stdout, request.server->catalogue);
    return 0;
}

} // namespace

int runInitDemo(const QStringList &arguments)
{
    const InitDemoRequest request = parseRequest(arguments);
    if (!request.error.isEmpty()) {
        printLine(stderr, QStringLiteral("customer-archive init-demo: ") + request.error);
        printLine(stderr,
                  QStringLiteral("usage: customer-archive init-demo [--dir DIR | --db TEXT] "
                                 "[--customers N] [--force] [--no-plugins]"));
        return 2;
    }
    if (request.server)
        return initOnServer(request);
    const QString company = demo::DemoCompany::paths(request.dir).first();
    if (!request.settings.overwrite && QFileInfo::exists(company)) {
        printLine(stderr,
                  QStringLiteral("customer-archive init-demo: the company database %1 "
                                 "already exists; use --force to replace it")
                      .arg(QDir::toNativeSeparators(company)));
        return 1;
    }
    QElapsedTimer timer;
    timer.start();
    QString sMsg;
    if (!demo::DemoCompany::create(request.dir, request.settings, progressPrinter(), sMsg)) {
        printLine(stderr, QStringLiteral("customer-archive init-demo: ") + sMsg);
        return 1;
    }
    printLine(stderr,
              QStringLiteral("init-demo: %1 customers in %2 s")
                  .arg(request.settings.customers)
                  .arg(double(timer.elapsed()) / 1000.0, 0, 'f', 1));
    for (const QString &path : demo::DemoCompany::paths(request.dir))
        printLine(stdout, QDir::toNativeSeparators(path));
    return 0;
}

} // namespace host
