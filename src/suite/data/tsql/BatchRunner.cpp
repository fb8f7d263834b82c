#include "suite/data/tsql/BatchRunner.h"

namespace suite::tsql {

namespace {

using Variables = QHash<QString, QVariant>;
using Procedures = QHash<QString, BatchRunner::Procedure>;

// T-SQL tests a condition by its truth; a null condition is not true.
bool isTrue(const QVariant &value)
{
    if (value.isNull())
        return false;
    bool numeric = false;
    const double number = value.toDouble(&numeric);
    return numeric ? number != 0 : value.toBool();
}

// A procedure argument as the batch wrote it: a text literal, a number, NULL or a variable.
QVariant argumentValue(const QString &text, const Variables &variables)
{
    if (text.startsWith(u'\''))
        return text.mid(1, text.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    if (text.startsWith(u'@'))
        return variables.value(text.mid(1));
    if (text.compare(QLatin1StringView("NULL"), Qt::CaseInsensitive) == 0)
        return QVariant();
    bool whole = false;
    const qlonglong integer = text.toLongLong(&whole);
    return whole ? QVariant(integer) : QVariant(text.toDouble());
}

class StepRunner
{
public:
    StepRunner(SqlConnection &connection, const Procedures &procedures, const Variables &presets,
               BatchRunner::Outcome &outcome)
        : m_connection(connection)
        , m_procedures(procedures)
        , m_presets(presets)
        , m_outcome(outcome)
    {
        setRowCount(0);
    }

    bool run(const std::vector<Step> &steps)
    {
        for (const Step &step : steps) {
            if (!runStep(step))
                return false;
        }
        return true;
    }

private:
    bool runStep(const Step &step)
    {
        switch (step.kind) {
        case Step::Kind::Statement:
            return step.returnsRows ? queryCounted(step, m_outcome.lastResult) : execute(step);
        case Step::Kind::Declare:
            for (const QString &variable : step.variables)
                m_variables.insert(variable, m_presets.value(variable));
            return true;
        case Step::Kind::Assign:
        case Step::Kind::SelectAssign:
            return assign(step);
        case Step::Kind::If: {
            RecordSet condition;
            if (!query(step, condition))
                return false;
            const bool holds = !condition.Eof() && isTrue(condition.Value(0));
            return run(holds ? step.thenSteps : step.elseSteps);
        }
        case Step::Kind::Call:
            return call(step);
        }
        return false;
    }

    QVariantList parameters(const Step &step) const
    {
        QVariantList values;
        values.reserve(step.parameters.size());
        for (const QString &name : step.parameters)
            values.append(m_variables.value(name));
        return values;
    }

    bool query(const Step &step, RecordSet &result)
    {
        QString sMsg;
        result = m_connection.queryStatement(step.sql, parameters(step), sMsg);
        return result.IsOpen() || fail(sMsg, step.sql);
    }

    // A select counts the rows it gave for @@ROWCOUNT, an IF's condition leaves it alone.
    bool queryCounted(const Step &step, RecordSet &result)
    {
        if (!query(step, result))
            return false;
        setRowCount(result.RecordCount());
        return true;
    }

    bool execute(const Step &step)
    {
        QString sMsg;
        qint64 changed = 0;
        if (!m_connection.executeStatement(step.sql, parameters(step), sMsg, &changed))
            return fail(sMsg, step.sql);
        m_outcome.rowsChanged += changed;
        setRowCount(changed);
        return true;
    }

    void setRowCount(qint64 rows) { m_variables.insert(kRowCountParameter, rows); }

    // SET takes the value of its expression, even a null one; SELECT @v = ... keeps the last
    // row's values and leaves the variables alone when no row comes back.
    bool assign(const Step &step)
    {
        RecordSet rows;
        if (!queryCounted(step, rows))
            return false;
        if (step.kind == Step::Kind::Assign) {
            m_variables.insert(step.variables.value(0), rows.Eof() ? QVariant() : rows.Value(0));
            return true;
        }
        for (; !rows.Eof(); rows.MoveNext()) {
            for (int column = 0; column < step.variables.size(); ++column)
                m_variables.insert(step.variables[column], rows.Value(column));
        }
        return true;
    }

    bool call(const Step &step)
    {
        const auto procedure = m_procedures.constFind(step.procedure.toLower());
        if (procedure == m_procedures.constEnd()) {
            m_outcome.message =
                QStringLiteral("The procedure %1 does not exist.").arg(step.procedure);
            return false;
        }
        QVariantList arguments;
        for (const QString &argument : step.arguments)
            arguments.append(argumentValue(
                argument.toLower().startsWith(u'@') ? argument.toLower() : argument, m_variables));
        RecordSet result;
        QString sMsg;
        if (!(*procedure)(m_connection, arguments, result, sMsg)) {
            m_outcome.message =
                QStringLiteral("The procedure %1 failed: %2").arg(step.procedure, sMsg);
            return false;
        }
        if (result.IsOpen())
            m_outcome.lastResult = result;
        return true;
    }

    bool fail(const QString &sMsg, const QString &sql)
    {
        m_outcome.message =
            sMsg.contains(sql) ? sMsg : QStringLiteral("%1 (statement: %2)").arg(sMsg, sql);
        return false;
    }

    SqlConnection &m_connection;
    const Procedures &m_procedures;
    const Variables &m_presets;
    BatchRunner::Outcome &m_outcome;
    Variables m_variables;
};

} // namespace

BatchRunner::BatchRunner(SqlConnection &connection)
    : m_connection(connection)
{ }

void BatchRunner::registerProcedure(const QString &name, Procedure procedure)
{
    m_procedures.insert(name.toLower(), std::move(procedure));
}

bool BatchRunner::hasProcedure(const QString &name) const
{
    return m_procedures.contains(name.toLower());
}

BatchRunner::Outcome BatchRunner::run(const Batch &batch, const QVariantHash &presets)
{
    Outcome outcome;
    outcome.ok = StepRunner(m_connection, m_procedures, presets, outcome).run(batch.steps);
    return outcome;
}

} // namespace suite::tsql
