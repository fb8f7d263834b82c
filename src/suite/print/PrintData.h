#pragma once

#include "suite/print/Utf8Rows.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace suite {

// How a column's values read: the layout aligns numbers right and ticks flags, the workbook
// writes typed cells.
enum class PrintColumnKind { Text, Number, Date, Flag };

// One column of a printed list, as the grid shows it.
struct PrintColumn
{
    QString caption;
    // The field the column shows (cCusCode); empty for the serial numbers.
    QString key;
    PrintColumnKind kind = PrintColumnKind::Text;
    // The grid's width in pixels; 0 when the grid fits the column to its contents.
    int gridWidth = 0;
    // Printed on every page of a list too wide for one page: the serial numbers, the code and
    // the name, so that each page says whose values it shows.
    bool repeated = false;
};

// The rows of a printed list, handed out a batch at a time, so that a long list is never held
// whole. Each row has one text per column, in the columns' order; flags read "1" or "0",
// dates as yyyy-MM-dd (with the time when there is one), numbers as the grid shows them.
class PrintRowSource
{
public:
    virtual ~PrintRowSource() = default;

    // The rows there are; known before the first batch, so that pages can be numbered n / m.
    virtual qint64 rowCount() const = 0;
    // Starts again at the first row (a preview paints more than once).
    virtual bool rewind(QString &sMsg) = 0;
    // The next batch into rows; an empty batch at the end. False, with the reason, when the
    // rows cannot be read.
    virtual bool next(QList<QStringList> &rows, QString &sMsg) = 0;
    // The next batch as UTF-8 texts, width cells a row (missing cells empty): for the file
    // writers. A source that reads its rows as bytes gives them without making strings.
    virtual bool nextUtf8(int width, Utf8Rows &rows, QString &sMsg);
};

// Rows already in memory: a page of a grid, a table made by a test.
class PrintRowList : public PrintRowSource
{
public:
    explicit PrintRowList(QList<QStringList> rows = {}, int batchSize = 500);

    qint64 rowCount() const override { return m_rows.size(); }
    bool rewind(QString &sMsg) override;
    bool next(QList<QStringList> &rows, QString &sMsg) override;

private:
    QList<QStringList> m_rows;
    int m_batchSize;
    qsizetype m_next = 0;
};

// Told how far a long print or export has come (rows done of rows in all); false asks it to
// stop, and nothing is kept of what it wrote.
using PrintProgress = std::function<bool(qint64 done, qint64 total)>;

// What the print control prints or exports: a titled list as the grid shows it. The public
// service fills it from a window (GetPrnDataFile); the renderers and writers only read it.
struct PrintData
{
    QString title;
    QString accountId;
    QString userId;
    QString userName;
    QList<PrintColumn> columns;
    std::shared_ptr<PrintRowSource> rows = std::make_shared<PrintRowList>();

    QStringList captions() const;
    qint64 rowCount() const { return rows ? rows->rowCount() : 0; }
};

} // namespace suite
