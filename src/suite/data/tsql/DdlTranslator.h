#pragma once

#include "suite/data/tsql/Batch.h"
#include "suite/data/tsql/SqlWriter.h"

#include <vector>

namespace suite::tsql {

// CREATE TABLE / INDEX / VIEW, DROP, TRUNCATE TABLE and ALTER TABLE ADD in SQL Server's form
// (bracketed names, [nvarchar](500), IDENTITY(1,1), DEFAULT getdate(), CLUSTERED keys, ON
// [PRIMARY]) in the backend's dialect, so that the company schema is written once in T-SQL.
class DdlTranslator
{
public:
    explicit DdlTranslator(const TranslationContext &context);

    bool translate(int begin, int end, std::vector<Step> &steps, QString &sMsg);

private:
    bool createTable(int at, int end, std::vector<Step> &steps);
    bool createIndex(bool unique, int at, int end, std::vector<Step> &steps);
    bool createView(int at, int end, std::vector<Step> &steps);
    bool drop(int at, int end, std::vector<Step> &steps);
    bool truncate(int at, int end, std::vector<Step> &steps);
    bool alter(int at, int end, std::vector<Step> &steps);

    bool readColumn(int begin, int end, ColumnDefinition &column);
    int readColumnConstraint(int at, int end, ColumnDefinition &column);
    int readDefault(int at, int end, ColumnDefinition &column);
    QString tableConstraint(int begin, int end);
    int constraintEnd(int at, int end) const;
    bool onlyStorageOptions(int at, int end);
    void addStatement(const QString &sql, std::vector<Step> &steps) const;

    const TranslationContext &m_context;
    const TokenList &m_tokens;
    SqlWriter m_writer;
};

} // namespace suite::tsql
