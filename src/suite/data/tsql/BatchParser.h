#pragma once

#include "suite/data/tsql/Batch.h"
#include "suite/data/tsql/SqlWriter.h"
#include "suite/data/tsql/StatementTranslator.h"

#include <QHash>

namespace suite::tsql {

// Reads a T-SQL batch into steps. Statements need no semicolons: a statement ends where the
// next one starts, at a statement keyword outside parentheses, except the keywords that
// belong to it (the SET of an UPDATE, the SELECT of INSERT ... SELECT, of CREATE VIEW and
// after UNION, the ELSE and END of a CASE). A statement that starts with a plain name is a
// procedure call. Declared variables become parameters of the statements that use them.
class BatchParser
{
public:
    BatchParser(const TokenList &tokens, const SqlDialect &dialect,
                const TextColumnLookup &isTextColumn, const CoarseColumnLookup &isCoarseColumn);

    bool parse(Batch &batch, QString &sMsg);

private:
    bool parseStatements(int &at, std::vector<Step> &steps, bool inBlock);
    bool parseStatement(int &at, std::vector<Step> &steps);
    // IF and BEGIN nest by recursion; the depth is bounded so that no batch exhausts the stack.
    bool parseNested(int &at, std::vector<Step> &steps,
                     bool (BatchParser::*parse)(int &, std::vector<Step> &));
    bool parseBlock(int &at, std::vector<Step> &steps);
    bool parseIf(int &at, std::vector<Step> &steps);
    bool parseDeclare(int &at, std::vector<Step> &steps);
    bool parseSet(int &at, std::vector<Step> &steps);
    bool parseCall(int &at, std::vector<Step> &steps);
    bool parseSelect(int &at, std::vector<Step> &steps);
    bool readArgument(int &at, QStringList &arguments);

    int statementEnd(int begin, bool stopAtComma = false) const;
    bool followsObjectName(int begin, int at) const;
    bool isAssignmentSelect(int begin, int end) const;
    bool fail(const QString &reason);

    const TokenList &m_tokens;
    QHash<QString, SqlType> m_variables;
    TranslationContext m_context;
    StatementTranslator m_statements;
    QString m_error;
    int m_nesting = 0;
};

} // namespace suite::tsql
