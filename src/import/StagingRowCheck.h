#pragma once

#include "import/HeaderMapping.h"
#include "import/StagingColumns.h"
#include "import/TableSource.h"

#include <QVariantList>

#include <functional>

namespace customer {

// A row of a file checked against the staging columns its header fills: the value of each of
// those columns (null when the cell is empty or its value cannot be stored) and the problems
// found, each naming the column's caption.
struct CheckedRow
{
    QVariantList values; // in the order of StagingRowCheck::columns()
    QStringList problems;
};

// Checks each cell against its column's type and length and, for codes of other archives,
// that the code exists. A value that does not fit is never cut or changed to fit: it is left
// out and reported, so that the user sees it in the list and corrects it.
class StagingRowCheck
{
public:
    // A resource text with %1, %2 ... filled in.
    using Texts = std::function<QString(const char *key, const QStringList &args)>;
    // True when the code exists for the column.
    using ReferenceCheck = std::function<bool(const QString &column, const QString &code)>;

    StagingRowCheck(const StagingColumns &columns, const HeaderMapping &mapping,
                    ReferenceCheck references, Texts texts);

    // The staging columns the file fills (indexes into StagingColumns::all()), in the order of
    // their header cells.
    const QList<int> &columns() const { return m_columns; }

    CheckedRow check(const SourceRow &row) const;
    // The problems as one message for cErrorMsg: joined, and cut to the column's length.
    QString errorMessage(const QStringList &problems) const;

private:
    QVariant value(const StagingColumn &column, const QString &text, QStringList &problems) const;
    QVariant typed(const StagingColumn &column, const QString &text, QStringList &problems) const;

    const StagingColumns &m_staging;
    QList<int> m_columns;
    QList<int> m_cells; // the header cell of each of m_columns
    qsizetype m_headerWidth = 0;
    ReferenceCheck m_references;
    Texts m_texts;
};

} // namespace customer
