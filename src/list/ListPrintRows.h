#pragma once

#include "suite/data/RecordSet.h"
#include "suite/data/SqlCursor.h"
#include "suite/print/PrintData.h"

#include <functional>
#include <memory>

namespace customer {

// The customers of a list as its statement selects them (class, filter, rights, order), read
// a page at a time for printing and export: only one page is held, however long the list.
// The printed columns take their values from the page's fields of the same name, as the grid
// shows them; the serial numbers count on across pages.
class ListPrintRows : public suite::PrintRowSource
{
public:
    // Reads page `page` (from 1) of pageSize rows, with the number of pages there are.
    using PageReader = std::function<bool(int page, int pageSize, suite::RecordSet &rows,
                                          int &pageCount, QString &sMsg)>;

    // Every row of the same list in page order, read forward; null with the reason in sMsg, or
    // with none when the data service reads pages only (the pages are read then).
    using CursorOpener = std::function<std::unique_ptr<suite::SqlCursor>(QString &sMsg)>;

    static constexpr int kPageSize = 1000;

    // The rows come from the cursor that openCursor gives, when it gives one: one statement
    // for the whole list, its cells written as bytes; otherwise from the pages.
    explicit ListPrintRows(PageReader readPage, int pageSize = kPageSize,
                           CursorOpener openCursor = nullptr);

    // Finds the field of each column on the first page and counts the rows (reading the last
    // page too); a column's kind follows its field's type. False with the reason in sMsg.
    bool start(QList<suite::PrintColumn> &columns, QString &sMsg);

    qint64 rowCount() const override { return m_rowCount; }
    bool rewind(QString &sMsg) override;
    bool next(QList<QStringList> &rows, QString &sMsg) override;
    bool nextUtf8(int width, suite::Utf8Rows &rows, QString &sMsg) override;

private:
    bool read(int page, suite::RecordSet &rows, QString &sMsg);
    bool nextPage(QList<QStringList> &rows, QString &sMsg);
    QStringList cellsOf(const suite::RecordSet &page, int row);
    // Whether the rows come from a cursor, opening it on the first batch; false with the
    // reason in sMsg when it cannot be opened, with none when the pages are read instead.
    bool readsCursor(QString &sMsg);
    bool cursorMatchesColumns(QString &sMsg) const;
    void appendCursorRow(int width, suite::Utf8Rows &rows);

    PageReader m_readPage;
    int m_pageSize;
    CursorOpener m_openCursor;
    std::unique_ptr<suite::SqlCursor> m_cursor;
    bool m_cursorEnded = false;
    // The page's field names, each column's field is found by, for checking a cursor's.
    QStringList m_fieldNames;
    // Per column: the field of the page that holds it, kSerial for the serial numbers.
    QList<int> m_fields;
    QList<int> m_types;
    int m_pageCount = 0;
    qint64 m_rowCount = 0;
    int m_nextPage = 1;
    qint64 m_serial = 0;
};

} // namespace customer
