#include "suite/data/tsql/BatchParser.h"

namespace suite::tsql {

namespace {

bool startsStatement(Keyword keyword)
{
    switch (keyword) {
    case Keyword::Select:
    case Keyword::Insert:
    case Keyword::Update:
    case Keyword::Delete:
    case Keyword::Declare:
    case Keyword::Set:
    case Keyword::If:
    case Keyword::Else:
    case Keyword::Begin:
    case Keyword::End:
    case Keyword::Create:
    case Keyword::Drop:
    case Keyword::Truncate:
    case Keyword::Exec:
    case Keyword::Execute:
    case Keyword::Alter:
    case Keyword::Go:
    case Keyword::While:
    case Keyword::Return:
    case Keyword::Print:
    case Keyword::Commit:
    case Keyword::Rollback:
        return true;
    default:
        return false;
    }
}

// SET options of a script's header; they mean nothing to the backend.
bool isSessionOption(QStringView word)
{
    static const QLatin1StringView options[] = {
        QLatin1StringView("nocount"),
        QLatin1StringView("ansi_nulls"),
        QLatin1StringView("quoted_identifier"),
        QLatin1StringView("ansi_padding"),
        QLatin1StringView("ansi_warnings"),
        QLatin1StringView("arithabort"),
        QLatin1StringView("concat_null_yields_null"),
        QLatin1StringView("xact_abort"),
        QLatin1StringView("numeric_roundabort"),
        QLatin1StringView("dateformat"),
        QLatin1StringView("language"),
        QLatin1StringView("lock_timeout"),
        QLatin1StringView("deadlock_priority"),
        QLatin1StringView("transaction"),
    };
    for (QLatin1StringView option : options) {
        if (equalsNoCase(word, option))
            return true;
    }
    return false;
}

} // namespace

BatchParser::BatchParser(const TokenList &tokens, const SqlDialect &dialect,
                         const TextColumnLookup &isTextColumn,
                         const CoarseColumnLookup &isCoarseColumn)
    : m_tokens(tokens)
    , m_context{ tokens, dialect, isTextColumn, isCoarseColumn, m_variables }
    , m_statements(m_context)
{ }

bool BatchParser::parse(Batch &batch, QString &sMsg)
{
    int at = 0;
    if (!parseStatements(at, batch.steps, false)) {
        sMsg = m_error;
        return false;
    }
    return true;
}

bool BatchParser::fail(const QString &reason)
{
    if (m_error.isEmpty())
        m_error = reason;
    return false;
}

bool BatchParser::parseStatements(int &at, std::vector<Step> &steps, bool inBlock)
{
    while (at < m_tokens.size()) {
        if (inBlock && m_tokens[at].keyword == Keyword::End)
            return true;
        if (!parseStatement(at, steps))
            return false;
    }
    return !inBlock || fail(QStringLiteral("BEGIN without END"));
}

bool BatchParser::parseStatement(int &at, std::vector<Step> &steps)
{
    const Token &token = m_tokens[at];
    if (token.type == TokenType::Semicolon) {
        ++at;
        return true;
    }
    switch (token.keyword) {
    case Keyword::Go:
        ++at;
        return true;
    case Keyword::Begin:
        return parseNested(at, steps, &BatchParser::parseBlock);
    case Keyword::End:
        return fail(QStringLiteral("END without BEGIN"));
    case Keyword::Else:
        return fail(QStringLiteral("ELSE without IF"));
    case Keyword::If:
        return parseNested(at, steps, &BatchParser::parseIf);
    case Keyword::Declare:
        return parseDeclare(at, steps);
    case Keyword::Set:
        return parseSet(at, steps);
    case Keyword::Exec:
    case Keyword::Execute:
        ++at;
        return parseCall(at, steps);
    case Keyword::Select:
        return parseSelect(at, steps);
    case Keyword::Insert:
    case Keyword::Update:
    case Keyword::Delete:
    case Keyword::Create:
    case Keyword::Drop:
    case Keyword::Truncate:
    case Keyword::Alter: {
        const int end = statementEnd(at);
        QString reason;
        if (!m_statements.translate(at, end, steps, reason))
            return fail(reason);
        at = end;
        return true;
    }
    case Keyword::None:
        if (token.type == TokenType::Word || token.type == TokenType::QuotedName)
            return parseCall(at, steps);
        break;
    default:
        break;
    }
    if (startsStatement(token.keyword))
        return fail(QStringLiteral("%1 is not supported in a batch")
                        .arg(m_tokens.text(token).toString().toUpper()));
    return fail(
        QStringLiteral("a statement cannot start with '%1'").arg(m_tokens.text(token).toString()));
}

bool BatchParser::parseNested(int &at, std::vector<Step> &steps,
                              bool (BatchParser::*parse)(int &, std::vector<Step> &))
{
    if (m_nesting >= kMaxNestingDepth)
        return fail(QStringLiteral("IF and BEGIN are nested more than %1 deep at character %2")
                        .arg(kMaxNestingDepth)
                        .arg(m_tokens[at].start + 1));
    ++m_nesting;
    const bool parsed = (this->*parse)(at, steps);
    --m_nesting;
    return parsed;
}

// BEGIN ... END only groups statements; T-SQL gives a block no scope of its own.
bool BatchParser::parseBlock(int &at, std::vector<Step> &steps)
{
    if (at + 1 < m_tokens.size() && m_tokens[at + 1].type == TokenType::Word
        && m_tokens[at + 1].keyword == Keyword::None) {
        return fail(QStringLiteral("BEGIN %1 is not supported in a batch; the connection keeps "
                                   "the transaction")
                        .arg(m_tokens.text(at + 1).toString().toUpper()));
    }
    ++at;
    if (!parseStatements(at, steps, true))
        return false;
    ++at;
    return true;
}

bool BatchParser::parseIf(int &at, std::vector<Step> &steps)
{
    const int conditionBegin = at + 1;
    const int conditionEnd = statementEnd(at);
    if (conditionEnd == conditionBegin)
        return fail(QStringLiteral("IF without a condition"));
    Step step;
    step.kind = Step::Kind::If;
    QString reason;
    if (!m_statements.translateExpression(conditionBegin, conditionEnd, step, reason))
        return fail(reason);
    at = conditionEnd;
    while (at < m_tokens.size() && m_tokens[at].type == TokenType::Semicolon)
        ++at;
    if (at >= m_tokens.size() || m_tokens[at].keyword == Keyword::Else)
        return fail(QStringLiteral("IF without a statement"));
    if (!parseStatement(at, step.thenSteps))
        return false;
    if (at < m_tokens.size() && m_tokens[at].keyword == Keyword::Else) {
        ++at;
        if (at >= m_tokens.size())
            return fail(QStringLiteral("ELSE without a statement"));
        if (!parseStatement(at, step.elseSteps))
            return false;
    }
    steps.push_back(std::move(step));
    return true;
}

bool BatchParser::parseDeclare(int &at, std::vector<Step> &steps)
{
    Step declare;
    declare.kind = Step::Kind::Declare;
    std::vector<Step> initializers;
    SqlWriter types(m_context);
    ++at;
    while (at < m_tokens.size()) {
        const QStringView name = m_tokens.text(at);
        if (m_tokens[at].type != TokenType::Variable || name.startsWith(u"@@"))
            return fail(QStringLiteral("DECLARE needs a variable, not '%1'").arg(name.toString()));
        const QString variable = name.mid(1).toString().toLower();
        ++at;
        if (at < m_tokens.size() && m_tokens[at].keyword == Keyword::As)
            ++at;
        if (at < m_tokens.size() && m_tokens[at].keyword == Keyword::Table)
            return fail(QStringLiteral("table variables are not supported"));
        const SqlType type = types.readType(at, at);
        if (types.failed())
            return fail(types.error());
        m_variables.insert(variable, type);
        declare.variables.append(variable);
        if (at < m_tokens.size() && m_tokens[at].type == TokenType::Operator
            && m_tokens.text(at) == u"=") {
            const int end = statementEnd(at, true);
            Step assign;
            assign.kind = Step::Kind::Assign;
            assign.variables = { variable };
            QString reason;
            if (!m_statements.translateExpression(at + 1, end, assign, reason))
                return fail(reason);
            initializers.push_back(std::move(assign));
            at = end;
        }
        if (at >= m_tokens.size() || m_tokens[at].type != TokenType::Comma)
            break;
        ++at;
    }
    steps.push_back(std::move(declare));
    for (Step &assign : initializers)
        steps.push_back(std::move(assign));
    return true;
}

bool BatchParser::parseSet(int &at, std::vector<Step> &steps)
{
    const int end = statementEnd(at);
    if (at + 1 < end && m_tokens[at + 1].type == TokenType::Word
        && isSessionOption(m_tokens.text(at + 1))) {
        at = end;
        return true;
    }
    if (at + 2 >= end || m_tokens[at + 1].type != TokenType::Variable
        || m_tokens.text(at + 2) != u"=") {
        return fail(QStringLiteral("SET must read: SET @variable = expression"));
    }
    const QString variable = m_tokens.text(at + 1).mid(1).toString().toLower();
    if (!m_variables.contains(variable))
        return fail(QStringLiteral("the variable %1 is not declared")
                        .arg(m_tokens.text(at + 1).toString()));
    Step step;
    step.kind = Step::Kind::Assign;
    step.variables = { variable };
    QString reason;
    if (!m_statements.translateExpression(at + 3, end, step, reason))
        return fail(reason);
    steps.push_back(std::move(step));
    at = end;
    return true;
}

bool BatchParser::parseCall(int &at, std::vector<Step> &steps)
{
    if (at >= m_tokens.size()
        || (m_tokens[at].type != TokenType::Word && m_tokens[at].type != TokenType::QuotedName)) {
        return fail(QStringLiteral("EXEC must name a procedure"));
    }
    SqlWriter names(m_context);
    const NameChain name = names.readName(at);
    Step step;
    step.kind = Step::Kind::Call;
    step.procedure = names.lastPart(name);
    at = name.end;
    while (at < m_tokens.size() && readArgument(at, step.arguments)) {
        if (at >= m_tokens.size() || m_tokens[at].type != TokenType::Comma)
            break;
        ++at;
    }
    if (!m_error.isEmpty())
        return false;
    steps.push_back(std::move(step));
    return true;
}

// Arguments are literals or variables, as T-SQL allows; "@name = value" passes by position.
bool BatchParser::readArgument(int &at, QStringList &arguments)
{
    if (m_tokens[at].type == TokenType::Variable && at + 1 < m_tokens.size()
        && m_tokens.text(at + 1) == u"=") {
        at += 2;
        if (at >= m_tokens.size())
            return fail(QStringLiteral("a procedure argument has no value"));
    }
    const Token &token = m_tokens[at];
    const QStringView text = m_tokens.text(token);
    switch (token.type) {
    case TokenType::String:
    case TokenType::Number:
        arguments.append(text.toString());
        ++at;
        return true;
    case TokenType::NString:
        arguments.append(text.mid(1).toString());
        ++at;
        return true;
    case TokenType::Variable:
        if (!m_variables.contains(text.mid(1).toString().toLower()))
            return fail(QStringLiteral("the variable %1 is not declared").arg(text.toString()));
        arguments.append(text.toString().toLower());
        ++at;
        return true;
    case TokenType::Operator:
        if (text == u"-" && at + 1 < m_tokens.size()
            && m_tokens[at + 1].type == TokenType::Number) {
            arguments.append(u'-' + m_tokens.text(at + 1).toString());
            at += 2;
            return true;
        }
        return false;
    default:
        if (token.keyword == Keyword::Null) {
            arguments.append(QStringLiteral("NULL"));
            ++at;
            return true;
        }
        return false;
    }
}

bool BatchParser::parseSelect(int &at, std::vector<Step> &steps)
{
    const int end = statementEnd(at);
    QString reason;
    if (isAssignmentSelect(at, end)) {
        Step step;
        if (!m_statements.translateAssignmentSelect(at, end, step, reason))
            return fail(reason);
        for (const QString &variable : std::as_const(step.variables)) {
            if (!m_variables.contains(variable))
                return fail(QStringLiteral("the variable @%1 is not declared").arg(variable));
        }
        steps.push_back(std::move(step));
    } else if (!m_statements.translate(at, end, steps, reason)) {
        return fail(reason);
    }
    at = end;
    return true;
}

bool BatchParser::isAssignmentSelect(int begin, int end) const
{
    for (int at = begin + 1; at + 1 < end; ++at) {
        const Token &token = m_tokens[at];
        if (token.depth != 0 || token.keyword == Keyword::From)
            return false;
        if (token.type == TokenType::Variable && m_tokens.text(at + 1) == u"=") {
            const Token &before = m_tokens[at - 1];
            return before.keyword == Keyword::Select || before.keyword == Keyword::Distinct
                || before.type == TokenType::Comma || before.type == TokenType::Number
                || before.type == TokenType::CloseParen;
        }
    }
    return false;
}

// Whether only the object kind and the object's name lie between the ALTER at begin and at: the
// DROP of "alter table t drop column c" belongs to it, a DROP after a complete ADD does not.
bool BatchParser::followsObjectName(int begin, int at) const
{
    for (int between = begin + 2; between < at; ++between) {
        const Token &token = m_tokens[between];
        const bool namePart = token.type == TokenType::QuotedName || token.type == TokenType::Dot
            || (token.type == TokenType::Word && token.keyword == Keyword::None);
        if (!namePart)
            return false;
    }
    return true;
}

// The first token after the statement that starts at begin. For IF that is the end of its
// condition; stopAtComma ends a DECLARE initializer.
int BatchParser::statementEnd(int begin, bool stopAtComma) const
{
    const Keyword first = m_tokens[begin].keyword;
    bool ownsSet = first == Keyword::Update;
    bool ownsSelect = first == Keyword::Insert
        || (first == Keyword::Create && begin + 1 < m_tokens.size()
            && m_tokens[begin + 1].keyword == Keyword::View);
    bool ownsAlteration = first == Keyword::Alter;
    int caseLevel = 0;
    for (int at = begin + 1; at < m_tokens.size(); ++at) {
        const Token &token = m_tokens[at];
        // Most tokens are names, literals and operators: only a separator can end the
        // statement there.
        if (token.keyword == Keyword::None) {
            if (token.depth == 0
                && (token.type == TokenType::Semicolon
                    || (stopAtComma && token.type == TokenType::Comma))) {
                return at;
            }
            continue;
        }
        // Rows given as a VALUES list leave no SELECT to the INSERT: one after the list starts
        // the next statement.
        if (token.keyword == Keyword::Values && token.depth == 0)
            ownsSelect = false;
        if (token.keyword == Keyword::Case) {
            ++caseLevel;
            continue;
        }
        if (token.keyword == Keyword::End && caseLevel > 0) {
            --caseLevel;
            continue;
        }
        if (token.depth != 0)
            continue;
        if (token.type == TokenType::Semicolon || (stopAtComma && token.type == TokenType::Comma))
            return at;
        if (!startsStatement(token.keyword) || (token.keyword == Keyword::Else && caseLevel > 0))
            continue;
        if (token.keyword == Keyword::Set && ownsSet) {
            ownsSet = false;
            continue;
        }
        const Keyword before = m_tokens[at - 1].keyword;
        const bool afterSetOperator = before == Keyword::Union || before == Keyword::Except
            || before == Keyword::Intersect || before == Keyword::All;
        if (token.keyword == Keyword::Select && (ownsSelect || afterSetOperator)) {
            ownsSelect = false;
            continue;
        }
        if ((token.keyword == Keyword::Drop || token.keyword == Keyword::Alter) && ownsAlteration
            && followsObjectName(begin, at)) {
            ownsAlteration = false;
            continue;
        }
        return at;
    }
    return m_tokens.size();
}

} // namespace suite::tsql
