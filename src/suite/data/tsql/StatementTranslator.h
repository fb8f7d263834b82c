#pragma once

#include "suite/data/tsql/Batch.h"
#include "suite/data/tsql/SqlWriter.h"

#include <vector>

namespace suite::tsql {

// Translates one complete T-SQL statement (no procedural parts) into backend statements:
// SELECT (with INTO), INSERT, UPDATE and DELETE with FROM ... JOIN rewritten for backends that
// cannot repeat the target in the FROM list, and the DDL statements.
class StatementTranslator
{
public:
    explicit StatementTranslator(const TranslationContext &context);

    // Appends the steps of tokens [begin, end); false with the reason in sMsg.
    bool translate(int begin, int end, std::vector<Step> &steps, QString &sMsg);
    // "select <expression>" for the If and Assign steps. A select with "@v = column" items
    // records those variables in the step (SelectAssign).
    bool translateExpression(int begin, int end, Step &step, QString &sMsg);
    bool translateAssignmentSelect(int begin, int end, Step &step, QString &sMsg);

private:
    enum class Join { First, Comma, Inner, Outer };

    struct FromItem
    {
        int begin = 0;
        int end = 0;
        NameChain table;
        QString reference;
        int alias = -1;
        Join join = Join::First;
        int onBegin = -1;
        int onEnd = -1;
    };

    bool translateSelect(SqlWriter &writer, int begin, int end, Step &step);
    bool translateInsert(SqlWriter &writer, int begin, int end, Step &step);
    bool translateUpdate(SqlWriter &writer, int begin, int end, Step &step);
    bool translateDelete(SqlWriter &writer, int begin, int end, Step &step);
    bool writeJoinedUpdate(SqlWriter &writer, const NameChain &target, const QString &assignments,
                           int setBegin, int setEnd, int from, int where, int end, Step &step);

    void skipAssignmentQualifiers(SqlWriter &writer, int begin, int end) const;
    std::vector<FromItem> readFromList(SqlWriter &writer, int begin, int end) const;
    int findTarget(SqlWriter &writer, const std::vector<FromItem> &items,
                   const NameChain &target) const;
    bool usesOtherItems(const std::vector<FromItem> &items, int target, int begin, int end) const;
    QString itemReference(SqlWriter &writer, const FromItem &item) const;
    int findAtTop(int begin, int end, Keyword keyword) const;
    int skipTableHint(SqlWriter &writer, int at, int end) const;

    const TranslationContext &m_context;
    const TokenList &m_tokens;
};

} // namespace suite::tsql
