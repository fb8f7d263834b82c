#include "demo/SchemaScript.h"

#include "suite/data/SqlConnection.h"
#include "suite/data/tsql/BatchRunner.h"
#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include <QFile>

namespace demo {

bool SchemaScript::read(const QString &name, QString &text, QString &sMsg)
{
    QFile file(QStringLiteral(":/db/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        sMsg = QStringLiteral("the script %1 is not built into the program").arg(name);
        return false;
    }
    text = QString::fromUtf8(file.readAll());
    return true;
}

bool SchemaScript::run(suite::SqlConnection &connection, const QString &name, QString &sMsg)
{
    return run(connection, std::make_shared<suite::tsql::SqliteDialect>(), name, sMsg);
}

bool SchemaScript::run(suite::SqlConnection &connection,
                       std::shared_ptr<const suite::tsql::SqlDialect> dialect, const QString &name,
                       QString &sMsg)
{
    QString text;
    if (!read(name, text, sMsg))
        return false;
    suite::tsql::TsqlTranslator translator(std::move(dialect));
    QString reason;
    const std::shared_ptr<const suite::tsql::Batch> batch = translator.translate(text, reason);
    if (!batch) {
        sMsg = QStringLiteral("%1 cannot be translated: %2").arg(name, reason);
        return false;
    }
    if (!connection.beginTransaction(reason)) {
        sMsg = QStringLiteral("%1: %2").arg(name, reason);
        return false;
    }
    suite::tsql::BatchRunner runner(connection);
    const suite::tsql::BatchRunner::Outcome outcome = runner.run(*batch);
    if (!outcome.ok) {
        connection.rollbackTransaction(reason);
        sMsg = QStringLiteral("%1 failed: %2").arg(name, outcome.message);
        return false;
    }
    if (!connection.commitTransaction(reason)) {
        sMsg = QStringLiteral("%1: %2").arg(name, reason);
        return false;
    }
    return true;
}

} // namespace demo
