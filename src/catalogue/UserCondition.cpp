#include "catalogue/UserCondition.h"

#include "catalogue/CustomerFieldTable.h"
#include "entry/SessionContext.h"
#include "suite/data/tsql/SqlLexer.h"
#include "suite/pub/IPub.h"

namespace customer {

namespace {

using suite::tsql::Keyword;
using suite::tsql::Token;
using suite::tsql::TokenList;
using suite::tsql::TokenType;

bool isAllowedFunction(const QString &lowerName)
{
    static const QSet<QString> functions = {
        QStringLiteral("isnull"),  QStringLiteral("len"),       QStringLiteral("left"),
        QStringLiteral("right"),   QStringLiteral("substring"), QStringLiteral("upper"),
        QStringLiteral("lower"),   QStringLiteral("ltrim"),     QStringLiteral("rtrim"),
        QStringLiteral("year"),    QStringLiteral("month"),     QStringLiteral("day"),
        QStringLiteral("getdate"), QStringLiteral("charindex"), QStringLiteral("abs"),
        QStringLiteral("round"),
    };
    return functions.contains(lowerName);
}

// Keywords that only combine or compare values.
bool isAllowedKeyword(Keyword keyword)
{
    switch (keyword) {
    case Keyword::And:
    case Keyword::Or:
    case Keyword::Not:
    case Keyword::Null:
    case Keyword::Is:
    case Keyword::In:
    case Keyword::Like:
    case Keyword::Escape:
    case Keyword::Between:
    case Keyword::Case:
    case Keyword::When:
    case Keyword::Then:
    case Keyword::Else:
    case Keyword::End:
        return true;
    default:
        return false;
    }
}

bool isName(const Token &token)
{
    return token.type == TokenType::QuotedName
        || (token.type == TokenType::Word && token.keyword == Keyword::None);
}

QString lowerName(const TokenList &tokens, int index)
{
    return suite::tsql::unquotedText(tokens, tokens[index]).toLower();
}

class ConditionCheck
{
public:
    ConditionCheck(const TokenList &tokens, const ConditionNames &names)
        : m_tokens(tokens)
        , m_names(names)
    { }

    bool run(QString &refused)
    {
        int at = 0;
        while (at < m_tokens.size()) {
            const int next = checkAt(at);
            if (next < 0) {
                refused = m_refused;
                return false;
            }
            at = next;
        }
        return true;
    }

private:
    // The index after the allowed piece at index, or -1 with the refused text.
    int checkAt(int at)
    {
        const Token &token = m_tokens[at];
        switch (token.type) {
        case TokenType::String:
        case TokenType::NString:
        case TokenType::Number:
        case TokenType::Operator:
        case TokenType::Comma:
        case TokenType::OpenParen:
        case TokenType::CloseParen:
            return at + 1;
        case TokenType::Word: {
            // "in (" and "not (" are operators before a bracket, "left(" a function.
            const bool call =
                at + 1 < m_tokens.size() && m_tokens[at + 1].type == TokenType::OpenParen;
            if (call && isAllowedFunction(lowerName(m_tokens, at)))
                return at + 1;
            if (token.keyword != Keyword::None)
                return isAllowedKeyword(token.keyword) ? at + 1 : refuse(at, at + 1);
            return call ? refuse(at, at + 1) : checkName(at);
        }
        case TokenType::QuotedName:
            return checkName(at);
        default:
            return refuse(at, at + 1);
        }
    }

    // A column or table.column.
    int checkName(int at)
    {
        const int next = at + 1;
        if (next < m_tokens.size() && m_tokens[next].type == TokenType::OpenParen)
            return refuse(at, next);
        if (next < m_tokens.size() && m_tokens[next].type == TokenType::Dot) {
            const int column = next + 1;
            const bool qualified = column < m_tokens.size() && isName(m_tokens[column])
                && m_names.tables.contains(lowerName(m_tokens, at))
                && m_names.columns.contains(lowerName(m_tokens, column))
                && !(column + 1 < m_tokens.size()
                     && (m_tokens[column + 1].type == TokenType::Dot
                         || m_tokens[column + 1].type == TokenType::OpenParen));
            return qualified ? column + 1 : refuse(at, qMin(column + 1, m_tokens.size()));
        }
        return m_names.columns.contains(lowerName(m_tokens, at)) ? next : refuse(at, next);
    }

    int refuse(int begin, int end)
    {
        m_refused = m_tokens.textBetween(begin, end);
        return -1;
    }

    const TokenList &m_tokens;
    const ConditionNames &m_names;
    QString m_refused;
};

QSet<QString> namesOfList(const QString &list)
{
    QSet<QString> names;
    for (const QString &item : list.split(u',', Qt::SkipEmptyParts)) {
        const QString name = item.trimmed().section(u'.', -1).toLower();
        if (!name.isEmpty())
            names.insert(name);
    }
    return names;
}

} // namespace

bool isAllowedCondition(const QString &condition, const ConditionNames &names, QString &refused)
{
    TokenList tokens;
    if (!suite::tsql::tokenize(condition, tokens, refused))
        return false;
    return ConditionCheck(tokens, names).run(refused);
}

ConditionNames listConditionNames(const QString &listFields)
{
    ConditionNames names;
    for (const CustomerField &field : customerFields())
        names.columns.insert(field.element.toString().section(u'.', -1).toLower());
    names.columns.unite(namesOfList(g_cExtraFields));
    names.columns.unite(namesOfList(listFields));
    names.columns.subtract(namesOfList(g_cColAuthN));
    names.tables = { QStringLiteral("customer"), QStringLiteral("customer_extradefine") };
    return names;
}

QString refusedConditionMessage(const QString &refused)
{
    return g_oPub ? g_oPub->GetResFormatString(
               QStringLiteral("Tarn.AA.ARCHIVE.COMMON.conditionnotallowed"), { refused })
                  : refused;
}

} // namespace customer
