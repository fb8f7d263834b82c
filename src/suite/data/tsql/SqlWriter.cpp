#include "suite/data/tsql/SqlWriter.h"

#include "suite/data/tsql/Batch.h"
#include "suite/data/tsql/ObjectNames.h"

namespace suite::tsql {

namespace {

bool isOperator(const TokenList &tokens, int index, QLatin1StringView text)
{
    return index >= 0 && index < tokens.size() && tokens[index].type == TokenType::Operator
        && tokens.text(index) == text;
}

bool isComparison(QStringView op)
{
    return op == u"=" || op == u"<" || op == u">" || op == u"<=" || op == u">=" || op == u"<>"
        || op == u"!=" || op == u"!<" || op == u"!>";
}

bool isNameToken(const Token &token)
{
    return token.type == TokenType::Word || token.type == TokenType::QuotedName;
}

bool returnsText(QStringView lowerName)
{
    static const QLatin1StringView names[] = {
        QLatin1StringView("ltrim"),     QLatin1StringView("rtrim"),     QLatin1StringView("left"),
        QLatin1StringView("right"),     QLatin1StringView("substring"), QLatin1StringView("upper"),
        QLatin1StringView("lower"),     QLatin1StringView("replace"),   QLatin1StringView("char"),
        QLatin1StringView("nchar"),     QLatin1StringView("str"),       QLatin1StringView("space"),
        QLatin1StringView("replicate"), QLatin1StringView("reverse"),   QLatin1StringView("newid"),
        QLatin1StringView("quotename"), QLatin1StringView("stuff"),     QLatin1StringView("concat"),
        QLatin1StringView("format"),
    };
    for (QLatin1StringView name : names) {
        if (lowerName == name)
            return true;
    }
    return false;
}

bool passesTextThrough(QStringView lowerName)
{
    return lowerName == u"isnull" || lowerName == u"coalesce" || lowerName == u"nullif";
}

} // namespace

SqlWriter::SqlWriter(const TranslationContext &context)
    : m_context(context)
    , m_tokens(context.tokens)
    , m_levels(size_t(context.tokens.maxDepth + 2))
{ }

void SqlWriter::fail(const QString &reason)
{
    if (m_error.isEmpty())
        m_error = reason;
}

void SqlWriter::skip(int begin, int end)
{
    m_skips.emplace_back(begin, end);
}

void SqlWriter::write(int begin, int end, QString &out)
{
    int index = begin;
    while (index < end && !failed()) {
        bool skipped = false;
        for (const auto &[from, to] : m_skips) {
            if (index >= from && index < to) {
                m_spaceDue = m_spaceDue || m_tokens[index].spaceBefore;
                index = to;
                skipped = true;
                break;
            }
        }
        if (!skipped)
            index = writeToken(index, end, out);
    }
    flushRun();
}

void SqlWriter::finish(QString &out)
{
    for (int depth = int(m_levels.size()) - 1; depth >= 0; --depth)
        flushLimit(depth, out);
    flushRun();
}

void SqlWriter::appendToken(const Token &token, QStringView text, QString &out)
{
    appendText(out, text, blankBefore(token, out));
}

void SqlWriter::appendToken(const Token &token, QString &out)
{
    appendSource(out, token.start, token.length, blankBefore(token, out));
}

bool SqlWriter::blankBefore(const Token &token, const QString &out)
{
    const bool blank = (token.spaceBefore || m_spaceDue) && takesBlank(out);
    m_spaceDue = false;
    return blank;
}

bool SqlWriter::takesBlank(const QString &out) const
{
    QChar last;
    if (m_run.out == &out && m_run.end > m_run.begin)
        last = m_tokens.source.at(m_run.end - 1);
    else if (!out.isEmpty())
        last = out.back();
    else
        return false;
    return last != u' ' && last != u'(';
}

// Appends text, after one blank when asked.
void SqlWriter::appendText(QString &out, QStringView text, bool blank)
{
    const QString &source = m_tokens.source;
    const QChar *sourceBegin = source.constData();
    const std::less_equal<const QChar *> notAfter;
    const bool inSource = !text.isEmpty() && notAfter(sourceBegin, text.data())
        && notAfter(text.data() + text.size(), sourceBegin + source.size());
    if (inSource) {
        appendSource(out, text.data() - sourceBegin, text.size(), blank);
        return;
    }
    flushRun();
    if (blank)
        out += u' ';
    out += text;
}

// Appends the source text [at, at + size); when it lies right after the run being gathered
// for out (after exactly one blank there when a blank is due) it only extends the run.
void SqlWriter::appendSource(QString &out, qsizetype at, qsizetype size, bool blank)
{
    const bool blankInSource = blank && at > 0 && m_tokens.source.at(at - 1) == u' ';
    const qsizetype from = blankInSource ? at - 1 : at;
    if (m_run.out == &out && m_run.end == from && (!blank || blankInSource)) {
        m_run.end = at + size;
        return;
    }
    flushRun();
    if (blank && !blankInSource)
        out += u' ';
    m_run = { &out, from, at + size };
}

void SqlWriter::flushRun()
{
    if (!m_run.out)
        return;
    m_run.out->append(QStringView(m_tokens.source).mid(m_run.begin, m_run.end - m_run.begin));
    m_run = SourceRun();
}

int SqlWriter::writeToken(int index, int end, QString &out)
{
    const Token &token = m_tokens[index];
    Level &level = m_levels[size_t(token.depth)];
    const bool itemStart = level.inSelectList && level.atItemStart;
    level.atItemStart = false;
    const QStringView text = m_tokens.text(token);
    switch (token.type) {
    case TokenType::NString:
        appendToken(token, text.mid(1), out);
        return index + 1;
    case TokenType::Variable:
        if (itemStart && m_allowAssignments && token.depth == 0
            && isOperator(m_tokens, index + 1, QLatin1StringView("="))) {
            m_assigned.append(text.mid(1).toString().toLower());
            appendToken(token, QStringView(), out);
            return index + 2;
        }
        writeVariable(token, out);
        return index + 1;
    case TokenType::Operator:
        if (text == u"+" && isConcatenation(index))
            appendToken(token, m_context.dialect.concatOperator(), out);
        else
            appendToken(token, out);
        return index + 1;
    case TokenType::Comma:
        appendToken(token, out);
        level.atItemStart = level.inSelectList;
        return index + 1;
    case TokenType::OpenParen:
        m_levels[size_t(token.depth + 1)] = Level();
        appendToken(token, out);
        return index + 1;
    case TokenType::CloseParen:
        flushLimit(token.depth + 1, out);
        appendToken(token, out);
        return index + 1;
    case TokenType::QuotedName:
        return writeNameOrCall(index, end, itemStart, out);
    case TokenType::Word:
        if (token.keyword == Keyword::None)
            return writeNameOrCall(index, end, itemStart, out);
        return writeKeyword(index, end, out);
    default:
        appendToken(token, out);
        return index + 1;
    }
}

int SqlWriter::writeKeyword(int index, int end, QString &out)
{
    const Token &token = m_tokens[index];
    Level &level = m_levels[size_t(token.depth)];
    const bool beforeParen = index + 1 < end && m_tokens[index + 1].type == TokenType::OpenParen;
    switch (token.keyword) {
    case Keyword::Select:
        return writeSelect(index, end, out);
    case Keyword::Union:
    case Keyword::Except:
    case Keyword::Intersect:
        if (!level.limit.isEmpty())
            fail(QStringLiteral("TOP in a select combined by %1 is not supported")
                     .arg(m_tokens.text(token).toString().toUpper()));
        level.inSelectList = false;
        break;
    case Keyword::From:
    case Keyword::Into:
    case Keyword::Where:
    case Keyword::Group:
    case Keyword::Order:
    case Keyword::Having:
        level.inSelectList = false;
        break;
    // Table hints such as with(nolock) mean nothing to a backend that has no such locks.
    case Keyword::With:
        if (beforeParen)
            return matchingClose(index + 1) + 1;
        break;
    case Keyword::Left:
    case Keyword::Right:
        if (beforeParen)
            return writeNameOrCall(index, end, false, out);
        break;
    case Keyword::Top:
        fail(QStringLiteral("TOP is supported only right after SELECT"));
        return end;
    default:
        break;
    }
    appendToken(token, out);
    return index + 1;
}

int SqlWriter::writeSelect(int index, int end, QString &out)
{
    const Token &token = m_tokens[index];
    appendToken(token, out);
    int next = index + 1;
    if (next < end
        && (m_tokens[next].keyword == Keyword::Distinct
            || m_tokens[next].keyword == Keyword::All)) {
        appendToken(m_tokens[next], out);
        ++next;
    }
    Level &level = m_levels[size_t(token.depth)];
    if (next < end && m_tokens[next].keyword == Keyword::Top) {
        ++next;
        QString count;
        if (next < end && m_tokens[next].type == TokenType::OpenParen) {
            const int close = matchingClose(next);
            count = writePiece(next + 1, close);
            next = close + 1;
        } else if (next < end && m_tokens[next].type == TokenType::Number) {
            count = m_tokens.text(next).toString();
            ++next;
        } else if (next < end && m_tokens[next].type == TokenType::Variable) {
            writeVariable(m_tokens[next], count);
            flushRun();
            ++next;
        } else {
            fail(QStringLiteral("TOP must be followed by a number"));
            return end;
        }
        if (next < end
            && (m_tokens[next].keyword == Keyword::Percent
                || m_tokens[next].keyword == Keyword::With)) {
            fail(QStringLiteral("TOP ... %1 is not supported")
                     .arg(m_tokens.text(next).toString().toUpper()));
            return end;
        }
        level.limit = m_context.dialect.limitClause(count);
    }
    level.inSelectList = true;
    level.atItemStart = true;
    return next;
}

void SqlWriter::flushLimit(int depth, QString &out)
{
    if (depth >= int(m_levels.size()))
        return;
    Level &level = m_levels[size_t(depth)];
    if (!level.limit.isEmpty())
        appendText(out, level.limit);
    level = Level();
}

void SqlWriter::writeVariable(const Token &token, QString &out)
{
    const QStringView text = m_tokens.text(token);
    const QString name = text.mid(1).toString().toLower();
    if (text.startsWith(u"@@") && name != kRowCountParameter) {
        const QString system = m_context.dialect.systemVariable(text.toString().toLower());
        if (system.isEmpty())
            fail(QStringLiteral("%1 is not supported").arg(text.toString().toUpper()));
        appendToken(token, system, out);
        return;
    }
    if (name != kRowCountParameter && !m_context.variables.contains(name)) {
        fail(QStringLiteral("the variable %1 is not declared").arg(text.toString()));
        return;
    }
    qsizetype number = m_parameters.indexOf(name);
    if (number < 0) {
        m_parameters.append(name);
        number = m_parameters.size() - 1;
    }
    appendToken(token, m_context.dialect.parameterPlaceholder(int(number) + 1), out);
}

NameChain SqlWriter::readName(int index) const
{
    NameChain chain;
    chain.begin = index;
    chain.parts.append(index);
    int at = index + 1;
    const int size = m_tokens.size();
    while (at < size && m_tokens[at].type == TokenType::Dot) {
        ++at;
        if (at < size && m_tokens[at].type == TokenType::Dot) {
            chain.parts.append(-1);
        } else if (at < size && isNameToken(m_tokens[at])) {
            chain.parts.append(at);
            ++at;
        } else if (isOperator(m_tokens, at, QLatin1StringView("*"))) {
            chain.star = true;
            ++at;
            break;
        } else {
            break;
        }
    }
    chain.end = at;
    return chain;
}

QString SqlWriter::identifier(int index) const
{
    QString text;
    appendIdentifier(index, text);
    return text;
}

bool SqlWriter::needsQuotes(const Token &token) const
{
    const QStringView text = m_tokens.text(token);
    return token.plainName ? m_context.dialect.quotesPlainName(text)
                           : m_context.dialect.needsQuotes(text);
}

void SqlWriter::writeIdentifier(int index, QString &out, bool blank)
{
    const Token &token = m_tokens[index];
    const QStringView text = m_tokens.text(token);
    if (token.type != TokenType::QuotedName && !needsQuotes(token)) {
        appendText(out, text, blank);
        return;
    }
    QString quoted;
    appendIdentifier(index, quoted);
    appendText(out, quoted, blank);
}

void SqlWriter::appendIdentifier(int index, QString &out) const
{
    const Token &token = m_tokens[index];
    const QStringView text = m_tokens.text(token);
    if (token.type == TokenType::QuotedName)
        out += m_context.dialect.quoteIdentifier(unquotedText(m_tokens, token));
    else if (needsQuotes(token))
        out += m_context.dialect.quoteIdentifier(text);
    else
        out += text;
}

QString SqlWriter::lastPart(const NameChain &chain) const
{
    const int index = chain.parts.back();
    return index < 0 ? QString() : unquotedText(m_tokens, m_tokens[index]);
}

ObjectName SqlWriter::objectName(const NameChain &chain) const
{
    QStringList parts;
    for (int index : chain.parts)
        parts.append(index < 0 ? QString() : unquotedText(m_tokens, m_tokens[index]));
    return objectNameOfParts(parts);
}

QString SqlWriter::tableName(const NameChain &chain) const
{
    return m_context.dialect.objectName(objectName(chain));
}

// The source text of a name such as customer.ccuscode when the backend takes it as written:
// plain parts, no blanks between them, none of them needing quotes. Empty otherwise. A dot
// is one character, so the parts stand without blanks exactly when their span is as long as
// the parts and the dots between them.
QStringView SqlWriter::plainChainText(const NameChain &chain) const
{
    if (chain.star)
        return QStringView();
    int length = -1;
    for (const int index : chain.parts) {
        if (index < 0 || m_tokens[index].type != TokenType::Word)
            return QStringView();
        length += m_tokens[index].length + 1;
    }
    const Token &first = m_tokens[chain.parts.front()];
    const Token &last = m_tokens[chain.parts.back()];
    if (last.start + last.length - first.start != length)
        return QStringView();
    for (const int index : chain.parts) {
        if (needsQuotes(m_tokens[index]))
            return QStringView();
    }
    return QStringView(m_tokens.source).mid(first.start, length);
}

// Column references are by far the most frequent names, so the common case appends the parts
// without building an ObjectName.
void SqlWriter::writeChain(const NameChain &chain, QString &out)
{
    const auto partText = [this](int index) {
        return index < 0 ? QStringView() : m_tokens.text(index);
    };
    const int count = int(chain.parts.size());
    const QStringView first = partText(chain.parts[0]);
    const bool qualified = count >= 2
        && (chain.parts[1] < 0 || equalsNoCase(first, QLatin1StringView("dbo"))
            || equalsNoCase(first, QLatin1StringView("[dbo]"))
            || (count >= 3 && equalsNoCase(partText(chain.parts[1]), QLatin1StringView("dbo"))));
    int part = 0;
    if (qualified || first.startsWith(u'#')) {
        QStringList parts;
        for (int index : chain.parts)
            parts.append(index < 0 ? QString() : unquotedText(m_tokens, m_tokens[index]));
        appendToken(m_tokens[chain.begin],
                    m_context.dialect.objectName(objectNameOfParts(parts, &part)), out);
    } else if (const QStringView plain = plainChainText(chain); !plain.isEmpty()) {
        const bool blank = blankBefore(m_tokens[chain.begin], out);
        appendSource(out, m_tokens[chain.begin].start, plain.size(), blank);
        return;
    } else {
        writeIdentifier(chain.parts[0], out, blankBefore(m_tokens[chain.begin], out));
        part = 1;
    }
    for (; part < count; ++part) {
        const int index = chain.parts[part];
        if (index < 0) {
            fail(QStringLiteral("the name %1 has an empty part")
                     .arg(m_tokens.text(chain.begin).toString()));
            return;
        }
        // The dot's own source text, so that a name written without blanks stays one run.
        appendText(out,
                   m_tokens[index - 1].type == TokenType::Dot ? m_tokens.text(index - 1)
                                                              : QStringView(u"."));
        writeIdentifier(index, out);
    }
    if (chain.star)
        appendText(out, u".*");
}

bool SqlWriter::isFunctionContext(const NameChain &chain) const
{
    if (chain.star || chain.begin == 0)
        return !chain.star;
    switch (m_tokens[chain.begin - 1].keyword) {
    case Keyword::Into:
    case Keyword::Table:
    case Keyword::Update:
    case Keyword::References:
    case Keyword::View:
    case Keyword::Index:
        return false;
    default:
        return true;
    }
}

int SqlWriter::writeNameOrCall(int index, int end, bool itemStart, QString &out)
{
    const NameChain chain = readName(index);
    const int next = chain.end;
    if (next < end && m_tokens[next].type == TokenType::OpenParen && isFunctionContext(chain))
        return writeFunction(chain, end, out);
    if (itemStart && chain.parts.size() == 1 && !chain.star
        && isOperator(m_tokens, next, QLatin1StringView("="))) {
        return writeAliasedItem(chain, end, out);
    }
    if (const int matchEnd = coarsePrefixMatchEnd(chain, end); matchEnd > next)
        return writeLikelyMatch(chain, matchEnd, out);
    writeChain(chain, out);
    return next;
}

int SqlWriter::coarsePrefixMatchEnd(const NameChain &chain, int end) const
{
    const int like = chain.end;
    const int pattern = like + 1;
    if (!m_context.isCoarseColumn || chain.star || pattern >= end
        || m_tokens[like].keyword != Keyword::Like
        || (m_tokens[pattern].type != TokenType::String
            && m_tokens[pattern].type != TokenType::NString)) {
        return -1;
    }
    const QString prefix = unquotedText(m_tokens, m_tokens[pattern]);
    if (prefix.isEmpty() || prefix.front() == u'%' || prefix.front() == u'_'
        || prefix.front() == u'[') {
        return -1;
    }
    // Only a match that ends where the condition does: not one continued by an operator, an
    // ESCAPE or a COLLATE, and not the right side of a comparison.
    const int after = pattern + 1;
    if (after < end) {
        const Token &next = m_tokens[after];
        const bool ends = next.type == TokenType::CloseParen || next.type == TokenType::Semicolon
            || next.type == TokenType::Comma || next.keyword == Keyword::And
            || next.keyword == Keyword::Or || next.keyword == Keyword::Order
            || next.keyword == Keyword::Group || next.keyword == Keyword::Union
            || next.keyword == Keyword::Then;
        if (!ends)
            return -1;
    }
    if (chain.begin > 0 && m_tokens[chain.begin - 1].type == TokenType::Operator)
        return -1;
    const int nameIndex = chain.parts.back();
    const QStringView qualifier =
        chain.parts.size() >= 2 && chain.parts[chain.parts.size() - 2] >= 0
        ? m_tokens.text(chain.parts[chain.parts.size() - 2])
        : QStringView();
    if (nameIndex < 0 || !m_context.isCoarseColumn(qualifier, m_tokens.text(nameIndex)))
        return -1;
    return after;
}

int SqlWriter::writeLikelyMatch(const NameChain &chain, int matchEnd, QString &out)
{
    QString match;
    writeChain(chain, match);
    flushRun();
    match += QStringLiteral(" like ") + writePiece(chain.end + 1, matchEnd).trimmed();
    appendToken(m_tokens[chain.begin], m_context.dialect.likelyCondition(match), out);
    return matchEnd;
}

// SQL Server's "select Num = count(*)" names a column the way "count(*) as Num" does.
int SqlWriter::writeAliasedItem(const NameChain &alias, int end, QString &out)
{
    const int depth = m_tokens[alias.begin].depth;
    const int expressionBegin = alias.end + 1;
    const int itemEnd = selectItemEnd(expressionBegin, end, depth);
    const QString expression = writePiece(expressionBegin, itemEnd);
    appendToken(m_tokens[alias.begin], expression, out);
    appendText(out, QString(QStringLiteral(" AS ") + identifier(alias.parts[0])));
    return itemEnd;
}

int SqlWriter::selectItemEnd(int index, int end, int depth) const
{
    for (int at = index; at < end; ++at) {
        const Token &token = m_tokens[at];
        if (token.depth < depth)
            return at;
        if (token.depth > depth)
            continue;
        if (token.type == TokenType::Comma)
            return at;
        switch (token.keyword) {
        case Keyword::From:
        case Keyword::Into:
        case Keyword::Where:
        case Keyword::Group:
        case Keyword::Order:
        case Keyword::Having:
        case Keyword::Union:
        case Keyword::Except:
        case Keyword::Intersect:
            return at;
        default:
            break;
        }
    }
    return end;
}

QString SqlWriter::writePiece(int begin, int end)
{
    QString piece;
    write(begin, end, piece);
    return piece;
}

int SqlWriter::matchingClose(int open) const
{
    const int depth = m_tokens[open].depth;
    for (int at = open + 1; at < m_tokens.size(); ++at) {
        if (m_tokens[at].type == TokenType::CloseParen && m_tokens[at].depth == depth)
            return at;
    }
    return m_tokens.size() - 1;
}

int SqlWriter::writeFunction(const NameChain &chain, int end, QString &out)
{
    const int open = chain.end;
    const int close = matchingClose(open);
    const int nameIndex = chain.parts.back();
    const QString name = nameIndex < 0 ? QString() : unquotedText(m_tokens, m_tokens[nameIndex]);
    const QString lower = name.toLower();
    const bool special = lower == u"cast" || lower == u"convert" || lower == u"object_id";
    if (!special && !m_context.dialect.mapsFunction(lower)) {
        // User functions are called without the owner, as the backend has no schemas for them.
        appendToken(m_tokens[chain.begin], name, out);
        return open;
    }
    std::vector<std::pair<int, int>> arguments;
    const int argumentDepth = m_tokens[open].depth + 1;
    int start = open + 1;
    for (int at = open + 1; at <= close && close > open + 1; ++at) {
        if (at == close
            || (m_tokens[at].type == TokenType::Comma && m_tokens[at].depth == argumentDepth)) {
            arguments.emplace_back(start, at);
            start = at + 1;
        }
    }
    QString piece;
    if (special) {
        if (!writeSpecialFunction(lower, arguments, open, close, piece))
            return end;
    } else {
        QStringList texts;
        for (const auto &[from, to] : arguments)
            texts.append(writePiece(from, to));
        QString reason;
        if (!m_context.dialect.mapFunction(lower, texts, piece, reason)) {
            fail(reason);
            return end;
        }
    }
    appendToken(m_tokens[chain.begin], piece, out);
    return close + 1;
}

bool SqlWriter::writeSpecialFunction(QStringView lowerName,
                                     const std::vector<std::pair<int, int>> &args, int open,
                                     int close, QString &piece)
{
    const int argumentDepth = m_tokens[open].depth + 1;
    if (lowerName == u"cast") {
        for (int at = open + 1; at < close; ++at) {
            if (m_tokens[at].keyword == Keyword::As && m_tokens[at].depth == argumentDepth) {
                int next = at + 1;
                const QString expression = writePiece(open + 1, at);
                piece = m_context.dialect.castExpression(expression, readType(at + 1, next));
                return !failed();
            }
        }
        fail(QStringLiteral("CAST without AS"));
        return false;
    }
    if (lowerName == u"convert") {
        if (args.size() < 2 || args.size() > 3) {
            fail(QStringLiteral("CONVERT takes 2 or 3 arguments"));
            return false;
        }
        int next = 0;
        const SqlType type = readType(args[0].first, next);
        const QString expression = writePiece(args[1].first, args[1].second);
        const int style = args.size() == 3 ? m_tokens.text(args[2].first).toInt() : -1;
        QString reason;
        if (!m_context.dialect.convertExpression(type, expression, style, piece, reason))
            fail(reason);
        return !failed();
    }
    const bool literal = args.size() >= 1 && args[0].second == args[0].first + 1
        && (m_tokens[args[0].first].type == TokenType::String
            || m_tokens[args[0].first].type == TokenType::NString);
    if (!literal) {
        fail(QStringLiteral("OBJECT_ID needs the object's name as a text literal"));
        return false;
    }
    ObjectName object;
    QString reason;
    if (!parseObjectName(unquotedText(m_tokens, m_tokens[args[0].first]), object, reason)) {
        fail(reason);
        return false;
    }
    piece = m_context.dialect.objectIdExpression(object);
    return true;
}

SqlType SqlWriter::readType(int index, int &next)
{
    SqlType type;
    if (index >= m_tokens.size() || !isNameToken(m_tokens[index])) {
        fail(QStringLiteral("a type name is missing"));
        next = index;
        return type;
    }
    type.name = unquotedText(m_tokens, m_tokens[index]).toLower();
    // T-SQL's other name of int; the dialects map int alone.
    if (type.name == u"integer")
        type.name = QStringLiteral("int");
    next = index + 1;
    if (next < m_tokens.size() && m_tokens[next].type == TokenType::OpenParen) {
        const int close = matchingClose(next);
        QString argument;
        for (int at = next + 1; at < close; ++at) {
            if (m_tokens[at].type == TokenType::Comma) {
                type.arguments.append(argument);
                argument.clear();
            } else {
                argument += m_tokens.text(at);
            }
        }
        type.arguments.append(argument);
        next = close + 1;
    }
    return type;
}

bool SqlWriter::isChainBoundary(int index) const
{
    const Token &token = m_tokens[index];
    switch (token.type) {
    case TokenType::Comma:
    case TokenType::Semicolon:
        return true;
    case TokenType::Operator:
        return isComparison(m_tokens.text(token));
    case TokenType::Word:
        if (token.keyword == Keyword::Left || token.keyword == Keyword::Right)
            return index + 1 >= m_tokens.size() || m_tokens[index + 1].type != TokenType::OpenParen;
        return token.keyword != Keyword::None;
    default:
        return false;
    }
}

// SQL Server decides '+' by the operands' types: one text operand in a chain of additions
// makes the whole chain a concatenation. The answer holds for every '+' of the chain, so a
// long chain is read once, not once per '+'.
bool SqlWriter::isConcatenation(int plus)
{
    const int depth = m_tokens[plus].depth;
    if (plus > m_lastChain.begin && plus < m_lastChain.end && depth == m_lastChain.depth)
        return m_lastChain.concatenates;
    int begin = plus - 1;
    while (begin >= 0 && m_tokens[begin].depth >= depth
           && !(m_tokens[begin].depth == depth && isChainBoundary(begin))) {
        --begin;
    }
    int end = plus + 1;
    while (end < m_tokens.size() && m_tokens[end].depth >= depth
           && !(m_tokens[end].depth == depth && isChainBoundary(end))) {
        ++end;
    }
    m_lastChain = { begin, end, depth, isTextExpression(begin + 1, end, depth) };
    return m_lastChain.concatenates;
}

// Function arguments are split at their commas, so any text argument of ISNULL counts.
bool SqlWriter::isTextExpression(int begin, int end, int depth) const
{
    int start = begin;
    for (int at = begin; at <= end; ++at) {
        const bool split = at == end
            || (m_tokens[at].depth == depth
                && (m_tokens[at].type == TokenType::Comma
                    || isOperator(m_tokens, at, QLatin1StringView("+"))
                    || isOperator(m_tokens, at, QLatin1StringView("-"))));
        if (!split)
            continue;
        if (start < at && isTextOperand(start, at))
            return true;
        start = at + 1;
    }
    return false;
}

bool SqlWriter::isTextOperand(int begin, int end) const
{
    const Token &token = m_tokens[begin];
    switch (token.type) {
    case TokenType::String:
    case TokenType::NString:
        return true;
    case TokenType::Variable:
        return m_context.variables.value(m_tokens.text(token).mid(1).toString().toLower()).isText();
    case TokenType::OpenParen:
        return isTextExpression(begin + 1, matchingClose(begin), token.depth + 1);
    case TokenType::Word:
    case TokenType::QuotedName:
        break;
    default:
        return false;
    }
    const NameChain chain = readName(begin);
    const int count = int(chain.parts.size());
    if (chain.end < end && m_tokens[chain.end].type == TokenType::OpenParen) {
        const QString lower = lastPart(chain).toLower();
        if (returnsText(lower))
            return true;
        const int close = matchingClose(chain.end);
        if (lower == u"cast" || lower == u"convert") {
            const int depth = m_tokens[chain.end].depth + 1;
            int typeAt = chain.end + 1;
            for (int at = chain.end + 1; lower == u"cast" && at < close; ++at) {
                if (m_tokens[at].keyword == Keyword::As && m_tokens[at].depth == depth)
                    typeAt = at + 1;
            }
            return typeAt < close
                && SqlType{ unquotedText(m_tokens, m_tokens[typeAt]).toLower(), {} }.isText();
        }
        return passesTextThrough(lower)
            && isTextExpression(chain.end + 1, close, m_tokens[chain.end].depth + 1);
    }
    if (!m_context.isTextColumn || count == 0 || chain.parts.back() < 0)
        return false;
    const QString qualifier = count >= 2 && chain.parts[count - 2] >= 0
        ? unquotedText(m_tokens, m_tokens[chain.parts[count - 2]])
        : QString();
    return m_context.isTextColumn(qualifier, lastPart(chain));
}

} // namespace suite::tsql
