#include "import/HeaderMapping.h"

#include "import/CsvEncoding.h"
#include "import/CsvReader.h"
#include "import/StagingColumns.h"

#include <QFile>
#include <QHash>

namespace customer {

namespace {

constexpr int kNoColumn = -1;
constexpr int kSeveralColumns = -2;

// Every comparable caption and name, with the one column it names (kSeveralColumns when it
// names more than one).
QHash<QString, int> captionIndex(const StagingColumns &columns)
{
    QHash<QString, int> index;
    auto add = [&index](const QString &caption, int column) {
        const QString key = comparableCaption(caption);
        const auto found = index.constFind(key);
        if (found == index.constEnd())
            index.insert(key, column);
        else if (*found != column)
            index.insert(key, kSeveralColumns);
    };
    for (int column = 0; column < columns.all().size(); ++column) {
        for (const QString &caption : columns.all()[column].captions)
            add(caption, column);
    }
    // A column's own name wins over a caption that happens to spell it.
    for (int column = 0; column < columns.all().size(); ++column)
        index.insert(comparableCaption(columns.all()[column].name), column);
    return index;
}

} // namespace

QString comparableCaption(const QString &caption)
{
    return caption.simplified().toCaseFolded();
}

QString columnLetters(int index)
{
    QString letters;
    for (int n = index + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

bool HeaderMapping::mapsAny() const
{
    for (const int column : m_columnOfCell) {
        if (column >= 0)
            return true;
    }
    return false;
}

void HeaderMapping::assign(int cell, const QString &header, int column)
{
    if (column >= 0 && m_columnOfCell.contains(column))
        column = kNoColumn;
    m_columnOfCell.append(column >= 0 ? column : kNoColumn);
    if (column >= 0)
        return;
    const QString shown = header.trimmed();
    m_unknown.append(shown.isEmpty() ? QStringLiteral("(%1)").arg(columnLetters(cell)) : shown);
}

HeaderMapping HeaderMapping::automatic(const QStringList &header, const StagingColumns &columns)
{
    const QHash<QString, int> index = captionIndex(columns);
    HeaderMapping mapping;
    for (int cell = 0; cell < header.size(); ++cell)
        mapping.assign(cell, header[cell], index.value(comparableCaption(header[cell]), kNoColumn));
    return mapping;
}

bool HeaderMapping::explicitly(const QStringList &header, const QList<Pair> &pairs,
                               const StagingColumns &columns, HeaderMapping &mapping, QString &sMsg)
{
    QHash<QString, int> index;
    for (const Pair &pair : pairs) {
        const int column = columns.indexOf(pair.second.trimmed());
        if (column < 0) {
            sMsg = pair.second.trimmed();
            return false;
        }
        index.insert(comparableCaption(pair.first), column);
    }
    mapping = HeaderMapping();
    for (int cell = 0; cell < header.size(); ++cell)
        mapping.assign(cell, header[cell], index.value(comparableCaption(header[cell]), kNoColumn));
    return true;
}

bool HeaderMapping::readFile(const QString &path, QList<Pair> &pairs, qint64 &badRow, QString &sMsg)
{
    badRow = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        sMsg = file.errorString();
        return false;
    }
    CsvReader reader(file, detectCsvEncoding(file));
    SourceRow row;
    pairs.clear();
    while (reader.next(row)) {
        if (row.cells.size() != 2) {
            badRow = row.number;
            return false;
        }
        pairs.append({ row.cells[0], row.cells[1] });
    }
    sMsg = reader.error();
    return sMsg.isEmpty();
}

} // namespace customer
