#include "suite/data/RecordSetFilter.h"

#include "suite/data/RecordSet.h"

#include <QDateTime>

#include <vector>

namespace suite {

namespace {

enum class TokenKind { End, Name, Text, Number, Date, Operator, LeftParen, RightParen, Keyword };

struct Token
{
    TokenKind kind = TokenKind::End;
    QString text; // the name, the literal's content, the operator, or the keyword in upper case
    qsizetype position = 0; // 1-based, for messages
};

const QStringList kKeywords = { QStringLiteral("AND"),  QStringLiteral("OR"),
                                QStringLiteral("LIKE"), QStringLiteral("IS"),
                                QStringLiteral("NOT"),  QStringLiteral("NULL"),
                                QStringLiteral("TRUE"), QStringLiteral("FALSE") };

QString syntaxError(qsizetype position, const QString &what)
{
    return QStringLiteral("Filter syntax error at position %1: %2").arg(position).arg(what);
}

bool isNameStart(QChar c)
{
    return c.isLetter() || c == u'_' || c.unicode() > 127;
}

bool isNamePart(QChar c)
{
    return isNameStart(c) || c.isDigit() || c == u'$' || c == u'@';
}

// Splits the filter text into tokens. There is no arithmetic in the language, so a sign
// directly before a digit belongs to the number.
class Tokenizer
{
public:
    explicit Tokenizer(const QString &text)
        : m_text(text)
    { }

    bool run(std::vector<Token> &tokens, QString &sMsg)
    {
        while (skipBlanks()) {
            Token token;
            token.position = m_pos + 1;
            if (!next(token, sMsg))
                return false;
            tokens.push_back(token);
        }
        tokens.push_back(Token{ TokenKind::End, QString(), m_text.size() + 1 });
        return true;
    }

private:
    bool skipBlanks()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
        return m_pos < m_text.size();
    }

    QChar peek(qsizetype ahead = 0) const
    {
        return m_pos + ahead < m_text.size() ? m_text.at(m_pos + ahead) : QChar();
    }

    bool next(Token &token, QString &sMsg)
    {
        const QChar c = peek();
        if (c == u'\'')
            return readText(token, sMsg);
        if (c == u'[')
            return readDelimited(token, u']', TokenKind::Name, QStringLiteral("field name"), sMsg);
        if (c == u'#')
            return readDelimited(token, u'#', TokenKind::Date, QStringLiteral("date"), sMsg);
        if (c == u'(' || c == u')') {
            token.kind = c == u'(' ? TokenKind::LeftParen : TokenKind::RightParen;
            token.text = c;
            ++m_pos;
            return true;
        }
        if (c == u'=' || c == u'<' || c == u'>')
            return readOperator(token);
        if (c.isDigit() || ((c == u'-' || c == u'+' || c == u'.') && startsNumber()))
            return readNumber(token);
        if (isNameStart(c))
            return readWord(token);
        sMsg = syntaxError(token.position, QStringLiteral("unexpected character '%1'.").arg(c));
        return false;
    }

    bool startsNumber() const
    {
        const QChar second = peek(1);
        return second.isDigit() || (peek() != u'.' && second == u'.' && peek(2).isDigit());
    }

    bool readText(Token &token, QString &sMsg)
    {
        token.kind = TokenKind::Text;
        ++m_pos;
        while (m_pos < m_text.size()) {
            const QChar c = m_text.at(m_pos++);
            if (c != u'\'') {
                token.text += c;
            } else if (peek() == u'\'') {
                token.text += c;
                ++m_pos;
            } else {
                return true;
            }
        }
        sMsg = syntaxError(token.position, QStringLiteral("the text value has no closing quote."));
        return false;
    }

    bool readDelimited(Token &token, QChar close, TokenKind kind, const QString &what,
                       QString &sMsg)
    {
        const qsizetype end = m_text.indexOf(close, m_pos + 1);
        if (end < 0) {
            sMsg = syntaxError(token.position,
                               QStringLiteral("the %1 has no closing '%2'.").arg(what, close));
            return false;
        }
        token.kind = kind;
        token.text = m_text.mid(m_pos + 1, end - m_pos - 1).trimmed();
        m_pos = end + 1;
        if (token.text.isEmpty()) {
            sMsg = syntaxError(token.position, QStringLiteral("the %1 is empty.").arg(what));
            return false;
        }
        return true;
    }

    bool readOperator(Token &token)
    {
        token.kind = TokenKind::Operator;
        token.text = m_text.at(m_pos++);
        const QChar second = peek();
        if ((token.text == u'<' && (second == u'>' || second == u'='))
            || (token.text == u'>' && second == u'=')) {
            token.text += second;
            ++m_pos;
        }
        return true;
    }

    bool readNumber(Token &token)
    {
        token.kind = TokenKind::Number;
        const qsizetype start = m_pos;
        if (peek() == u'-' || peek() == u'+')
            ++m_pos;
        while (peek().isDigit() || peek() == u'.')
            ++m_pos;
        if ((peek() == u'e' || peek() == u'E')
            && (peek(1).isDigit() || ((peek(1) == u'-' || peek(1) == u'+') && peek(2).isDigit()))) {
            m_pos += 2;
            while (peek().isDigit())
                ++m_pos;
        }
        token.text = m_text.mid(start, m_pos - start);
        return true;
    }

    bool readWord(Token &token)
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && isNamePart(m_text.at(m_pos)))
            ++m_pos;
        token.text = m_text.mid(start, m_pos - start);
        const QString upper = token.text.toUpper();
        token.kind = kKeywords.contains(upper) ? TokenKind::Keyword : TokenKind::Name;
        if (token.kind == TokenKind::Keyword)
            token.text = upper;
        return true;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
};

enum class Op { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual, Like, IsNull, IsNotNull };

Op operatorOf(const QString &text)
{
    if (text == u"=")
        return Op::Equal;
    if (text == u"<>")
        return Op::NotEqual;
    if (text == u"<")
        return Op::Less;
    if (text == u">")
        return Op::Greater;
    if (text == u"<=")
        return Op::LessEqual;
    return Op::GreaterEqual;
}

bool orderSatisfies(Op op, int order)
{
    switch (op) {
    case Op::Equal:
        return order == 0;
    case Op::NotEqual:
        return order != 0;
    case Op::Less:
        return order < 0;
    case Op::Greater:
        return order > 0;
    case Op::LessEqual:
        return order <= 0;
    case Op::GreaterEqual:
        return order >= 0;
    default:
        return false;
    }
}

template<typename T> int orderOf(const T &a, const T &b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

// Calls f with the value's text, without copying when the value already is text.
template<typename F> auto withText(const QVariant &value, F f)
{
    if (value.typeId() == QMetaType::QString)
        return f(*static_cast<const QString *>(value.constData()));
    return f(value.toString());
}

bool numberOf(const QVariant &value, double &number)
{
    switch (value.typeId()) {
    case QMetaType::Int:
        number = *static_cast<const int *>(value.constData());
        return true;
    case QMetaType::LongLong:
        number = double(*static_cast<const qlonglong *>(value.constData()));
        return true;
    case QMetaType::Double:
        number = *static_cast<const double *>(value.constData());
        return true;
    case QMetaType::Bool:
        number = *static_cast<const bool *>(value.constData()) ? 1 : 0;
        return true;
    case QMetaType::QString:
        return withText(value, [&number](const QString &text) {
            bool ok = false;
            number = text.trimmed().toDouble(&ok);
            return ok;
        });
    default: {
        bool ok = false;
        number = value.toDouble(&ok);
        return ok;
    }
    }
}

bool isNumberValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Bool:
        return true;
    default:
        return false;
    }
}

QDateTime parseDateText(const QString &text)
{
    const QString trimmed = text.trimmed();
    QDateTime date = dateTimeFromText(trimmed);
    if (date.isValid())
        return date;
    // ADO writes date literals the American way, month first.
    static const QStringList usFormats = { QStringLiteral("M/d/yyyy"),
                                           QStringLiteral("M/d/yyyy H:mm"),
                                           QStringLiteral("M/d/yyyy H:mm:ss"),
                                           QStringLiteral("M/d/yyyy h:mm AP"),
                                           QStringLiteral("M/d/yyyy h:mm:ss AP") };
    for (const QString &format : usFormats) {
        date = QDateTime::fromString(trimmed, format);
        if (date.isValid())
            return date;
    }
    return QDateTime();
}

QDateTime dateOf(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return *static_cast<const QDateTime *>(value.constData());
    case QMetaType::QDate:
        return static_cast<const QDate *>(value.constData())->startOfDay();
    case QMetaType::QString:
        return parseDateText(*static_cast<const QString *>(value.constData()));
    default:
        return QDateTime();
    }
}

bool isAnyRun(QChar c)
{
    return c == u'%' || c == u'*';
}

// Matches against a case-folded pattern; a failed match after a run wildcard resumes one
// character further, which keeps the work linear for the usual patterns.
bool likeMatches(QStringView text, QStringView pattern)
{
    qsizetype t = 0;
    qsizetype p = 0;
    qsizetype runAt = -1;
    qsizetype resumeAt = 0;
    while (t < text.size()) {
        if (p < pattern.size() && isAnyRun(pattern[p])) {
            runAt = p++;
            resumeAt = t;
        } else if (p < pattern.size() && pattern[p] == u'_') {
            t += text[t].isHighSurrogate() && t + 1 < text.size() ? 2 : 1;
            ++p;
        } else if (p < pattern.size() && pattern[p] == text[t].toCaseFolded()) {
            ++t;
            ++p;
        } else if (runAt >= 0) {
            p = runAt + 1;
            t = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && isAnyRun(pattern[p]))
        ++p;
    return p == pattern.size();
}

struct Comparison
{
    int field = -1;
    Op op = Op::Equal;
    TypeFamily family = TypeFamily::Other;
    QString text;
    bool hasNumber = false;
    double number = 0;
    QDateTime date;

    bool test(const QVariant &value) const
    {
        if (op == Op::IsNull)
            return value.isNull();
        if (op == Op::IsNotNull)
            return !value.isNull();
        if (value.isNull())
            return false;
        if (op == Op::Like)
            return withText(value, [this](const QString &s) { return likeMatches(s, text); });
        int order = 0;
        return orderAgainst(value, order) && orderSatisfies(op, order);
    }

    bool orderAgainst(const QVariant &value, int &order) const
    {
        switch (family) {
        case TypeFamily::Integer:
        case TypeFamily::Real:
        case TypeFamily::Boolean:
            return numberOrder(value, order);
        case TypeFamily::DateTime:
            return dateOrder(value, order);
        case TypeFamily::Text:
            order = textOrder(value);
            return true;
        default:
            return dynamicOrder(value, order);
        }
    }

    bool numberOrder(const QVariant &value, int &order) const
    {
        double v = 0;
        if (!numberOf(value, v))
            return false;
        if (family == TypeFamily::Boolean)
            v = v != 0 ? 1 : 0;
        order = orderOf(v, number);
        return true;
    }

    bool dateOrder(const QVariant &value, int &order) const
    {
        const QDateTime v = dateOf(value);
        if (!v.isValid())
            return false;
        order = orderOf(v, date);
        return true;
    }

    int textOrder(const QVariant &value) const
    {
        return withText(value, [this](const QString &s) {
            return QString::compare(s, text, Qt::CaseInsensitive);
        });
    }

    // A column of unknown type compares in the manner its value suggests.
    bool dynamicOrder(const QVariant &value, int &order) const
    {
        if (hasNumber && isNumberValue(value))
            return numberOrder(value, order);
        const int type = value.typeId();
        if (date.isValid() && (type == QMetaType::QDateTime || type == QMetaType::QDate))
            return dateOrder(value, order);
        order = textOrder(value);
        return true;
    }
};

} // namespace

struct RecordSetFilter::Node
{
    enum class Kind { And, Or, Compare };

    Kind kind = Kind::Compare;
    std::vector<Node> children;
    Comparison comparison;

    bool matches(const QVariant *row) const
    {
        switch (kind) {
        case Kind::And:
            for (const Node &child : children) {
                if (!child.matches(row))
                    return false;
            }
            return true;
        case Kind::Or:
            for (const Node &child : children) {
                if (child.matches(row))
                    return true;
            }
            return false;
        default:
            return comparison.test(row[comparison.field]);
        }
    }
};

namespace {

using Node = RecordSetFilter::Node;

// Recursive descent over: filter = and {OR and}; and = primary {AND primary};
// primary = '(' filter ')' | field op value | field IS [NOT] NULL. The bracket depth is bounded,
// so neither the parse nor the match of a hostile filter exhausts the stack.
class Parser
{
public:
    static constexpr int kMaxBracketDepth = 128;

    Parser(const std::vector<Token> &tokens, const QList<Field> &fields)
        : m_tokens(tokens)
        , m_fields(fields)
    { }

    bool parse(Node &root, QString &sMsg)
    {
        if (!parseOr(root))
            return fail(sMsg);
        if (current().kind != TokenKind::End) {
            m_error = syntaxError(current().position,
                                  QStringLiteral("AND, OR or the end of the filter is expected "
                                                 "instead of '%1'.")
                                      .arg(current().text));
            return fail(sMsg);
        }
        return true;
    }

private:
    const Token &current() const { return m_tokens[m_at]; }
    const Token &take() { return m_tokens[m_at++]; }
    bool isKeyword(const char16_t *word) const
    {
        return current().kind == TokenKind::Keyword && current().text == word;
    }

    bool fail(QString &sMsg) const
    {
        sMsg = m_error;
        return false;
    }

    bool expected(const QString &what)
    {
        const Token &token = current();
        const QString found = token.kind == TokenKind::End ? QStringLiteral("the end of the filter")
                                                           : QStringLiteral("'%1'").arg(token.text);
        m_error = syntaxError(token.position,
                              QStringLiteral("%1 is expected instead of %2.").arg(what, found));
        return false;
    }

    bool parseJoined(Node &node, Node::Kind kind, const char16_t *keyword,
                     bool (Parser::*parsePart)(Node &))
    {
        Node first;
        if (!(this->*parsePart)(first))
            return false;
        if (!isKeyword(keyword)) {
            node = std::move(first);
            return true;
        }
        node.kind = kind;
        node.children.push_back(std::move(first));
        while (isKeyword(keyword)) {
            take();
            Node next;
            if (!(this->*parsePart)(next))
                return false;
            node.children.push_back(std::move(next));
        }
        return true;
    }

    bool parseOr(Node &node) { return parseJoined(node, Node::Kind::Or, u"OR", &Parser::parseAnd); }

    bool parseAnd(Node &node)
    {
        return parseJoined(node, Node::Kind::And, u"AND", &Parser::parsePrimary);
    }

    bool parsePrimary(Node &node)
    {
        if (current().kind != TokenKind::LeftParen)
            return parseComparison(node.comparison);
        if (m_depth >= kMaxBracketDepth) {
            m_error = syntaxError(
                current().position,
                QStringLiteral("brackets are nested more than %1 deep.").arg(kMaxBracketDepth));
            return false;
        }
        take();
        ++m_depth;
        const bool parsed = parseOr(node);
        --m_depth;
        if (!parsed)
            return false;
        if (current().kind != TokenKind::RightParen)
            return expected(QStringLiteral("')'"));
        take();
        return true;
    }

    bool parseComparison(Comparison &comparison)
    {
        if (current().kind != TokenKind::Name)
            return expected(QStringLiteral("a field name"));
        const Token &name = take();
        comparison.field = fieldIndex(name.text);
        if (comparison.field < 0) {
            m_error = QStringLiteral("Filter error at position %1: the field '%2' does not exist.")
                          .arg(name.position)
                          .arg(name.text);
            return false;
        }
        comparison.family = typeFamily(m_fields.at(comparison.field).type);
        if (isKeyword(u"IS"))
            return parseIsNull(comparison);
        if (isKeyword(u"LIKE")) {
            take();
            comparison.op = Op::Like;
            return parseLikePattern(comparison);
        }
        if (current().kind != TokenKind::Operator)
            return expected(QStringLiteral("a comparison operator"));
        comparison.op = operatorOf(take().text);
        return parseValue(comparison);
    }

    bool parseIsNull(Comparison &comparison)
    {
        take();
        comparison.op = Op::IsNull;
        if (isKeyword(u"NOT")) {
            take();
            comparison.op = Op::IsNotNull;
        }
        if (!isKeyword(u"NULL"))
            return expected(QStringLiteral("NULL"));
        take();
        return true;
    }

    bool parseLikePattern(Comparison &comparison)
    {
        const TokenKind kind = current().kind;
        if (kind != TokenKind::Text && kind != TokenKind::Number)
            return expected(QStringLiteral("a quoted pattern after LIKE"));
        if (comparison.family == TypeFamily::Binary)
            return binaryFieldError(comparison);
        comparison.text = take().text.toCaseFolded();
        return true;
    }

    bool parseValue(Comparison &comparison)
    {
        const Token &value = current();
        if (value.kind == TokenKind::Keyword && value.text == u"NULL")
            return parseNullValue(comparison);
        if (value.kind != TokenKind::Text && value.kind != TokenKind::Number
            && value.kind != TokenKind::Date
            && !(value.kind == TokenKind::Keyword
                 && (value.text == u"TRUE" || value.text == u"FALSE")))
            return expected(QStringLiteral("a value"));
        take();
        return bindLiteral(comparison, value);
    }

    bool parseNullValue(Comparison &comparison)
    {
        if (comparison.op != Op::Equal && comparison.op != Op::NotEqual) {
            m_error = syntaxError(current().position,
                                  QStringLiteral("only =, <> and IS compare with NULL."));
            return false;
        }
        comparison.op = comparison.op == Op::Equal ? Op::IsNull : Op::IsNotNull;
        take();
        return true;
    }

    // Converts the literal once to the form the field's values are compared in.
    bool bindLiteral(Comparison &comparison, const Token &value)
    {
        comparison.text = value.text;
        if (value.kind == TokenKind::Keyword) {
            comparison.hasNumber = true;
            comparison.number = value.text == u"TRUE" ? 1 : 0;
        } else if (value.kind != TokenKind::Date) {
            comparison.number = value.text.trimmed().toDouble(&comparison.hasNumber);
        }
        bindBoolean(comparison);
        const bool mayBeDate =
            comparison.family == TypeFamily::DateTime || comparison.family == TypeFamily::Other;
        if (mayBeDate && value.kind != TokenKind::Number)
            comparison.date = parseDateText(value.text);
        switch (comparison.family) {
        case TypeFamily::Integer:
        case TypeFamily::Real:
        case TypeFamily::Boolean:
            return comparison.hasNumber || literalError(comparison, value, "numbers");
        case TypeFamily::DateTime:
            return comparison.date.isValid() || literalError(comparison, value, "dates");
        case TypeFamily::Binary:
            return binaryFieldError(comparison);
        default:
            return true;
        }
    }

    // Any non-zero number is true, as the words True and False are accepted in quotes too.
    static void bindBoolean(Comparison &comparison)
    {
        if (comparison.family != TypeFamily::Boolean)
            return;
        if (comparison.hasNumber) {
            comparison.number = comparison.number != 0 ? 1 : 0;
            return;
        }
        const bool isTrue = comparison.text.compare(u"true", Qt::CaseInsensitive) == 0;
        if (isTrue || comparison.text.compare(u"false", Qt::CaseInsensitive) == 0) {
            comparison.hasNumber = true;
            comparison.number = isTrue ? 1 : 0;
        }
    }

    bool literalError(const Comparison &comparison, const Token &value, const char *kind)
    {
        m_error = QStringLiteral("Filter error at position %1: the field '%2' holds %3, and '%4' "
                                 "is not one.")
                      .arg(value.position)
                      .arg(m_fields.at(comparison.field).name, QLatin1String(kind), value.text);
        return false;
    }

    bool binaryFieldError(const Comparison &comparison)
    {
        m_error = QStringLiteral("Filter error: the binary field '%1' can only be tested for NULL.")
                      .arg(m_fields.at(comparison.field).name);
        return false;
    }

    int fieldIndex(const QString &name) const
    {
        for (int i = 0; i < m_fields.size(); ++i) {
            if (m_fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }

    const std::vector<Token> &m_tokens;
    const QList<Field> &m_fields;
    size_t m_at = 0;
    int m_depth = 0;
    QString m_error;
};

} // namespace

bool RecordSetFilter::compile(const QString &text, const QList<Field> &fields,
                              RecordSetFilter &filter, QString &sMsg)
{
    std::vector<Token> tokens;
    if (!Tokenizer(text).run(tokens, sMsg))
        return false;
    if (tokens.size() == 1) {
        sMsg = QStringLiteral("The filter is empty.");
        return false;
    }
    auto root = std::make_shared<Node>();
    if (!Parser(tokens, fields).parse(*root, sMsg))
        return false;
    filter.m_root = std::move(root);
    return true;
}

bool RecordSetFilter::matches(const QVariant *row) const
{
    return !m_root || m_root->matches(row);
}

} // namespace suite
