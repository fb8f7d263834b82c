#pragma once

#include <QString>
#include <QStringView>

#include <vector>

namespace suite::tsql {

enum class TokenType : quint8 {
    Word, // identifier or keyword; #temp names and names that start with a digit too
    QuotedName, // [name] or "name"
    String, // 'text'
    NString, // N'text'
    Number,
    Variable, // @name or @@name
    Operator,
    Comma,
    Dot,
    OpenParen,
    CloseParen,
    Semicolon,
};

// The T-SQL words the translation acts on; every other word is Keyword::None.
enum class Keyword : quint8 {
    None,
    Add,
    All,
    Alter,
    And,
    As,
    Asc,
    Begin,
    Between,
    By,
    Case,
    Check,
    Clustered,
    Collate,
    Column,
    Commit,
    Constraint,
    Create,
    Cross,
    Declare,
    Default,
    Delete,
    Desc,
    Distinct,
    Drop,
    Else,
    End,
    Escape,
    Except,
    Exec,
    Execute,
    Exists,
    Foreign,
    From,
    Full,
    Go,
    Group,
    Having,
    Identity,
    If,
    In,
    Include,
    Index,
    Inner,
    Insert,
    Intersect,
    Into,
    Is,
    Join,
    Key,
    Left,
    Like,
    Nonclustered,
    Not,
    Null,
    On,
    Option,
    Or,
    Order,
    Outer,
    Percent,
    Primary,
    Print,
    Procedure,
    References,
    Return,
    Right,
    Rollback,
    Rowguidcol,
    Select,
    Set,
    Table,
    TextimageOn,
    Then,
    Top,
    Truncate,
    Union,
    Unique,
    Update,
    Values,
    View,
    When,
    Where,
    While,
    With,
};

struct Token
{
    TokenType type = TokenType::Word;
    Keyword keyword = Keyword::None;
    // Whitespace or a comment came before the token; the translation keeps one blank there.
    bool spaceBefore = false;
    // A word of ASCII letters, digits and '_' that no digit leads: its characters need no
    // quotes in any backend.
    bool plainName = false;
    // Open parentheses around the token; a parenthesis itself counts as outside.
    int depth = 0;
    int start = 0;
    int length = 0;
};

struct TokenList
{
    QString source;
    std::vector<Token> tokens;
    int maxDepth = 0;

    // The lexer made every token within source, so the view needs no clamping.
    QStringView text(const Token &token) const
    {
        Q_ASSERT(token.start >= 0 && token.start + token.length <= source.size());
        return QStringView(source.constData() + token.start, token.length);
    }
    QStringView text(int index) const { return text(tokens[size_t(index)]); }
    int size() const { return int(tokens.size()); }
    const Token &operator[](int index) const { return tokens[size_t(index)]; }

    // The source from token begin to the end of token end - 1, as written; empty when
    // begin >= end.
    QString textBetween(int begin, int end) const
    {
        if (begin >= end)
            return QString();
        const int from = tokens[size_t(begin)].start;
        const Token &last = tokens[size_t(end - 1)];
        return source.mid(from, last.start + last.length - from);
    }
    // Whether the token at index is the keyword, outside every parenthesis.
    bool isTopKeyword(int index, Keyword keyword) const
    {
        return index < size() && tokens[size_t(index)].depth == 0
            && tokens[size_t(index)].keyword == keyword;
    }
};

// Whether the token groups, combines or redirects a select's rows, or ends its statement: after
// it the rows are no longer those of the select's tables in the select's order. The page readers
// each add the tokens their own rewriting cannot pass.
inline bool reshapesSelectRows(const Token &token)
{
    switch (token.keyword) {
    case Keyword::Group:
    case Keyword::Having:
    case Keyword::Union:
    case Keyword::Except:
    case Keyword::Intersect:
    case Keyword::Into:
    case Keyword::Option:
        return true;
    default:
        return token.type == TokenType::Semicolon;
    }
}

// Deeper nesting of parentheses or of IF and BEGIN blocks is refused: the translation walks
// nested parts recursively, and no statement of the suite comes near this depth.
constexpr int kMaxNestingDepth = 128;

// Splits T-SQL text into tokens, dropping comments. False with the position and the reason
// when a literal, a quoted name or a comment is not closed, the parentheses do not match or
// nest deeper than kMaxNestingDepth, or a dotted name has an empty part other than the owner
// of db..table.
bool tokenize(const QString &text, TokenList &list, QString &sMsg);

Keyword keywordOf(QStringView word);

// ASCII comparison without regard to case; T-SQL keywords and the names the translation looks
// for are ASCII.
bool equalsNoCase(QStringView text, QLatin1StringView lower);
bool equalsNoCase(QStringView a, QStringView b);

// The content of a quoted name or a string literal, with its doubled quotes made single.
QString unquotedText(const TokenList &list, const Token &token);

} // namespace suite::tsql
