#include "suite/data/tsql/StartingValues.h"

#include "suite/core/SqlQuote.h"

#include <QRegularExpression>
#include <QStringList>

namespace suite::tsql {

namespace {

// One declaration at the start of a line: "declare @name type".
const QRegularExpression kDeclaration(QStringLiteral("^\\s*declare\\s+@(\\w+)"),
                                      QRegularExpression::CaseInsensitiveOption);

QString literalOf(const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return value.toString();
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return sqlUnicode(value.toString());
    }
}

} // namespace

QString withStartingValues(const QString &text, const QVariantHash &variables)
{
    QHash<QString, QVariant> byName;
    for (auto variable = variables.cbegin(); variable != variables.cend(); ++variable)
        byName.insert(variable.key().toLower(), variable.value());
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QStringList result;
    QStringList assignments;
    qsizetype line = 0;
    for (; line < lines.size(); ++line) {
        const QRegularExpressionMatch declaration = kDeclaration.match(lines.at(line));
        if (!declaration.hasMatch())
            break;
        result.append(lines.at(line));
        const QString name = declaration.captured(1);
        const auto given = byName.constFind(name.toLower());
        if (given != byName.constEnd())
            assignments.append(QStringLiteral("set @%1=%2").arg(name, literalOf(*given)));
    }
    return (result + assignments + lines.mid(line)).join(QStringLiteral("\r\n"));
}

} // namespace suite::tsql
