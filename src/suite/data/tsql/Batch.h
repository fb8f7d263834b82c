#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace suite::tsql {

// One step of a translated T-SQL text. Plain statements become one Statement step each; the
// procedural parts of a batch (declare, set, select @v = ..., if ... else, begin ... end,
// procedure calls) become steps that the BatchRunner interprets, because an embedded backend
// has no procedural language of its own.
// @@ROWCOUNT as a parameter of a step: the runner binds the rows the step before touched. No
// declared variable has this name, since a variable's name never starts with '@' once its own
// '@' is taken off.
inline const QString kRowCountParameter = QStringLiteral("@rowcount");

struct Step
{
    enum class Kind {
        Statement, // sql: a statement in the backend's dialect
        Declare, // variables: the declared names
        Assign, // variables[0] = value of the expression sql ("select <expr>" form)
        SelectAssign, // sql is a select whose columns, in order, go to variables (last row wins)
        If, // sql is a select giving one row with one true/false column
        Call, // procedure with arguments (T-SQL literal texts or @variables)
    };

    Kind kind = Kind::Statement;
    QString sql;
    // Variable names without '@', lower-cased (T-SQL variables ignore case).
    QStringList variables;
    // Variables the sql refers to, each once: the n-th is bound to placeholder number n (?n in
    // SQLite), however often the sql uses it. kRowCountParameter stands for @@ROWCOUNT.
    QStringList parameters;
    // Whether the statement returns rows (a select), so the runner reads them.
    bool returnsRows = false;
    QString procedure;
    QStringList arguments;
    std::vector<Step> thenSteps;
    std::vector<Step> elseSteps;
};

struct Batch
{
    std::vector<Step> steps;
};

} // namespace suite::tsql
