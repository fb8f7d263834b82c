#pragma once

#include "suite/data/RecordSet.h"
#include "suite/data/SqlConnection.h"
#include "suite/data/tsql/Batch.h"

#include <QHash>
#include <QVariant>

#include <functional>

namespace suite::tsql {

// Runs a translated batch on a connection: statements with the batch's variables bound as
// parameters, and the procedural steps interpreted here.
class BatchRunner
{
public:
    // A stored procedure of the company database, implemented in C++ over the connection.
    using Procedure = std::function<bool(SqlConnection &connection, const QVariantList &arguments,
                                         RecordSet &result, QString &sMsg)>;

    explicit BatchRunner(SqlConnection &connection);

    // Procedure names compare without regard to case.
    void registerProcedure(const QString &name, Procedure procedure);
    bool hasProcedure(const QString &name) const;

    struct Outcome
    {
        bool ok = false;
        QString message;
        // The rows of the last step that returned rows (closed when none did).
        RecordSet lastResult;
        // Rows inserted, updated or deleted by all statements together.
        qint64 rowsChanged = 0;
    };

    // Variables start empty for every run, as each T-SQL batch has its own; a declared variable
    // named in presets (lower case, without the @) starts with that value instead.
    Outcome run(const Batch &batch, const QVariantHash &presets = {});

private:
    SqlConnection &m_connection;
    QHash<QString, Procedure> m_procedures;
};

} // namespace suite::tsql
