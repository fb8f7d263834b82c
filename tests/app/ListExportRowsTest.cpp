#include "DemoCompanyCopy.h"

#include "app/HeadlessSession.h"
#include "app/ListPage.h"
#include "list/ListPrintRows.h"
#include "suite/print/GridPrintTable.h"

#include <gtest/gtest.h>

namespace {

// The export reads a list forward from one statement; page by page is the road of web mode.
// Both must give the same texts, cell for cell, as the grid shows them.
class ListExportRows : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error()); }

    struct Read
    {
        QList<QStringList> rows;
        QString error;
    };

    // Every batch of the source, as strings or as UTF-8 bytes.
    static Read readAll(customer::ListPrintRows &source, int width, bool utf8)
    {
        Read read;
        for (;;) {
            QList<QStringList> batch;
            if (utf8) {
                suite::Utf8Rows bytes;
                if (!source.nextUtf8(width, bytes, read.error))
                    return read;
                for (qsizetype row = 0; row < bytes.rowCount(); ++row) {
                    QStringList cells;
                    for (int column = 0; column < width; ++column)
                        cells.append(QString::fromUtf8(bytes.cell(row, column)));
                    batch.append(cells);
                }
            } else if (!source.next(batch, read.error)) {
                return read;
            }
            if (batch.isEmpty())
                return read;
            read.rows += batch;
        }
    }

    void expectSameRowsBothWays(const host::ListRequest &request)
    {
        host::HeadlessSession session;
        QString sMsg;
        ASSERT_TRUE(session.start(
            { m_company.connectionText(), request.userId, request.languageRegion }, sMsg))
            << qPrintable(sMsg);
        const auto list = std::make_shared<host::ListPage>();
        ASSERT_TRUE(list->read(request, sMsg)) << qPrintable(sMsg);
        ASSERT_TRUE(list->openForward(sMsg)) << "the list reads forward " << qPrintable(sMsg);
        const QList<suite::PrintColumn> columns =
            suite::GridPrintTable::columns(list->grid(), true, {});
        const auto readPage = [list](int page, int pageSize, suite::RecordSet &rows, int &pageCount,
                                     QString &reason) {
            if (!list->readPage(page, pageSize, reason))
                return false;
            rows = list->rows();
            pageCount = list->pageCount();
            return true;
        };
        customer::ListPrintRows paged(readPage, 7);
        customer::ListPrintRows forward(
            readPage, 7, [list](QString &reason) { return list->openForward(reason); });
        QList<suite::PrintColumn> pagedColumns = columns;
        QList<suite::PrintColumn> forwardColumns = columns;
        ASSERT_TRUE(paged.start(pagedColumns, sMsg)) << qPrintable(sMsg);
        ASSERT_TRUE(forward.start(forwardColumns, sMsg)) << qPrintable(sMsg);
        const int width = int(columns.size());
        const Read expected = readAll(paged, width, false);
        ASSERT_TRUE(expected.error.isEmpty()) << qPrintable(expected.error);
        ASSERT_GT(expected.rows.size(), 7) << "more than one page";
        EXPECT_EQ(expected.rows.size(), paged.rowCount());
        for (const bool utf8 : { false, true }) {
            QString ignored;
            ASSERT_TRUE(forward.rewind(ignored));
            const Read read = readAll(forward, width, utf8);
            EXPECT_TRUE(read.error.isEmpty()) << qPrintable(read.error);
            ASSERT_EQ(read.rows.size(), expected.rows.size()) << (utf8 ? "bytes" : "strings");
            for (qsizetype row = 0; row < read.rows.size(); ++row)
                EXPECT_EQ(read.rows.at(row), expected.rows.at(row)) << "row " << row;
        }
    }

    DemoCompanyCopy<60> m_company;
};

} // namespace

TEST_F(ListExportRows, ForwardAndPageByPageGiveTheSameCellsUnderTheUsersRights)
{
    host::ListRequest request;
    request.database = m_company.connectionText();
    request.languageRegion = QStringLiteral("en-US");
    expectSameRowsBothWays(request);
    request.userId = QStringLiteral("sales1");
    expectSameRowsBothWays(request);
}

TEST_F(ListExportRows, ForwardAndPageByPageGiveTheSameCellsUnderAFilter)
{
    host::ListRequest request;
    request.database = m_company.connectionText();
    request.languageRegion = QStringLiteral("en-US");
    request.condition = QStringLiteral("(cCusCode >= '0000005' and iCusCreLine >= 0)");
    expectSameRowsBothWays(request);
}
