#pragma once

#include "suite/data/tsql/SqlDialect.h"
#include "suite/data/tsql/SqlLexer.h"

#include <QHash>
#include <QStringList>
#include <QVarLengthArray>

#include <functional>
#include <utility>
#include <vector>

namespace suite::tsql {

// Tells something of a column named in a statement; the qualifier is empty for a bare name.
using ColumnLookup = std::function<bool(QStringView qualifier, QStringView column)>;
// Whether a column holds text, so that '+' between two columns can become the backend's
// concatenation.
using TextColumnLookup = ColumnLookup;
// Whether each value of a column is shared by many rows (a class or area code), so that a
// LIKE on a prefix of it keeps many rows; the backend's planner, which cannot know how many
// rows a prefix takes, is told so.
using CoarseColumnLookup = ColumnLookup;

// What one translation knows beyond the tokens.
struct TranslationContext
{
    const TokenList &tokens;
    const SqlDialect &dialect;
    const TextColumnLookup &isTextColumn;
    const CoarseColumnLookup &isCoarseColumn;
    // The batch's variables declared so far, by lower-case name without '@'.
    const QHash<QString, SqlType> &variables;
};

// A dotted T-SQL name: its parts by token index, -1 for the empty part of db..table.
struct NameChain
{
    int begin = 0;
    int end = 0;
    QVarLengthArray<int, 4> parts;
    bool star = false;

    bool isValid() const { return end > begin; }
};

// Writes T-SQL tokens in the backend's dialect: names, literals, variables as '?'
// parameters, functions, TOP as LIMIT at the depth of its own select, '+' on text as
// concatenation, table hints dropped. Statement translators use it for every part of a
// statement they do not restructure themselves.
class SqlWriter
{
public:
    explicit SqlWriter(const TranslationContext &context);

    // Appends the translation of tokens [begin, end). LIMITs of selects that the range does
    // not close wait for finish().
    void write(int begin, int end, QString &out);
    void finish(QString &out);
    // Tokens [begin, end) are left out by later writes; ranges come in increasing order.
    void skip(int begin, int end);

    // "select @v = expr" items record their variable instead of writing it.
    void setAllowAssignments(bool allow) { m_allowAssignments = allow; }
    const QStringList &assignedVariables() const { return m_assigned; }
    const QStringList &parameters() const { return m_parameters; }

    bool failed() const { return !m_error.isEmpty(); }
    const QString &error() const { return m_error; }
    void fail(const QString &reason);

    NameChain readName(int index) const;
    // A table or view name in the backend's form.
    QString tableName(const NameChain &chain) const;
    ObjectName objectName(const NameChain &chain) const;
    // The name's last part as written, without brackets.
    QString lastPart(const NameChain &chain) const;
    // The closing parenthesis of the opening one at index.
    int matchingClose(int open) const;
    // A type such as nvarchar(40) starting at index; next receives the index after it.
    SqlType readType(int index, int &next);
    QString identifier(int index) const;
    void appendIdentifier(int index, QString &out) const;

private:
    // Text that repeats the source where it stands is not appended piece by piece: the run of
    // source characters it covers grows, and the run is appended at once when something else
    // is written or the write ends. Most of a statement is copied as it stands.
    struct SourceRun
    {
        QString *out = nullptr;
        qsizetype begin = 0;
        qsizetype end = 0;
    };

    struct Level
    {
        QString limit;
        bool inSelectList = false;
        bool atItemStart = false;
    };

    // Spacing as in the source: one blank where the source had whitespace.
    void appendToken(const Token &token, QStringView text, QString &out);
    // The token as it stands in the source.
    void appendToken(const Token &token, QString &out);
    void appendText(QString &out, QStringView text, bool blank = false);
    void appendSource(QString &out, qsizetype at, qsizetype size, bool blank);
    void flushRun();
    // Whether a blank may follow what out holds: not at its start, after a blank or after '('.
    bool takesBlank(const QString &out) const;
    bool blankBefore(const Token &token, const QString &out);
    bool needsQuotes(const Token &token) const;
    void writeIdentifier(int index, QString &out, bool blank = false);

    int writeToken(int index, int end, QString &out);
    int writeKeyword(int index, int end, QString &out);
    int writeSelect(int index, int end, QString &out);
    int writeNameOrCall(int index, int end, bool itemStart, QString &out);
    // The end of "name LIKE 'prefix...'" when the name is a coarse column and the pattern
    // starts with no wildcard and the match stands alone; -1 otherwise.
    int coarsePrefixMatchEnd(const NameChain &chain, int end) const;
    int writeLikelyMatch(const NameChain &chain, int matchEnd, QString &out);
    int writeAliasedItem(const NameChain &alias, int end, QString &out);
    int writeFunction(const NameChain &chain, int end, QString &out);
    bool writeSpecialFunction(QStringView lowerName, const std::vector<std::pair<int, int>> &args,
                              int open, int close, QString &piece);
    void writeChain(const NameChain &chain, QString &out);
    QStringView plainChainText(const NameChain &chain) const;
    void writeVariable(const Token &token, QString &out);
    void flushLimit(int depth, QString &out);
    bool isFunctionContext(const NameChain &chain) const;
    int selectItemEnd(int index, int end, int depth) const;
    QString writePiece(int begin, int end);

    bool isConcatenation(int plus);
    bool isTextOperand(int begin, int end) const;
    bool isTextExpression(int begin, int end, int depth) const;
    bool isChainBoundary(int index) const;

    const TranslationContext &m_context;
    const TokenList &m_tokens;
    std::vector<Level> m_levels;
    std::vector<std::pair<int, int>> m_skips;
    size_t m_nextSkip = 0;
    QStringList m_parameters;
    QStringList m_assigned;
    bool m_allowAssignments = false;
    // The '+' chain read last: its bounds (exclusive) and depth, and whether it concatenates.
    struct PlusChain
    {
        int begin = -1;
        int end = -1;
        int depth = -1;
        bool concatenates = false;
    };
    PlusChain m_lastChain;
    // A skipped range stood where the source had whitespace.
    bool m_spaceDue = false;
    SourceRun m_run;
    QString m_error;
};

} // namespace suite::tsql
