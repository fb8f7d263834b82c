#include "suite/data/RecordSet.h"
#include "suite/data/RowsetXml.h"
#include "suite/data/SqliteConnection.h"

#include <QDateTime>

#include <benchmark/benchmark.h>

using namespace suite;

namespace {

const QList<Field> kCustomerFields = { { QStringLiteral("cCusCode"), adVarWChar, 20 },
                                       { QStringLiteral("cCusName"), adVarWChar, 98 },
                                       { QStringLiteral("cCusAddress"), adVarWChar, 255 },
                                       { QStringLiteral("iCusCreLine"), adInteger, 4 },
                                       { QStringLiteral("bCusState"), adBoolean, 2 },
                                       { QStringLiteral("dCusDevDate"), adDBTimeStamp, 16 },
                                       { QStringLiteral("fCusDisRate"), adDouble, 8 } };

RecordSet customers(int count)
{
    const QDateTime start(QDate(2020, 1, 1), QTime(8, 0));
    std::vector<QVariant> cells;
    cells.reserve(size_t(count) * kCustomerFields.size());
    for (int i = 0; i < count; ++i) {
        cells.emplace_back(QStringLiteral("C%1").arg(i, 7, 10, QLatin1Char('0')));
        cells.emplace_back(QStringLiteral("客户%1 Trading & Co.").arg(i));
        cells.emplace_back(i % 10 == 0
                               ? QVariant()
                               : QVariant(QStringLiteral("北京市海淀区中关村大街%1号").arg(i)));
        cells.emplace_back(i % 1000);
        cells.emplace_back(i % 3 == 0);
        cells.emplace_back(start.addSecs(qint64(i) * 600));
        cells.emplace_back(i * 0.001);
    }
    return RecordSet::fromCells(kCustomerFields, std::move(cells));
}

void BM_FilterOver100kRows(benchmark::State &state)
{
    RecordSet rs = customers(100000);
    const QString filter = QStringLiteral(
        "(cCusName like '%5 trading%' or cCusCode = 'C0000007') and iCusCreLine > 100");
    QString sMsg;
    for (auto _ : state) {
        rs.SetFilter(filter, sMsg);
        benchmark::DoNotOptimize(rs.RecordCount());
    }
    state.counters["rows_left"] = rs.RecordCount();
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_FilterOver100kRows)->Unit(benchmark::kMillisecond);

void BM_IterateMillionRows(benchmark::State &state)
{
    RecordSet rs = customers(1000000);
    const int rate = rs.FieldIndex(QStringLiteral("fCusDisRate"));
    for (auto _ : state) {
        double sum = 0;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            sum += rs.Value(rate).toDouble();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_IterateMillionRows)->Unit(benchmark::kMillisecond);

void BM_BindPageByName(benchmark::State &state)
{
    RecordSet rs = customers(1000);
    for (auto _ : state) {
        qsizetype length = 0;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            for (const Field &field : kCustomerFields)
                length += rs.Value(field.name).toString().size();
        }
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_BindPageByName)->Unit(benchmark::kMicrosecond);

// About 10 MB of UTF-8 text.
void BM_SaveXml10MB(benchmark::State &state)
{
    const RecordSet rs = customers(45000);
    qint64 bytes = 0;
    for (auto _ : state) {
        const QString xml = RowsetXml::save(rs);
        bytes = xml.toUtf8().size();
        benchmark::DoNotOptimize(xml.data());
    }
    state.counters["MB"] = double(bytes) / 1e6;
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_SaveXml10MB)->Unit(benchmark::kMillisecond);

void BM_LoadXml10MB(benchmark::State &state)
{
    const QString xml = RowsetXml::save(customers(45000));
    for (auto _ : state) {
        RecordSet rs;
        QString sMsg;
        benchmark::DoNotOptimize(RowsetXml::load(xml, rs, sMsg));
    }
    state.SetBytesProcessed(state.iterations() * xml.toUtf8().size());
}
BENCHMARK(BM_LoadXml10MB)->Unit(benchmark::kMillisecond);

void BM_QuerySqlite100kRows(benchmark::State &state)
{
    SqliteConnection db;
    QString sMsg;
    db.open(QStringLiteral(":memory:"), sMsg);
    db.execute(QStringLiteral("create table Customer (cCusCode nvarchar(20) primary key, "
                              "cCusName nvarchar(98), cCusAddress nvarchar(255), iCusCreLine int, "
                              "bCusState bit, dCusDevDate datetime, fCusDisRate float);"
                              "begin"),
               sMsg);
    RecordSet writable = db.openForInsert(QStringLiteral("Customer"), sMsg);
    const RecordSet source = customers(100000);
    for (int row = 0; row < source.RecordCount(); ++row) {
        writable.AddNew(sMsg);
        for (int field = 0; field < source.FieldCount(); ++field)
            writable.SetValue(field, source.valueAt(row, field));
        writable.Update(sMsg);
    }
    db.execute(QStringLiteral("commit"), sMsg);
    for (auto _ : state) {
        const RecordSet rs = db.query(QStringLiteral("select * from Customer"), {}, sMsg);
        benchmark::DoNotOptimize(rs.RecordCount());
    }
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_QuerySqlite100kRows)->Unit(benchmark::kMillisecond);

} // namespace
