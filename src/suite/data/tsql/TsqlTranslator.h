#pragma once

#include "suite/data/tsql/Batch.h"
#include "suite/data/tsql/SqlDialect.h"
#include "suite/data/tsql/SqlWriter.h"

#include <QCache>
#include <QString>

#include <memory>

namespace suite::tsql {

// Translates the SQL Server texts the component sends into a Batch in the backend's dialect.
// It works on tokens with their parenthesis depth, so each sub-query keeps its own TOP,
// and asks the dialect for every difference between SQL Server and the backend. Results are
// cached by text: the list sends the same page statement again and again.
class TsqlTranslator
{
public:
    explicit TsqlTranslator(std::shared_ptr<const SqlDialect> dialect, int cacheSize = 512);

    // The batch of a text, or null with the reason in sMsg when the text cannot be read.
    std::shared_ptr<const Batch> translate(const QString &tsql, QString &sMsg);

    const SqlDialect &dialect() const { return *m_dialect; }

    // Lets '+' between columns become concatenation when the columns hold text; without a
    // lookup only literals, text variables and text functions decide. Clears the cache.
    void setTextColumnLookup(TextColumnLookup lookup);
    // Lets a LIKE on a prefix of a coarse column tell the planner that it keeps many rows.
    // Clears the cache.
    void setCoarseColumnLookup(CoarseColumnLookup lookup);

private:
    std::shared_ptr<const SqlDialect> m_dialect;
    TextColumnLookup m_isTextColumn;
    CoarseColumnLookup m_isCoarseColumn;
    QCache<QString, std::shared_ptr<const Batch>> m_cache;
};

} // namespace suite::tsql
