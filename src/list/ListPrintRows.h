#pragma once

#include "suite/data/RecordSet.h"
#include "suite/print/PrintData.h"

#include <functional>

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

    static constexpr int kPageSize = 1000;

    explicit ListPrintRows(PageReader readPage, int pageSize = kPageSize);

    // Finds the field of each column on the first page and counts the rows (reading the last
    // page too); a column's kind follows its field's type. False with the reason in sMsg.
    bool start(QList<suite::PrintColumn> &columns, QString &sMsg);

    qint64 rowCount() const override { return m_rowCount; }
    bool rewind(QString &sMsg) override;
    bool next(QList<QStringList> &rows, QString &sMsg) override;

private:
    bool read(int page, suite::RecordSet &rows, QString &sMsg);
    QStringList cellsOf(const suite::RecordSet &page, int row);

    PageReader m_readPage;
    int m_pageSize;
    // Per column: the field of the page that holds it, kSerial for the serial numbers.
    QList<int> m_fields;
    QList<int> m_types;
    int m_pageCount = 0;
    qint64 m_rowCount = 0;
    int m_nextPage = 1;
    qint64 m_serial = 0;
};

} // namespace customer
