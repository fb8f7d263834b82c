#include "suite/data/tsql/SqlLexer.h"

#include <array>
#include <vector>

namespace suite::tsql {

namespace {

struct KeywordEntry
{
    QLatin1StringView text;
    Keyword keyword;
};

constexpr KeywordEntry kKeywords[] = {
    { QLatin1StringView("add"), Keyword::Add },
    { QLatin1StringView("all"), Keyword::All },
    { QLatin1StringView("alter"), Keyword::Alter },
    { QLatin1StringView("and"), Keyword::And },
    { QLatin1StringView("as"), Keyword::As },
    { QLatin1StringView("asc"), Keyword::Asc },
    { QLatin1StringView("begin"), Keyword::Begin },
    { QLatin1StringView("between"), Keyword::Between },
    { QLatin1StringView("by"), Keyword::By },
    { QLatin1StringView("case"), Keyword::Case },
    { QLatin1StringView("check"), Keyword::Check },
    { QLatin1StringView("clustered"), Keyword::Clustered },
    { QLatin1StringView("collate"), Keyword::Collate },
    { QLatin1StringView("column"), Keyword::Column },
    { QLatin1StringView("commit"), Keyword::Commit },
    { QLatin1StringView("constraint"), Keyword::Constraint },
    { QLatin1StringView("create"), Keyword::Create },
    { QLatin1StringView("cross"), Keyword::Cross },
    { QLatin1StringView("declare"), Keyword::Declare },
    { QLatin1StringView("default"), Keyword::Default },
    { QLatin1StringView("delete"), Keyword::Delete },
    { QLatin1StringView("desc"), Keyword::Desc },
    { QLatin1StringView("distinct"), Keyword::Distinct },
    { QLatin1StringView("drop"), Keyword::Drop },
    { QLatin1StringView("else"), Keyword::Else },
    { QLatin1StringView("end"), Keyword::End },
    { QLatin1StringView("escape"), Keyword::Escape },
    { QLatin1StringView("except"), Keyword::Except },
    { QLatin1StringView("exec"), Keyword::Exec },
    { QLatin1StringView("execute"), Keyword::Execute },
    { QLatin1StringView("exists"), Keyword::Exists },
    { QLatin1StringView("foreign"), Keyword::Foreign },
    { QLatin1StringView("from"), Keyword::From },
    { QLatin1StringView("full"), Keyword::Full },
    { QLatin1StringView("go"), Keyword::Go },
    { QLatin1StringView("group"), Keyword::Group },
    { QLatin1StringView("having"), Keyword::Having },
    { QLatin1StringView("identity"), Keyword::Identity },
    { QLatin1StringView("if"), Keyword::If },
    { QLatin1StringView("in"), Keyword::In },
    { QLatin1StringView("include"), Keyword::Include },
    { QLatin1StringView("index"), Keyword::Index },
    { QLatin1StringView("inner"), Keyword::Inner },
    { QLatin1StringView("insert"), Keyword::Insert },
    { QLatin1StringView("intersect"), Keyword::Intersect },
    { QLatin1StringView("into"), Keyword::Into },
    { QLatin1StringView("is"), Keyword::Is },
    { QLatin1StringView("join"), Keyword::Join },
    { QLatin1StringView("key"), Keyword::Key },
    { QLatin1StringView("left"), Keyword::Left },
    { QLatin1StringView("like"), Keyword::Like },
    { QLatin1StringView("nonclustered"), Keyword::Nonclustered },
    { QLatin1StringView("not"), Keyword::Not },
    { QLatin1StringView("null"), Keyword::Null },
    { QLatin1StringView("on"), Keyword::On },
    { QLatin1StringView("option"), Keyword::Option },
    { QLatin1StringView("or"), Keyword::Or },
    { QLatin1StringView("order"), Keyword::Order },
    { QLatin1StringView("outer"), Keyword::Outer },
    { QLatin1StringView("percent"), Keyword::Percent },
    { QLatin1StringView("primary"), Keyword::Primary },
    { QLatin1StringView("print"), Keyword::Print },
    { QLatin1StringView("proc"), Keyword::Procedure },
    { QLatin1StringView("procedure"), Keyword::Procedure },
    { QLatin1StringView("references"), Keyword::References },
    { QLatin1StringView("return"), Keyword::Return },
    { QLatin1StringView("right"), Keyword::Right },
    { QLatin1StringView("rollback"), Keyword::Rollback },
    { QLatin1StringView("rowguidcol"), Keyword::Rowguidcol },
    { QLatin1StringView("select"), Keyword::Select },
    { QLatin1StringView("set"), Keyword::Set },
    { QLatin1StringView("table"), Keyword::Table },
    { QLatin1StringView("textimage_on"), Keyword::TextimageOn },
    { QLatin1StringView("then"), Keyword::Then },
    { QLatin1StringView("top"), Keyword::Top },
    { QLatin1StringView("truncate"), Keyword::Truncate },
    { QLatin1StringView("union"), Keyword::Union },
    { QLatin1StringView("unique"), Keyword::Unique },
    { QLatin1StringView("update"), Keyword::Update },
    { QLatin1StringView("values"), Keyword::Values },
    { QLatin1StringView("view"), Keyword::View },
    { QLatin1StringView("when"), Keyword::When },
    { QLatin1StringView("where"), Keyword::Where },
    { QLatin1StringView("while"), Keyword::While },
    { QLatin1StringView("with"), Keyword::With },
};

constexpr char16_t asciiLower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

constexpr int kLongestKeyword = 12;

constexpr size_t kKeywordBuckets = 26 * (kLongestKeyword + 1);

constexpr size_t keywordBucket(QLatin1StringView lowerWord)
{
    return size_t(lowerWord.front().toLatin1() - 'a') * (kLongestKeyword + 1)
        + size_t(lowerWord.size());
}

// The keywords grouped by first letter and length, so that most names are known not to be
// keywords without a single comparison and the others are compared with one or two.
struct KeywordIndex
{
    std::array<KeywordEntry, std::size(kKeywords)> entries{};
    // Where each bucket starts in entries; the next bucket's start ends it.
    std::array<quint8, kKeywordBuckets + 1> starts{};
};

constexpr KeywordIndex kKeywordIndex = [] {
    KeywordIndex index;
    for (const KeywordEntry &entry : kKeywords)
        ++index.starts[keywordBucket(entry.text) + 1];
    for (size_t bucket = 0; bucket < kKeywordBuckets; ++bucket)
        index.starts[bucket + 1] += index.starts[bucket];
    std::array<quint8, kKeywordBuckets> filled{};
    for (const KeywordEntry &entry : kKeywords) {
        const size_t bucket = keywordBucket(entry.text);
        index.entries[index.starts[bucket] + filled[bucket]++] = entry;
    }
    return index;
}();

// text and lower, of the same length, are equal when text is taken in lower case.
inline bool equalsLowerAscii(QStringView text, QLatin1StringView lower)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (asciiLower(text[i].unicode()) != char16_t(uchar(lower[i].toLatin1())))
            return false;
    }
    return true;
}

inline Keyword findKeyword(QStringView word)
{
    if (word.size() < 2 || word.size() > kLongestKeyword)
        return Keyword::None;
    const char16_t first = asciiLower(word.front().unicode());
    if (first < u'a' || first > u'z')
        return Keyword::None;
    const size_t bucket = size_t(first - u'a') * (kLongestKeyword + 1) + size_t(word.size());
    for (size_t at = kKeywordIndex.starts[bucket]; at < kKeywordIndex.starts[bucket + 1]; ++at) {
        if (equalsLowerAscii(word, kKeywordIndex.entries[at].text))
            return kKeywordIndex.entries[at].keyword;
    }
    return Keyword::None;
}

// Special marks the name characters that keep a word from being a plain name, PlainPart the
// others.
enum CharClass : quint8 { NameStart = 1, NamePart = 2, Blank = 4, Special = 8, PlainPart = 16 };

// What a character can begin; the lexer picks its road with one look-up.
enum class Start : quint8 {
    Other,
    Blank,
    Name,
    Digit,
    Variable,
    Quote,
    Bracket,
    DoubleQuote,
    Dot,
    Minus,
    Slash,
    Comma,
    Semicolon,
    Open,
    Close,
};

struct AsciiTables
{
    std::array<quint8, 128> classes{};
    std::array<Start, 128> starts{};
};

// Names are ASCII almost always; the Unicode tables are asked only for other characters.
constexpr AsciiTables kAscii = [] {
    AsciiTables tables;
    for (int c = 0; c < 128; ++c) {
        quint8 &classes = tables.classes[size_t(c)];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (letter || c == '_' || c == '#')
            classes |= NameStart | NamePart;
        if ((c >= '0' && c <= '9') || c == '$' || c == '@')
            classes |= NamePart;
        if (c == '#' || c == '$' || c == '@')
            classes |= Special;
        else if (classes & NamePart)
            classes |= PlainPart;
        if (c == ' ' || (c >= '\t' && c <= '\r'))
            classes |= Blank;
        Start &start = tables.starts[size_t(c)];
        if (classes & Blank)
            start = Start::Blank;
        else if (classes & NameStart)
            start = Start::Name;
        else if (c >= '0' && c <= '9')
            start = Start::Digit;
    }
    tables.starts['@'] = Start::Variable;
    tables.starts['\''] = Start::Quote;
    tables.starts['['] = Start::Bracket;
    tables.starts['"'] = Start::DoubleQuote;
    tables.starts['.'] = Start::Dot;
    tables.starts['-'] = Start::Minus;
    tables.starts['/'] = Start::Slash;
    tables.starts[','] = Start::Comma;
    tables.starts[';'] = Start::Semicolon;
    tables.starts['('] = Start::Open;
    tables.starts[')'] = Start::Close;
    return tables;
}();

inline bool isNamePart(QChar c)
{
    const char16_t u = c.unicode();
    return u < 128 ? (kAscii.classes[u] & NamePart) != 0 : c.isLetterOrNumber();
}

inline bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

inline Start startOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 128)
        return kAscii.starts[u];
    if (c.isLetter())
        return Start::Name;
    return c.isSpace() ? Start::Blank : Start::Other;
}

// The lexer reads the text through a plain pointer and size: a reference to the QString would
// make the compiler read its size again after every token stored.
class Lexer
{
public:
    Lexer(const QString &text, TokenList &list)
        : m_data(text.constData())
        , m_size(int(text.size()))
        , m_list(list)
    {
        m_list.source = text;
    }

    bool run(QString &sMsg)
    {
        m_list.tokens.clear();
        m_list.tokens.reserve(size_t(m_size / 4 + 8));
        m_list.maxDepth = 0;
        while (m_pos < m_size) {
            if (!next())
                break;
        }
        if (m_error.isEmpty() && m_depth > 0)
            fail(m_size, QStringLiteral("a parenthesis is not closed"));
        if (m_error.isEmpty())
            checkNameChains();
        if (!m_error.isEmpty()) {
            sMsg = m_error;
            return false;
        }
        return true;
    }

private:
    bool next()
    {
        const QChar c = m_data[m_pos];
        const Start start = startOf(c);
        // Names and blanks are most of a statement: plain branches take them, which the
        // processor predicts far better than the jump table of the switch.
        if (start == Start::Name) {
            if ((c == u'N' || c == u'n') && peek(1) == u'\'')
                return quoted(TokenType::NString, m_pos + 1, u'\'');
            return word(TokenType::Word, m_pos);
        }
        if (start == Start::Blank) {
            m_pos = blankEnd(m_pos + 1);
            m_space = true;
            return true;
        }
        switch (start) {
        case Start::Blank:
        case Start::Name:
            break;
        case Start::Digit:
            return number();
        case Start::Variable:
            return word(TokenType::Variable, m_pos);
        case Start::Quote:
            return quoted(TokenType::String, m_pos, u'\'');
        case Start::Bracket:
            return quoted(TokenType::QuotedName, m_pos, u']');
        case Start::DoubleQuote:
            return quoted(TokenType::QuotedName, m_pos, u'"');
        case Start::Dot:
            if (isDigit(peek(1)))
                return number();
            return single(TokenType::Dot);
        case Start::Minus:
            if (peek(1) == u'-')
                return skipLineComment();
            return operatorToken(c);
        case Start::Slash:
            if (peek(1) == u'*')
                return skipBlockComment();
            return operatorToken(c);
        case Start::Comma:
            return single(TokenType::Comma);
        case Start::Semicolon:
            return single(TokenType::Semicolon);
        case Start::Open:
            return openParen();
        case Start::Close:
            return closeParen();
        case Start::Other:
            break;
        }
        return operatorToken(c);
    }

    int blankEnd(int at) const
    {
        while (at < m_size && startOf(m_data[at]) == Start::Blank)
            ++at;
        return at;
    }

    // The end of the characters of a name from `at`; plain is cleared by any but ASCII
    // letters, digits and '_'. Those come first and almost always alone, so they are taken
    // by a loop of their own.
    int namePartEnd(int at, bool &plain) const
    {
        const QChar *p = m_data + at;
        const QChar *const end = m_data + m_size;
        while (p < end && p->unicode() < 128 && (kAscii.classes[p->unicode()] & PlainPart))
            ++p;
        for (; p < end; ++p) {
            const char16_t u = p->unicode();
            if (u < 128 ? !(kAscii.classes[u] & NamePart) : !p->isLetterOrNumber())
                break;
            if (u >= 128 || (kAscii.classes[u] & Special))
                plain = false;
        }
        return int(p - m_data);
    }

    QChar peek(int offset) const
    {
        const int at = m_pos + offset;
        return at < m_size ? m_data[at] : QChar();
    }

    bool skipLineComment()
    {
        while (m_pos < m_size && m_data[m_pos] != u'\n')
            ++m_pos;
        m_space = true;
        return true;
    }

    // T-SQL block comments nest.
    bool skipBlockComment()
    {
        const int start = m_pos;
        int level = 0;
        while (m_pos < m_size) {
            if (m_data[m_pos] == u'/' && peek(1) == u'*') {
                ++level;
                m_pos += 2;
            } else if (m_data[m_pos] == u'*' && peek(1) == u'/') {
                m_pos += 2;
                if (--level == 0) {
                    m_space = true;
                    return true;
                }
            } else {
                ++m_pos;
            }
        }
        return fail(start, QStringLiteral("a comment is not closed"));
    }

    // The closing character doubled stands for itself inside the quotes.
    bool quoted(TokenType type, int quoteAt, QChar close)
    {
        const int start = m_pos;
        int at = quoteAt + 1;
        while (at < m_size) {
            if (m_data[at] == close) {
                if (at + 1 < m_size && m_data[at + 1] == close) {
                    at += 2;
                    continue;
                }
                m_pos = at + 1;
                emitToken(type, start);
                return true;
            }
            ++at;
        }
        const QString what = type == TokenType::QuotedName ? QStringLiteral("a quoted name")
                                                           : QStringLiteral("a text literal");
        return fail(start, what + QStringLiteral(" is not closed"));
    }

    // A run of digits followed by letters is a name (a table named after a GUID); a number
    // keeps its fraction and exponent.
    bool number()
    {
        const int start = m_pos;
        int at = m_pos;
        while (at < m_size && isDigit(m_data[at]))
            ++at;
        if (at < m_size && isNamePart(m_data[at]) && !isExponent(at)) {
            m_pos = at;
            return word(TokenType::Word, start);
        }
        if (at < m_size && m_data[at] == u'.') {
            ++at;
            while (at < m_size && isDigit(m_data[at]))
                ++at;
        }
        if (isExponent(at)) {
            at += (m_data[at + 1] == u'+' || m_data[at + 1] == u'-') ? 2 : 1;
            while (at < m_size && isDigit(m_data[at]))
                ++at;
        }
        if (at < m_size && isNamePart(m_data[at])) {
            m_pos = at;
            return word(TokenType::Word, start);
        }
        m_pos = at;
        emitToken(TokenType::Number, start);
        return true;
    }

    bool isExponent(int at) const
    {
        if (at + 1 >= m_size || (m_data[at] != u'e' && m_data[at] != u'E'))
            return false;
        const QChar after = m_data[at + 1];
        if (isDigit(after))
            return !runHasLetters(at + 1);
        return (after == u'+' || after == u'-') && at + 2 < m_size && isDigit(m_data[at + 2]);
    }

    bool runHasLetters(int at) const
    {
        while (at < m_size && isNamePart(m_data[at])) {
            if (!isDigit(m_data[at]))
                return true;
            ++at;
        }
        return false;
    }

    bool word(TokenType type, int start)
    {
        // Only a word the lexer starts itself can be plain: the others start with digits.
        const bool ownStart = m_pos == start;
        const char16_t first = m_data[start].unicode();
        bool plain = type == TokenType::Word && ownStart && first < 128
            && (kAscii.classes[first] & (NameStart | Special)) == NameStart;
        m_pos = namePartEnd(ownStart ? m_pos + 1 : m_pos, plain);
        // A part after a dot is always a name, so the keyword table is not asked.
        const bool qualified =
            !m_list.tokens.empty() && m_list.tokens.back().type == TokenType::Dot;
        Token &token = emitToken(type, start);
        token.plainName = plain;
        if (type == TokenType::Word && !qualified)
            token.keyword = findKeyword(QStringView(m_data + start, m_pos - start));
        return true;
    }

    bool single(TokenType type)
    {
        emitToken(type, m_pos++);
        return true;
    }

    bool openParen()
    {
        if (m_depth >= kMaxNestingDepth)
            return fail(
                m_pos,
                QStringLiteral("parentheses are nested more than %1 deep").arg(kMaxNestingDepth));
        single(TokenType::OpenParen);
        m_list.maxDepth = std::max(m_list.maxDepth, ++m_depth);
        return true;
    }

    bool closeParen()
    {
        if (m_depth == 0)
            return fail(m_pos, QStringLiteral("a closing parenthesis has no opening one"));
        --m_depth;
        return single(TokenType::CloseParen);
    }

    bool operatorToken(QChar c)
    {
        const int start = m_pos;
        ++m_pos;
        if (!QStringLiteral("+-*/%=<>!&|^~:").contains(c))
            return fail(start, QStringLiteral("the character '%1' is not understood").arg(c));
        const QChar second = peek(0);
        if ((second == u'=' && QStringLiteral("<>!+-*/%&|^").contains(c))
            || (c == u'<' && second == u'>') || (c == u'!' && (second == u'<' || second == u'>'))
            || (c == u':' && second == u':')) {
            ++m_pos;
        }
        emitToken(TokenType::Operator, start);
        return true;
    }

    Token &emitToken(TokenType type, int start)
    {
        Token &token = m_list.tokens.emplace_back();
        token.type = type;
        token.spaceBefore = m_space;
        token.start = start;
        token.length = m_pos - start;
        // Parentheses are emitted before an opening one counts and after a closing one
        // stops counting, so both stand outside.
        token.depth = m_depth;
        m_space = false;
        return token;
    }

    static bool isName(const Token &token)
    {
        return token.type == TokenType::QuotedName
            || (token.type == TokenType::Word && token.keyword == Keyword::None);
    }

    // Two dots in a row stand only between two names (db..table); anything else would leave a
    // name part empty.
    void checkNameChains()
    {
        const std::vector<Token> &tokens = m_list.tokens;
        for (size_t at = 1; at < tokens.size(); ++at) {
            if (tokens[at].type != TokenType::Dot || tokens[at - 1].type != TokenType::Dot)
                continue;
            const bool betweenNames = at >= 2 && isName(tokens[at - 2]) && at + 1 < tokens.size()
                && isName(tokens[at + 1]);
            if (!betweenNames) {
                fail(tokens[at].start, QStringLiteral("a dotted name has an empty part"));
                return;
            }
        }
    }

    bool fail(int at, const QString &reason)
    {
        m_error = QStringLiteral("%1 at character %2").arg(reason).arg(at + 1);
        m_pos = m_size;
        return false;
    }

    const QChar *const m_data;
    const int m_size;
    TokenList &m_list;
    int m_pos = 0;
    int m_depth = 0;
    bool m_space = false;
    QString m_error;
};

} // namespace

bool equalsNoCase(QStringView text, QLatin1StringView lower)
{
    return text.size() == lower.size() && equalsLowerAscii(text, lower);
}

bool equalsNoCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x != y && (x > 127 || y > 127 || asciiLower(x) != asciiLower(y)))
            return false;
    }
    return true;
}

Keyword keywordOf(QStringView word)
{
    return findKeyword(word);
}

bool tokenize(const QString &text, TokenList &list, QString &sMsg)
{
    return Lexer(text, list).run(sMsg);
}

QString unquotedText(const TokenList &list, const Token &token)
{
    QStringView text = list.text(token);
    if (token.type == TokenType::NString)
        text = text.mid(1);
    if (token.type != TokenType::String && token.type != TokenType::NString
        && token.type != TokenType::QuotedName) {
        return text.toString();
    }
    const QChar close = text.back();
    QString content = text.mid(1, text.size() - 2).toString();
    return content.replace(QString(2, close), QString(close));
}

} // namespace suite::tsql
