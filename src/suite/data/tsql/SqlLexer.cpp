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

// Special marks the name characters that keep a word from being a plain name.
// text and lower, of the same length, are equal when text is taken in lower case.
inline bool equalsLowerAscii(QStringView text, QLatin1StringView lower)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (asciiLower(text[i].unicode()) != char16_t(uchar(lower[i].toLatin1())))
            return false;
    }
    return true;
}

enum CharClass : quint8 { NameStart = 1, NamePart = 2, Blank = 4, Special = 8 };

// Names are ASCII almost always; the Unicode tables are asked only for other characters.
constexpr std::array<quint8, 128> kAsciiClasses = [] {
    std::array<quint8, 128> classes{};
    for (int c = 0; c < 128; ++c) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (letter || c == '_' || c == '#')
            classes[size_t(c)] |= NameStart | NamePart;
        if ((c >= '0' && c <= '9') || c == '$' || c == '@')
            classes[size_t(c)] |= NamePart;
        if (c == '#' || c == '$' || c == '@')
            classes[size_t(c)] |= Special;
        if (c == ' ' || (c >= '\t' && c <= '\r'))
            classes[size_t(c)] |= Blank;
    }
    return classes;
}();

inline bool isNameStart(QChar c)
{
    const char16_t u = c.unicode();
    return u < 128 ? (kAsciiClasses[u] & NameStart) != 0 : c.isLetter();
}

inline bool isNamePart(QChar c)
{
    const char16_t u = c.unicode();
    return u < 128 ? (kAsciiClasses[u] & NamePart) != 0 : c.isLetterOrNumber();
}

inline bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u < 128 ? (kAsciiClasses[u] & Blank) != 0 : c.isSpace();
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

class Lexer
{
public:
    Lexer(const QString &text, TokenList &list)
        : m_text(text)
        , m_list(list)
    { }

    bool run(QString &sMsg)
    {
        m_list.source = m_text;
        m_list.tokens.clear();
        m_list.tokens.reserve(size_t(m_text.size() / 4 + 8));
        m_list.maxDepth = 0;
        while (m_pos < m_text.size()) {
            if (!next())
                break;
        }
        if (m_error.isEmpty() && m_depth > 0)
            fail(m_text.size(), QStringLiteral("a parenthesis is not closed"));
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
        const QChar c = m_text.at(m_pos);
        if (isBlank(c)) {
            m_pos = runEnd(m_pos + 1, isBlank);
            m_space = true;
            return true;
        }
        if (c == u'-' && peek(1) == u'-')
            return skipLineComment();
        if (c == u'/' && peek(1) == u'*')
            return skipBlockComment();
        if (c == u'\'')
            return quoted(TokenType::String, m_pos, u'\'', u'\'');
        if ((c == u'N' || c == u'n') && peek(1) == u'\'')
            return quoted(TokenType::NString, m_pos + 1, u'\'', u'\'');
        if (c == u'[')
            return quoted(TokenType::QuotedName, m_pos, u']', u']');
        if (c == u'"')
            return quoted(TokenType::QuotedName, m_pos, u'"', u'"');
        if (isDigit(c) || (c == u'.' && isDigit(peek(1))))
            return number();
        if (isNameStart(c))
            return word(TokenType::Word, m_pos);
        if (c == u'@')
            return word(TokenType::Variable, m_pos);
        return punctuation(c);
    }

    // The end of the run of characters from `at` that `belongs` takes in; a local index lets
    // the compiler keep it in a register.
    template<typename Belongs> int runEnd(int at, Belongs belongs) const
    {
        const QChar *data = m_text.constData();
        const int size = int(m_text.size());
        while (at < size && belongs(data[at]))
            ++at;
        return at;
    }

    // As runEnd for the characters of a name; plain is cleared by any but ASCII letters,
    // digits and '_'.
    int namePartEnd(int at, bool &plain) const
    {
        const QChar *data = m_text.constData();
        const int size = int(m_text.size());
        quint8 seen = 0;
        for (; at < size; ++at) {
            const char16_t u = data[at].unicode();
            if (u < 128) {
                if (!(kAsciiClasses[u] & NamePart))
                    break;
                seen |= kAsciiClasses[u];
            } else if (data[at].isLetterOrNumber()) {
                seen |= Special;
            } else {
                break;
            }
        }
        plain = plain && !(seen & Special);
        return at;
    }

    QChar peek(int offset) const
    {
        const int at = m_pos + offset;
        return at < m_text.size() ? m_text.at(at) : QChar();
    }

    bool skipLineComment()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos) != u'\n')
            ++m_pos;
        m_space = true;
        return true;
    }

    // T-SQL block comments nest.
    bool skipBlockComment()
    {
        const int start = m_pos;
        int level = 0;
        while (m_pos < m_text.size()) {
            if (m_text.at(m_pos) == u'/' && peek(1) == u'*') {
                ++level;
                m_pos += 2;
            } else if (m_text.at(m_pos) == u'*' && peek(1) == u'/') {
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
    bool quoted(TokenType type, int quoteAt, QChar close, QChar escape)
    {
        const int start = m_pos;
        int at = quoteAt + 1;
        while (at < m_text.size()) {
            if (m_text.at(at) == close) {
                if (at + 1 < m_text.size() && m_text.at(at + 1) == escape) {
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
        while (at < m_text.size() && isDigit(m_text.at(at)))
            ++at;
        if (at < m_text.size() && isNamePart(m_text.at(at)) && !isExponent(at)) {
            m_pos = at;
            return word(TokenType::Word, start);
        }
        if (at < m_text.size() && m_text.at(at) == u'.') {
            ++at;
            while (at < m_text.size() && isDigit(m_text.at(at)))
                ++at;
        }
        if (isExponent(at)) {
            at += (m_text.at(at + 1) == u'+' || m_text.at(at + 1) == u'-') ? 2 : 1;
            while (at < m_text.size() && isDigit(m_text.at(at)))
                ++at;
        }
        if (at < m_text.size() && isNamePart(m_text.at(at))) {
            m_pos = at;
            return word(TokenType::Word, start);
        }
        m_pos = at;
        emitToken(TokenType::Number, start);
        return true;
    }

    bool isExponent(int at) const
    {
        if (at + 1 >= m_text.size() || (m_text.at(at) != u'e' && m_text.at(at) != u'E'))
            return false;
        const QChar after = m_text.at(at + 1);
        if (isDigit(after))
            return !runHasLetters(at + 1);
        return (after == u'+' || after == u'-') && at + 2 < m_text.size()
            && isDigit(m_text.at(at + 2));
    }

    bool runHasLetters(int at) const
    {
        while (at < m_text.size() && isNamePart(m_text.at(at))) {
            if (!isDigit(m_text.at(at)))
                return true;
            ++at;
        }
        return false;
    }

    bool word(TokenType type, int start)
    {
        // Only a word the lexer starts itself can be plain: the others start with digits.
        const bool ownStart = m_pos == start;
        const char16_t first = m_text.at(start).unicode();
        bool plain = type == TokenType::Word && ownStart && first < 128
            && (kAsciiClasses[first] & (NameStart | Special)) == NameStart;
        m_pos = namePartEnd(ownStart ? m_pos + 1 : m_pos, plain);
        // A part after a dot is always a name, so the keyword table is not asked.
        const bool qualified =
            !m_list.tokens.empty() && m_list.tokens.back().type == TokenType::Dot;
        Token &token = emitToken(type, start);
        token.plainName = plain;
        if (type == TokenType::Word && !qualified)
            token.keyword = keywordOf(QStringView(m_text.constData() + start, m_pos - start));
        return true;
    }

    bool punctuation(QChar c)
    {
        const int start = m_pos;
        ++m_pos;
        switch (c.unicode()) {
        case u',':
            emitToken(TokenType::Comma, start);
            return true;
        case u'.':
            emitToken(TokenType::Dot, start);
            return true;
        case u';':
            emitToken(TokenType::Semicolon, start);
            return true;
        case u'(':
            if (m_depth >= kMaxNestingDepth)
                return fail(start,
                            QStringLiteral("parentheses are nested more than %1 deep")
                                .arg(kMaxNestingDepth));
            emitToken(TokenType::OpenParen, start);
            m_list.maxDepth = std::max(m_list.maxDepth, ++m_depth);
            return true;
        case u')':
            if (m_depth == 0)
                return fail(start, QStringLiteral("a closing parenthesis has no opening one"));
            --m_depth;
            emitToken(TokenType::CloseParen, start);
            return true;
        default:
            break;
        }
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
        Token token;
        token.type = type;
        token.spaceBefore = m_space;
        token.start = start;
        token.length = m_pos - start;
        // Parentheses are emitted before an opening one counts and after a closing one
        // stops counting, so both stand outside.
        token.depth = m_depth;
        m_space = false;
        m_list.tokens.push_back(token);
        return m_list.tokens.back();
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
        m_pos = m_text.size();
        return false;
    }

    const QString &m_text;
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
