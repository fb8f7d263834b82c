#include "import/StagingRowCheck.h"

#include "import/CellValues.h"
#include "import/StagingReferences.h"
#include "suite/data/Field.h"

#include <QUuid>

#include <limits>

namespace customer {

namespace {

// A value quoted in a message is shortened: the message has to fit its column with the others.
constexpr qsizetype kShownChars = 30;

QString shown(const QString &text)
{
    return text.size() <= kShownChars ? text : text.left(kShownChars) + QStringLiteral("…");
}

std::pair<qint64, qint64> rangeOf(int type)
{
    switch (type) {
    case suite::adSmallInt:
        return { std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max() };
    case suite::adUnsignedTinyInt:
    case suite::adTinyInt:
        return { 0, 255 };
    case suite::adInteger:
        return { std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max() };
    default:
        return { std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max() };
    }
}

} // namespace

StagingRowCheck::StagingRowCheck(const StagingColumns &columns, const HeaderMapping &mapping,
                                 ReferenceCheck references, Texts texts)
    : m_staging(columns)
    , m_headerWidth(mapping.columnOfCell().size())
    , m_references(std::move(references))
    , m_texts(std::move(texts))
{
    for (int cell = 0; cell < mapping.columnOfCell().size(); ++cell) {
        if (mapping.columnOfCell()[cell] < 0)
            continue;
        m_columns.append(mapping.columnOfCell()[cell]);
        m_cells.append(cell);
    }
}

CheckedRow StagingRowCheck::check(const SourceRow &row) const
{
    CheckedRow checked;
    checked.values.reserve(m_columns.size());
    // Empty cells past the header are what many programs leave at the end of a line; a value
    // there usually means a separator too many earlier in the row, which shifted its cells.
    qsizetype width = row.cells.size();
    while (width > m_headerWidth && row.cells[width - 1].trimmed().isEmpty())
        --width;
    if (width > m_headerWidth)
        checked.problems.append(
            m_texts("Tarn.AA.IMPORT.FILE.extracells",
                    { QString::number(width), QString::number(m_headerWidth) }));
    for (int i = 0; i < m_columns.size(); ++i) {
        const StagingColumn &column = m_staging.all()[m_columns[i]];
        checked.values.append(
            value(column, row.cells.value(m_cells[i]).trimmed(), checked.problems));
    }
    return checked;
}

QVariant StagingRowCheck::value(const StagingColumn &column, const QString &text,
                                QStringList &problems) const
{
    if (text.isEmpty())
        return {};
    const QVariant stored = typed(column, text, problems);
    if (stored.isNull() || !StagingReferences::isReference(column.name)
        || m_references(column.name, text))
        return stored;
    problems.append(m_texts("Tarn.AA.IMPORT.FILE.notfound", { column.caption, shown(text) }));
    return {};
}

QVariant StagingRowCheck::typed(const StagingColumn &column, const QString &text,
                                QStringList &problems) const
{
    auto refuse = [&](const char *key) {
        problems.append(m_texts(key, { column.caption, shown(text) }));
        return QVariant();
    };
    switch (suite::typeFamily(column.type)) {
    case suite::TypeFamily::Text:
        if (column.type == suite::adGUID) {
            const QUuid id(text);
            return id.isNull() ? refuse("Tarn.AA.IMPORT.FILE.notguid") : QVariant(id);
        }
        if (column.size > 0 && text.size() > column.size) {
            problems.append(m_texts("Tarn.AA.IMPORT.FILE.toolong",
                                    { column.caption, QString::number(column.size) }));
            return {};
        }
        return text;
    case suite::TypeFamily::Integer: {
        const std::optional<qint64> number = cellWholeNumber(text);
        const auto [low, high] = rangeOf(column.type);
        if (!number || *number < low || *number > high)
            return refuse("Tarn.AA.IMPORT.FILE.notwhole");
        return QVariant(*number);
    }
    case suite::TypeFamily::Real: {
        const std::optional<double> number = cellNumber(text);
        return number ? QVariant(*number) : refuse("Tarn.AA.IMPORT.FILE.notnumber");
    }
    case suite::TypeFamily::Boolean: {
        const std::optional<bool> flag = cellFlag(text);
        return flag ? QVariant(*flag) : refuse("Tarn.AA.IMPORT.FILE.notflag");
    }
    case suite::TypeFamily::DateTime: {
        const std::optional<QDateTime> date = cellDate(text);
        return date ? QVariant(*date) : refuse("Tarn.AA.IMPORT.FILE.notdate");
    }
    default:
        return refuse("Tarn.AA.IMPORT.FILE.notstored");
    }
}

QString StagingRowCheck::errorMessage(const QStringList &problems) const
{
    const QString message = problems.join(QStringLiteral("; "));
    const qsizetype size = m_staging.errorSize();
    if (size <= 0 || message.size() <= size)
        return message;
    return message.left(size - 1) + QStringLiteral("…");
}

} // namespace customer
