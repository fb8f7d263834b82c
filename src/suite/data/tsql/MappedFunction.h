#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace suite::tsql {

// Writes a call in a backend's dialect from its translated arguments; false with the reason
// in its third argument when it cannot.
using FunctionWriter = std::function<bool(const QStringList &, QString &, QString &)>;

// A T-SQL function a dialect writes its own way, with the argument counts it takes.
struct MappedFunction
{
    QLatin1StringView name;
    int minArguments;
    int maxArguments;
    FunctionWriter write;
};

// name(a, b, ...)
QString functionCall(const QString &name, const QStringList &arguments);

const MappedFunction *findMappedFunction(const QList<MappedFunction> &functions,
                                         QStringView lowerName);

// Whether the function takes that many arguments; false with the reason otherwise.
bool takesArguments(const MappedFunction &function, QStringView lowerName, qsizetype count,
                    QString &sMsg);

// The backend's text of a call: a function the table does not name is written as it is,
// one it names is checked for its argument count and then written by its writer.
bool writeMappedCall(const QList<MappedFunction> &functions, QStringView lowerName,
                     const QStringList &arguments, QString &out, QString &sMsg);

} // namespace suite::tsql
