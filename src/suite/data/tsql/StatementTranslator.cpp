#include "suite/data/tsql/StatementTranslator.h"

#include "suite/data/tsql/DdlTranslator.h"

namespace suite::tsql {

namespace {

bool isNameToken(const Token &token)
{
    return token.type == TokenType::QuotedName
        || (token.type == TokenType::Word && token.keyword == Keyword::None);
}

bool isJoinWord(Keyword keyword)
{
    switch (keyword) {
    case Keyword::Inner:
    case Keyword::Left:
    case Keyword::Right:
    case Keyword::Full:
    case Keyword::Cross:
    case Keyword::Join:
        return true;
    default:
        return false;
    }
}

} // namespace

StatementTranslator::StatementTranslator(const TranslationContext &context)
    : m_context(context)
    , m_tokens(context.tokens)
{ }

bool StatementTranslator::translate(int begin, int end, std::vector<Step> &steps, QString &sMsg)
{
    const Keyword keyword = m_tokens[begin].keyword;
    if (keyword == Keyword::Create || keyword == Keyword::Drop || keyword == Keyword::Truncate
        || keyword == Keyword::Alter) {
        return DdlTranslator(m_context).translate(begin, end, steps, sMsg);
    }
    SqlWriter writer(m_context);
    Step step;
    const Token &last = m_tokens[end - 1];
    step.sql.reserve(last.start + last.length - m_tokens[begin].start + 64);
    bool known = true;
    switch (keyword) {
    case Keyword::Select:
        known = translateSelect(writer, begin, end, step);
        break;
    case Keyword::Insert:
        known = translateInsert(writer, begin, end, step);
        break;
    case Keyword::Update:
        known = translateUpdate(writer, begin, end, step);
        break;
    case Keyword::Delete:
        known = translateDelete(writer, begin, end, step);
        break;
    default:
        writer.fail(QStringLiteral("the statement %1 is not supported")
                        .arg(m_tokens.text(begin).toString().toUpper()));
        known = false;
        break;
    }
    if (!known || writer.failed()) {
        sMsg = writer.error();
        return false;
    }
    step.parameters = writer.parameters();
    steps.push_back(std::move(step));
    return true;
}

bool StatementTranslator::translateExpression(int begin, int end, Step &step, QString &sMsg)
{
    SqlWriter writer(m_context);
    step.sql = QStringLiteral("select ");
    writer.write(begin, end, step.sql);
    writer.finish(step.sql);
    step.parameters = writer.parameters();
    sMsg = writer.error();
    return !writer.failed();
}

bool StatementTranslator::translateAssignmentSelect(int begin, int end, Step &step, QString &sMsg)
{
    SqlWriter writer(m_context);
    writer.setAllowAssignments(true);
    translateSelect(writer, begin, end, step);
    step.kind = Step::Kind::SelectAssign;
    step.variables = writer.assignedVariables();
    step.parameters = writer.parameters();
    sMsg = writer.error();
    return !writer.failed();
}

// Table hints such as WITH (NOLOCK) mean nothing to the backend.
int StatementTranslator::skipTableHint(SqlWriter &writer, int at, int end) const
{
    if (at + 1 < end && m_tokens[at].keyword == Keyword::With
        && m_tokens[at + 1].type == TokenType::OpenParen) {
        return writer.matchingClose(at + 1) + 1;
    }
    return at;
}

int StatementTranslator::findAtTop(int begin, int end, Keyword keyword) const
{
    if (begin >= end)
        return -1;
    const int depth = m_tokens[begin].depth;
    for (int at = begin; at < end; ++at) {
        if (m_tokens[at].depth == depth && m_tokens[at].keyword == keyword)
            return at;
    }
    return -1;
}

// SELECT ... INTO t creates t from the select, as CREATE TABLE t AS SELECT does.
bool StatementTranslator::translateSelect(SqlWriter &writer, int begin, int end, Step &step)
{
    const int into = findAtTop(begin, end, Keyword::Into);
    if (into >= 0 && into + 1 < end && isNameToken(m_tokens[into + 1])) {
        const NameChain table = writer.readName(into + 1);
        writer.skip(into, table.end);
        step.sql =
            QStringLiteral("CREATE TABLE ") + writer.tableName(table) + QStringLiteral(" AS ");
    } else {
        step.returnsRows = true;
    }
    writer.write(begin, end, step.sql);
    writer.finish(step.sql);
    return true;
}

bool StatementTranslator::translateInsert(SqlWriter &writer, int begin, int end, Step &step)
{
    if (begin + 1 < end && m_tokens[begin + 1].keyword != Keyword::Into) {
        step.sql = QStringLiteral("insert into");
        writer.write(begin + 1, end, step.sql);
    } else {
        writer.write(begin, end, step.sql);
    }
    writer.finish(step.sql);
    return true;
}

bool StatementTranslator::translateUpdate(SqlWriter &writer, int begin, int end, Step &step)
{
    int at = begin + 1;
    if (at >= end || !isNameToken(m_tokens[at])) {
        writer.fail(QStringLiteral("UPDATE must name its table"));
        return false;
    }
    const NameChain target = writer.readName(at);
    at = target.end;
    at = skipTableHint(writer, at, end);
    if (at >= end || m_tokens[at].keyword != Keyword::Set) {
        writer.fail(QStringLiteral("UPDATE without SET"));
        return false;
    }
    const int option = findAtTop(at, end, Keyword::Option);
    if (option >= 0)
        end = option;
    const int from = findAtTop(at + 1, end, Keyword::From);
    const int where = findAtTop(from >= 0 ? from + 1 : at + 1, end, Keyword::Where);
    const int setEnd = from >= 0 ? from : (where >= 0 ? where : end);
    if (setEnd <= at + 1) {
        writer.fail(QStringLiteral("UPDATE without assignments after SET"));
        return false;
    }
    skipAssignmentQualifiers(writer, at + 1, setEnd);
    QString assignments;
    writer.write(at + 1, setEnd, assignments);
    if (from >= 0)
        return writeJoinedUpdate(writer, target, assignments, at + 1, setEnd, from, where, end,
                                 step);
    step.sql = QStringLiteral("update ") + writer.tableName(target) + QStringLiteral(" set ")
        + assignments;
    if (where >= 0) {
        step.sql += u' ';
        writer.write(where, end, step.sql);
    }
    writer.finish(step.sql);
    return true;
}

// The backend's UPDATE takes plain column names; SQL Server also accepts table.column.
void StatementTranslator::skipAssignmentQualifiers(SqlWriter &writer, int begin, int end) const
{
    const int depth = m_tokens[begin].depth;
    bool itemStart = true;
    for (int at = begin; at < end; ++at) {
        const Token &token = m_tokens[at];
        if (token.depth != depth)
            continue;
        if (token.type == TokenType::Comma) {
            itemStart = true;
            continue;
        }
        if (itemStart && token.type == TokenType::Variable) {
            writer.fail(QStringLiteral("assigning variables in UPDATE is not supported"));
            return;
        }
        if (itemStart && (token.type == TokenType::Word || token.type == TokenType::QuotedName)) {
            const NameChain column = writer.readName(at);
            if (column.parts.size() > 1 && column.parts.back() >= 0)
                writer.skip(column.begin, column.parts.back());
        }
        itemStart = false;
    }
}

// UPDATE t SET ... FROM t JOIN u ... names the target again in its FROM list, which the
// backend's UPDATE ... FROM does not allow. When SET reads only the target, the rows are
// picked by their row identity from the original FROM; when SET reads joined tables, the
// target leaves the FROM list and the inner joins' conditions move to WHERE.
bool StatementTranslator::writeJoinedUpdate(SqlWriter &writer, const NameChain &target,
                                            const QString &assignments, int setBegin, int setEnd,
                                            int from, int where, int end, Step &step)
{
    const int listEnd = where >= 0 ? where : end;
    const std::vector<FromItem> items = readFromList(writer, from + 1, listEnd);
    if (writer.failed())
        return false;
    const int targetIndex = findTarget(writer, items, target);
    if (targetIndex < 0) {
        step.sql = QStringLiteral("update ") + writer.tableName(target) + QStringLiteral(" set ")
            + assignments + u' ';
        writer.write(from, end, step.sql);
        writer.finish(step.sql);
        return true;
    }
    const FromItem &item = items[size_t(targetIndex)];
    step.sql = QStringLiteral("update ") + writer.tableName(item.table);
    if (item.alias >= 0)
        step.sql += QStringLiteral(" AS ") + writer.identifier(item.alias);
    step.sql += QStringLiteral(" set ") + assignments;
    const QString rowId = m_context.dialect.rowIdentity();
    if (!usesOtherItems(items, targetIndex, setBegin, setEnd)) {
        step.sql += QStringLiteral(" where ") + rowId + QStringLiteral(" in (select ")
            + itemReference(writer, item) + u'.' + rowId + QStringLiteral(" from ");
        writer.write(from + 1, end, step.sql);
        step.sql += u')';
        return true;
    }
    QStringList others;
    QStringList conditions;
    for (size_t index = 0; index < items.size(); ++index) {
        const FromItem &other = items[index];
        if (other.join == Join::Outer) {
            writer.fail(QStringLiteral("UPDATE ... FROM with an outer join is supported only when "
                                       "SET reads the updated table alone"));
            return false;
        }
        if (int(index) != targetIndex) {
            QString text;
            writer.write(other.begin, other.end, text);
            others.append(text);
        }
        if (other.onBegin >= 0) {
            QString condition;
            writer.write(other.onBegin, other.onEnd, condition);
            conditions.append(u'(' + condition + u')');
        }
    }
    if (where >= 0) {
        QString condition;
        writer.write(where + 1, end, condition);
        conditions.append(u'(' + condition + u')');
    }
    if (!others.isEmpty())
        step.sql += QStringLiteral(" from ") + others.join(QStringLiteral(", "));
    if (!conditions.isEmpty())
        step.sql += QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
    return true;
}

std::vector<StatementTranslator::FromItem> StatementTranslator::readFromList(SqlWriter &writer,
                                                                             int begin,
                                                                             int end) const
{
    std::vector<FromItem> items;
    Join join = Join::First;
    int at = begin;
    while (at < end && !writer.failed()) {
        FromItem item;
        item.join = join;
        item.begin = at;
        if (m_tokens[at].type == TokenType::OpenParen) {
            at = writer.matchingClose(at) + 1;
        } else if (m_tokens[at].type == TokenType::Word
                   || m_tokens[at].type == TokenType::QuotedName) {
            item.table = writer.readName(at);
            at = item.table.end;
        } else {
            writer.fail(QStringLiteral("the FROM list is not understood near '%1'")
                            .arg(m_tokens.text(at).toString()));
            break;
        }
        if (at + 1 < end && m_tokens[at].keyword == Keyword::As) {
            item.alias = at + 1;
            at += 2;
        } else if (at < end && isNameToken(m_tokens[at])) {
            item.alias = at++;
        }
        at = skipTableHint(writer, at, end);
        item.end = at;
        if (item.alias >= 0)
            item.reference = unquotedText(m_tokens, m_tokens[item.alias]);
        else if (item.table.isValid())
            item.reference = writer.lastPart(item.table);
        if (at < end && m_tokens[at].keyword == Keyword::On) {
            item.onBegin = ++at;
            while (at < end
                   && !(m_tokens[at].depth == m_tokens[begin].depth
                        && (isJoinWord(m_tokens[at].keyword)
                            || m_tokens[at].type == TokenType::Comma))) {
                ++at;
            }
            item.onEnd = at;
        }
        items.push_back(item);
        join = Join::Inner;
        if (at < end && m_tokens[at].type == TokenType::Comma) {
            join = Join::Comma;
            ++at;
            continue;
        }
        while (at < end && isJoinWord(m_tokens[at].keyword)
               && m_tokens[at].keyword != Keyword::Join) {
            const Keyword word = m_tokens[at].keyword;
            if (word == Keyword::Left || word == Keyword::Right || word == Keyword::Full)
                join = Join::Outer;
            else if (word == Keyword::Cross)
                join = Join::Comma;
            ++at;
            if (at < end && m_tokens[at].keyword == Keyword::Outer)
                ++at;
        }
        if (at < end && m_tokens[at].keyword == Keyword::Join)
            ++at;
    }
    return items;
}

int StatementTranslator::findTarget(SqlWriter &writer, const std::vector<FromItem> &items,
                                    const NameChain &target) const
{
    const QString name = writer.lastPart(target);
    for (size_t index = 0; index < items.size(); ++index) {
        if (items[index].reference.compare(name, Qt::CaseInsensitive) == 0)
            return int(index);
    }
    return -1;
}

bool StatementTranslator::usesOtherItems(const std::vector<FromItem> &items, int target, int begin,
                                         int end) const
{
    for (int at = begin; at + 1 < end; ++at) {
        if (m_tokens[at + 1].type != TokenType::Dot
            || (m_tokens[at].type != TokenType::Word
                && m_tokens[at].type != TokenType::QuotedName)) {
            continue;
        }
        const QString qualifier = unquotedText(m_tokens, m_tokens[at]);
        for (size_t index = 0; index < items.size(); ++index) {
            if (int(index) != target
                && items[index].reference.compare(qualifier, Qt::CaseInsensitive) == 0
                && items[size_t(target)].reference.compare(qualifier, Qt::CaseInsensitive) != 0) {
                return true;
            }
        }
    }
    return false;
}

QString StatementTranslator::itemReference(SqlWriter &writer, const FromItem &item) const
{
    if (item.alias >= 0)
        return writer.identifier(item.alias);
    return writer.identifier(item.table.parts.back());
}

bool StatementTranslator::translateDelete(SqlWriter &writer, int begin, int end, Step &step)
{
    int at = begin + 1;
    if (at < end && m_tokens[at].keyword == Keyword::From)
        ++at;
    if (at >= end || !isNameToken(m_tokens[at])) {
        writer.fail(QStringLiteral("DELETE must name its table"));
        return false;
    }
    const NameChain target = writer.readName(at);
    at = target.end;
    at = skipTableHint(writer, at, end);
    if (at >= end || m_tokens[at].keyword != Keyword::From) {
        step.sql = QStringLiteral("delete from ") + writer.tableName(target);
        if (at < end) {
            step.sql += u' ';
            writer.write(at, end, step.sql);
        }
        writer.finish(step.sql);
        return true;
    }
    const int where = findAtTop(at, end, Keyword::Where);
    const std::vector<FromItem> items = readFromList(writer, at + 1, where >= 0 ? where : end);
    const int targetIndex = findTarget(writer, items, target);
    if (targetIndex < 0) {
        writer.fail(QStringLiteral("the table DELETE removes rows from must be in its FROM list"));
        return false;
    }
    const FromItem &item = items[size_t(targetIndex)];
    const QString rowId = m_context.dialect.rowIdentity();
    step.sql = QStringLiteral("delete from ") + writer.tableName(item.table)
        + QStringLiteral(" where ") + rowId + QStringLiteral(" in (select ")
        + itemReference(writer, item) + u'.' + rowId + QStringLiteral(" from ");
    writer.write(at + 1, end, step.sql);
    step.sql += u')';
    return true;
}

} // namespace suite::tsql
