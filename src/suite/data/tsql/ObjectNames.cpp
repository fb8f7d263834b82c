#include "suite/data/tsql/ObjectNames.h"

#include "suite/data/tsql/SqlLexer.h"

namespace suite::tsql {

ObjectName objectNameOfParts(const QStringList &parts, int *consumed)
{
    const auto isOwner = [](const QString &part) {
        return part.compare(QLatin1StringView("dbo"), Qt::CaseInsensitive) == 0;
    };
    ObjectName name;
    qsizetype objectIndex = 0;
    if (parts.size() >= 3 && (parts[1].isEmpty() || isOwner(parts[1]))) {
        name.database = parts[0];
        objectIndex = 2;
    } else if (parts.size() >= 2 && isOwner(parts[0])) {
        objectIndex = 1;
    }
    if (name.database.compare(QLatin1StringView("tempdb"), Qt::CaseInsensitive) == 0)
        name.database.clear();
    name.object = parts.value(objectIndex);
    if (consumed)
        *consumed = int(objectIndex + 1);
    return name;
}

bool parseObjectName(const QString &text, ObjectName &name, QString &sMsg)
{
    TokenList list;
    QString reason;
    const QString invalid = QStringLiteral("'%1' is not an object name").arg(text);
    if (!tokenize(text, list, reason)) {
        sMsg = invalid;
        return false;
    }
    QStringList parts;
    bool expectName = true;
    for (const Token &token : list.tokens) {
        if (token.type == TokenType::Dot) {
            if (expectName)
                parts.append(QString());
            expectName = true;
        } else if (expectName
                   && (token.type == TokenType::Word || token.type == TokenType::QuotedName)) {
            parts.append(unquotedText(list, token));
            expectName = false;
        } else {
            sMsg = invalid;
            return false;
        }
    }
    if (parts.isEmpty() || expectName) {
        sMsg = invalid;
        return false;
    }
    name = objectNameOfParts(parts);
    return true;
}

} // namespace suite::tsql
