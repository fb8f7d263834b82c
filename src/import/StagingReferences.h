#pragma once

#include <QHash>
#include <QString>

namespace suite {
class IClsCommon;
}

namespace customer {

// The staging columns that hold a code of another archive, and whether a code is one of them
// that the user may use (the departments, salespersons, warehouses and vendors of his data
// rights). A file repeats the same few codes in many rows, so each answer is kept.
class StagingReferences
{
public:
    explicit StagingReferences(suite::IClsCommon &service);

    static bool isReference(const QString &column);
    // The statement that finds the code (the variable @code) for the column; empty for a
    // column that holds no code. The rights clauses come from the session.
    static QString statementOf(const QString &column);

    // True when the code names a row the column may refer to. A code that cannot be looked up
    // counts as missing: the row is then kept with its error rather than with a bad code.
    bool exists(const QString &column, const QString &code);

private:
    suite::IClsCommon &m_service;
    QHash<QString, QHash<QString, bool>> m_known;
};

} // namespace customer
