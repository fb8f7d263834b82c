#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace customer {

class StagingColumns;

// Which staging column each header cell of a file fills. A header names a column by its name
// (any case) or by a caption the user sees in either language; a header that names none, or
// names several, or a column another header already fills, is reported, never guessed.
class HeaderMapping
{
public:
    // A header caption and the column it fills, as a mapping file gives them.
    using Pair = QPair<QString, QString>;

    // The mapping by names and captions.
    static HeaderMapping automatic(const QStringList &header, const StagingColumns &columns);
    // Only the headers the pairs name fill columns; false with sMsg the column when a pair names
    // a column a file may not fill.
    static bool explicitly(const QStringList &header, const QList<Pair> &pairs,
                           const StagingColumns &columns, HeaderMapping &mapping, QString &sMsg);
    // The pairs of a mapping file: a CSV file (UTF-8 or GB18030) of two columns, the header
    // caption and the column name, one pair a row. False when it cannot be read (sMsg says
    // why) or when a row is not a pair (badRow is its number).
    static bool readFile(const QString &path, QList<Pair> &pairs, qint64 &badRow, QString &sMsg);

    // The staging column (index into StagingColumns::all()) of each header cell; -1 for none.
    const QList<int> &columnOfCell() const { return m_columnOfCell; }
    // The header cells that fill no column, as the file writes them (an empty one as its
    // column letter in brackets, "(C)").
    const QStringList &unknown() const { return m_unknown; }
    // True when at least one header fills a column.
    bool mapsAny() const;

private:
    void assign(int cell, const QString &header, int column);

    QList<int> m_columnOfCell;
    QStringList m_unknown;
};

// A caption as headers are compared: blanks at the ends and runs of blanks inside do not
// count, nor does the case of letters.
QString comparableCaption(const QString &caption);

// The spreadsheet letters of a column index (0 -> "A", 27 -> "AB").
QString columnLetters(int index);

} // namespace customer
