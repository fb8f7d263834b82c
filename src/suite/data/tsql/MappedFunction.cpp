#include "suite/data/tsql/MappedFunction.h"

namespace suite::tsql {

QString functionCall(const QString &name, const QStringList &arguments)
{
    return name + u'(' + arguments.join(QStringLiteral(", ")) + u')';
}

const MappedFunction *findMappedFunction(const QList<MappedFunction> &functions,
                                         QStringView lowerName)
{
    for (const MappedFunction &function : functions) {
        if (lowerName == function.name)
            return &function;
    }
    return nullptr;
}

bool takesArguments(const MappedFunction &function, QStringView lowerName, qsizetype count,
                    QString &sMsg)
{
    if (count >= function.minArguments && count <= function.maxArguments)
        return true;
    sMsg = QStringLiteral("%1 takes %2 arguments, not %3")
               .arg(lowerName.toString().toUpper())
               .arg(function.minArguments == function.maxArguments
                        ? QString::number(function.minArguments)
                        : QStringLiteral("%1 to %2")
                              .arg(function.minArguments)
                              .arg(function.maxArguments))
               .arg(count);
    return false;
}

bool writeMappedCall(const QList<MappedFunction> &functions, QStringView lowerName,
                     const QStringList &arguments, QString &out, QString &sMsg)
{
    const MappedFunction *function = findMappedFunction(functions, lowerName);
    if (!function) {
        out = functionCall(lowerName.toString(), arguments);
        return true;
    }
    return takesArguments(*function, lowerName, arguments.size(), sMsg)
        && function->write(arguments, out, sMsg);
}

} // namespace suite::tsql
