#include "suite/data/tsql/DdlTranslator.h"

namespace suite::tsql {

namespace {

bool isName(const Token &token)
{
    return token.type == TokenType::Word || token.type == TokenType::QuotedName;
}

bool startsColumnConstraint(Keyword keyword)
{
    switch (keyword) {
    case Keyword::Not:
    case Keyword::Null:
    case Keyword::Primary:
    case Keyword::Unique:
    case Keyword::Constraint:
    case Keyword::Collate:
    case Keyword::Identity:
    case Keyword::Check:
    case Keyword::References:
    case Keyword::Rowguidcol:
    case Keyword::Default:
        return true;
    default:
        return false;
    }
}

bool startsTableConstraint(Keyword keyword)
{
    return keyword == Keyword::Constraint || keyword == Keyword::Primary
        || keyword == Keyword::Unique || keyword == Keyword::Foreign || keyword == Keyword::Check;
}

} // namespace

DdlTranslator::DdlTranslator(const TranslationContext &context)
    : m_context(context)
    , m_tokens(context.tokens)
    , m_writer(context)
{ }

bool DdlTranslator::translate(int begin, int end, std::vector<Step> &steps, QString &sMsg)
{
    int at = begin + 1;
    bool done = false;
    switch (m_tokens[begin].keyword) {
    case Keyword::Create: {
        bool unique = false;
        while (at < end
               && (m_tokens[at].keyword == Keyword::Unique
                   || m_tokens[at].keyword == Keyword::Clustered
                   || m_tokens[at].keyword == Keyword::Nonclustered)) {
            unique = unique || m_tokens[at].keyword == Keyword::Unique;
            ++at;
        }
        const Keyword kind = at < end ? m_tokens[at].keyword : Keyword::None;
        if (kind == Keyword::Table)
            done = createTable(at + 1, end, steps);
        else if (kind == Keyword::Index)
            done = createIndex(unique, at + 1, end, steps);
        else if (kind == Keyword::View)
            done = createView(at + 1, end, steps);
        else
            m_writer.fail(QStringLiteral("CREATE %1 is not supported")
                              .arg(at < end ? m_tokens.text(at).toString().toUpper() : QString()));
        break;
    }
    case Keyword::Drop:
        done = drop(at, end, steps);
        break;
    case Keyword::Truncate:
        done = truncate(at, end, steps);
        break;
    default:
        done = alter(at, end, steps);
        break;
    }
    if (!done || m_writer.failed()) {
        sMsg = m_writer.error();
        return false;
    }
    return true;
}

void DdlTranslator::addStatement(const QString &sql, std::vector<Step> &steps) const
{
    Step step;
    step.sql = sql;
    steps.push_back(std::move(step));
}

bool DdlTranslator::createTable(int at, int end, std::vector<Step> &steps)
{
    if (at >= end || !isName(m_tokens[at])) {
        m_writer.fail(QStringLiteral("CREATE TABLE must name its table"));
        return false;
    }
    const NameChain name = m_writer.readName(at);
    const ObjectName table = m_writer.objectName(name);
    const int open = name.end;
    if (open >= end || m_tokens[open].type != TokenType::OpenParen) {
        m_writer.fail(QStringLiteral("CREATE TABLE %1 lists no columns").arg(table.object));
        return false;
    }
    const int close = m_writer.matchingClose(open);
    const int depth = m_tokens[open].depth + 1;
    QStringList definitions;
    QList<ColumnDefinition> columns;
    int start = open + 1;
    for (int index = open + 1; index <= close; ++index) {
        if (index < close
            && !(m_tokens[index].type == TokenType::Comma && m_tokens[index].depth == depth)) {
            continue;
        }
        if (start < index && startsTableConstraint(m_tokens[start].keyword)) {
            definitions.append(tableConstraint(start, index));
        } else if (start < index) {
            ColumnDefinition column;
            if (!readColumn(start, index, column))
                return false;
            columns.append(column);
            definitions.append(m_context.dialect.columnDefinition(column));
        }
        start = index + 1;
    }
    if (!onlyStorageOptions(close + 1, end))
        return false;
    addStatement(QStringLiteral("CREATE TABLE ") + m_context.dialect.objectName(table) + u'('
                     + definitions.join(QStringLiteral(", ")) + u')',
                 steps);
    for (const QString &statement : m_context.dialect.afterCreateTable(table, columns))
        addStatement(statement, steps);
    return !m_writer.failed();
}

bool DdlTranslator::readColumn(int begin, int end, ColumnDefinition &column)
{
    if (!isName(m_tokens[begin])) {
        m_writer.fail(QStringLiteral("a column definition starts with '%1'")
                          .arg(m_tokens.text(begin).toString()));
        return false;
    }
    column.name = m_writer.identifier(begin);
    column.declaredName = unquotedText(m_tokens, m_tokens[begin]);
    int at = begin + 1;
    if (at < end && m_tokens[at].keyword == Keyword::As) {
        m_writer.fail(QStringLiteral("computed column %1 is not supported").arg(column.name));
        return false;
    }
    column.type = m_writer.readType(at, at);
    while (at < end && at >= 0 && !m_writer.failed())
        at = readColumnConstraint(at, end, column);
    return !m_writer.failed();
}

int DdlTranslator::readColumnConstraint(int at, int end, ColumnDefinition &column)
{
    const auto skipWords = [&](int index) {
        while (index < end
               && (m_tokens[index].keyword == Keyword::Clustered
                   || m_tokens[index].keyword == Keyword::Nonclustered
                   || m_tokens[index].keyword == Keyword::Asc
                   || m_tokens[index].keyword == Keyword::Desc)) {
            ++index;
        }
        return index;
    };
    switch (m_tokens[at].keyword) {
    case Keyword::Null:
        column.explicitNull = true;
        return at + 1;
    case Keyword::Not:
        if (at + 1 < end && m_tokens[at + 1].keyword == Keyword::Null) {
            column.notNull = true;
            return at + 2;
        }
        break;
    case Keyword::Identity:
        column.identity = true;
        if (at + 1 < end && m_tokens[at + 1].type == TokenType::OpenParen) {
            const int close = m_writer.matchingClose(at + 1);
            QStringList numbers;
            QString number;
            for (int index = at + 2; index < close; ++index) {
                if (m_tokens[index].type == TokenType::Comma) {
                    numbers.append(number);
                    number.clear();
                } else {
                    number += m_tokens.text(index);
                }
            }
            numbers.append(number);
            column.identitySeed = numbers.value(0).toLongLong();
            column.identityIncrement = numbers.size() > 1 ? numbers[1].toLongLong() : 1;
            return close + 1;
        }
        return at + 1;
    case Keyword::Default:
        return readDefault(at + 1, end, column);
    case Keyword::Primary:
        column.primaryKey = true;
        return skipWords(at + 1 < end && m_tokens[at + 1].keyword == Keyword::Key ? at + 2
                                                                                  : at + 1);
    case Keyword::Unique:
        column.unique = true;
        return skipWords(at + 1);
    case Keyword::Constraint:
        return at + 2;
    case Keyword::Collate:
        column.collation = at + 1 < end ? m_tokens.text(at + 1).toString() : QString();
        return at + 2;
    case Keyword::Rowguidcol:
        return at + 1;
    case Keyword::Check:
    case Keyword::References: {
        const int constraintEnd = this->constraintEnd(at + 1, end);
        QString text;
        m_writer.write(at, constraintEnd, text);
        column.otherConstraints.append(text);
        return constraintEnd;
    }
    default:
        break;
    }
    m_writer.fail(QStringLiteral("the definition of column %1 is not understood near '%2'")
                      .arg(column.name, m_tokens.text(at).toString()));
    return -1;
}

int DdlTranslator::readDefault(int at, int end, ColumnDefinition &column)
{
    if (at < end && m_tokens[at].keyword == Keyword::Null) {
        column.defaultValue = QStringLiteral("NULL");
        return at + 1;
    }
    const int defaultEnd = constraintEnd(at, end);
    int first = at;
    int last = defaultEnd;
    // DEFAULT ((0)) as SQL Server scripts it; the dialect adds the parentheses it needs.
    while (first < last && m_tokens[first].type == TokenType::OpenParen
           && m_writer.matchingClose(first) == last - 1) {
        ++first;
        --last;
    }
    if (first >= last) {
        m_writer.fail(QStringLiteral("DEFAULT of column %1 has no value").arg(column.name));
        return -1;
    }
    m_writer.write(first, last, column.defaultValue);
    return defaultEnd;
}

int DdlTranslator::constraintEnd(int at, int end) const
{
    if (at >= end)
        return end;
    const int depth = m_tokens[at].depth;
    for (int index = at; index < end; ++index) {
        if (m_tokens[index].depth == depth && startsColumnConstraint(m_tokens[index].keyword)
            && index > at)
            return index;
    }
    return end;
}

// CLUSTERED, WITH (PAD_INDEX = OFF ...) and ON [PRIMARY] are SQL Server's storage choices; ASC
// is every backend's order of a key, and PostgreSQL takes no order in a constraint.
QString DdlTranslator::tableConstraint(int begin, int end)
{
    for (int at = begin; at < end; ++at) {
        const Keyword keyword = m_tokens[at].keyword;
        if (keyword == Keyword::Clustered || keyword == Keyword::Nonclustered
            || keyword == Keyword::Asc) {
            m_writer.skip(at, at + 1);
        } else if (keyword == Keyword::With && at + 1 < end
                   && m_tokens[at + 1].type == TokenType::OpenParen) {
            const int close = m_writer.matchingClose(at + 1);
            m_writer.skip(at, close + 1);
            at = close;
        } else if (keyword == Keyword::On && at + 1 < end) {
            m_writer.skip(at, at + 2);
            ++at;
        }
    }
    QString text;
    m_writer.write(begin, end, text);
    return text;
}

bool DdlTranslator::onlyStorageOptions(int at, int end)
{
    while (at < end) {
        const Keyword keyword = m_tokens[at].keyword;
        if ((keyword == Keyword::On || keyword == Keyword::TextimageOn) && at + 1 < end
            && isName(m_tokens[at + 1])) {
            at += 2;
        } else if (keyword == Keyword::With && at + 1 < end
                   && m_tokens[at + 1].type == TokenType::OpenParen) {
            at = m_writer.matchingClose(at + 1) + 1;
        } else {
            m_writer.fail(QStringLiteral("'%1' after the column list is not understood")
                              .arg(m_tokens.text(at).toString()));
            return false;
        }
    }
    return true;
}

bool DdlTranslator::createIndex(bool unique, int at, int end, std::vector<Step> &steps)
{
    if (at + 2 >= end || !isName(m_tokens[at]) || m_tokens[at + 1].keyword != Keyword::On
        || !isName(m_tokens[at + 2])) {
        m_writer.fail(
            QStringLiteral("CREATE INDEX must read: CREATE INDEX name ON table(columns)"));
        return false;
    }
    const QString indexName = m_writer.identifier(at);
    const NameChain tableName = m_writer.readName(at + 2);
    const int open = tableName.end;
    if (open >= end || m_tokens[open].type != TokenType::OpenParen) {
        m_writer.fail(QStringLiteral("CREATE INDEX %1 lists no columns").arg(indexName));
        return false;
    }
    const int close = m_writer.matchingClose(open);
    QString columns;
    m_writer.write(open + 1, close, columns);
    QString filter;
    for (int index = close + 1; index < end;) {
        const Keyword keyword = m_tokens[index].keyword;
        const bool beforeParen =
            index + 1 < end && m_tokens[index + 1].type == TokenType::OpenParen;
        if ((keyword == Keyword::Include || keyword == Keyword::With) && beforeParen) {
            index = m_writer.matchingClose(index + 1) + 1;
        } else if (keyword == Keyword::On && index + 1 < end) {
            index += 2;
        } else if (keyword == Keyword::Where) {
            int filterEnd = index + 1;
            while (filterEnd < end && m_tokens[filterEnd].keyword != Keyword::With
                   && m_tokens[filterEnd].keyword != Keyword::On) {
                ++filterEnd;
            }
            filter = QStringLiteral(" WHERE ");
            m_writer.write(index + 1, filterEnd, filter);
            index = filterEnd;
        } else {
            m_writer.fail(QStringLiteral("'%1' in CREATE INDEX is not understood")
                              .arg(m_tokens.text(index).toString()));
            return false;
        }
    }
    addStatement(
        m_context.dialect.createIndex(unique, indexName, m_writer.objectName(tableName), columns)
            + filter,
        steps);
    return !m_writer.failed();
}

bool DdlTranslator::createView(int at, int end, std::vector<Step> &steps)
{
    if (at >= end || !isName(m_tokens[at])) {
        m_writer.fail(QStringLiteral("CREATE VIEW must name its view"));
        return false;
    }
    const NameChain name = m_writer.readName(at);
    int as = name.end;
    if (as < end && m_tokens[as].keyword == Keyword::With)
        as += 2;
    if (as >= end || m_tokens[as].keyword != Keyword::As) {
        m_writer.fail(QStringLiteral("CREATE VIEW without AS"));
        return false;
    }
    QString sql =
        QStringLiteral("CREATE VIEW ") + m_writer.tableName(name) + QStringLiteral(" AS ");
    m_writer.write(as + 1, end, sql);
    m_writer.finish(sql);
    addStatement(sql, steps);
    return !m_writer.failed();
}

bool DdlTranslator::drop(int at, int end, std::vector<Step> &steps)
{
    const Keyword kind = at < end ? m_tokens[at].keyword : Keyword::None;
    if (kind != Keyword::Table && kind != Keyword::View && kind != Keyword::Index) {
        m_writer.fail(QStringLiteral("DROP %1 is not supported")
                          .arg(at < end ? m_tokens.text(at).toString().toUpper() : QString()));
        return false;
    }
    ++at;
    QString ifExists;
    if (at + 1 < end && m_tokens[at].keyword == Keyword::If
        && m_tokens[at + 1].keyword == Keyword::Exists) {
        ifExists = QStringLiteral("IF EXISTS ");
        at += 2;
    }
    while (at < end && isName(m_tokens[at])) {
        const NameChain name = m_writer.readName(at);
        at = name.end;
        if (kind != Keyword::Index) {
            addStatement(
                QStringLiteral("DROP %1 %2%3")
                    .arg(kind == Keyword::Table ? QStringLiteral("TABLE") : QStringLiteral("VIEW"),
                         ifExists, m_writer.tableName(name)),
                steps);
        } else if (at + 1 < end && m_tokens[at].keyword == Keyword::On) {
            const NameChain table = m_writer.readName(at + 1);
            at = table.end;
            addStatement(m_context.dialect.dropIndex(m_writer.identifier(name.parts.back()),
                                                     m_writer.objectName(table)),
                         steps);
        } else if (name.parts.size() >= 2) {
            NameChain table = name;
            table.parts.removeLast();
            addStatement(m_context.dialect.dropIndex(m_writer.identifier(name.parts.back()),
                                                     m_writer.objectName(table)),
                         steps);
        } else {
            m_writer.fail(QStringLiteral("DROP INDEX must name the index's table"));
            return false;
        }
        if (at < end && m_tokens[at].type == TokenType::Comma)
            ++at;
    }
    if (at < end) {
        m_writer.fail(
            QStringLiteral("'%1' in DROP is not understood").arg(m_tokens.text(at).toString()));
        return false;
    }
    return true;
}

bool DdlTranslator::truncate(int at, int end, std::vector<Step> &steps)
{
    if (at + 1 >= end || m_tokens[at].keyword != Keyword::Table || !isName(m_tokens[at + 1])) {
        m_writer.fail(QStringLiteral("TRUNCATE must read: TRUNCATE TABLE name"));
        return false;
    }
    const NameChain name = m_writer.readName(at + 1);
    if (name.end < end) {
        m_writer.fail(QStringLiteral("'%1' after TRUNCATE TABLE is not understood")
                          .arg(m_tokens.text(name.end).toString()));
        return false;
    }
    addStatement(m_context.dialect.truncateTable(m_writer.objectName(name)), steps);
    return true;
}

// SQLite's ALTER TABLE adds or drops one column at a time and no constraints.
bool DdlTranslator::alter(int at, int end, std::vector<Step> &steps)
{
    if (at + 2 >= end || m_tokens[at].keyword != Keyword::Table || !isName(m_tokens[at + 1])) {
        m_writer.fail(QStringLiteral("only ALTER TABLE is supported"));
        return false;
    }
    const NameChain name = m_writer.readName(at + 1);
    const QString table = m_writer.tableName(name);
    int index = name.end;
    const Keyword action = m_tokens[index].keyword;
    ++index;
    if (action == Keyword::Drop && index < end && m_tokens[index].keyword == Keyword::Column)
        ++index;
    if ((action != Keyword::Add && action != Keyword::Drop) || index >= end
        || startsTableConstraint(m_tokens[index].keyword)
        || m_tokens[index].keyword == Keyword::Default) {
        m_writer.fail(QStringLiteral("ALTER TABLE %1 supports only ADD and DROP COLUMN")
                          .arg(m_tokens.text(name.begin).toString()));
        return false;
    }
    const int depth = m_tokens[index].depth;
    int start = index;
    for (int at2 = index; at2 <= end; ++at2) {
        if (at2 < end
            && !(m_tokens[at2].type == TokenType::Comma && m_tokens[at2].depth == depth)) {
            continue;
        }
        if (action == Keyword::Drop) {
            addStatement(QStringLiteral("ALTER TABLE %1 DROP COLUMN %2")
                             .arg(table, m_writer.identifier(start)),
                         steps);
        } else {
            ColumnDefinition column;
            if (!readColumn(start, at2, column))
                return false;
            addStatement(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2")
                             .arg(table, m_context.dialect.columnDefinition(column)),
                         steps);
        }
        start = at2 + 1;
    }
    return !m_writer.failed();
}

} // namespace suite::tsql
