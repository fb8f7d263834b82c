#include "suite/core/XmlDocument.h"

#include <benchmark/benchmark.h>

using suite::XmlDocument;
using suite::XmlElement;

namespace {

constexpr int kRowsetRows = 40000;

// A persisted record set of about 10 MB in UTF-8: the schema part, then rows with Chinese
// names, escaped values and a null (missing) attribute on every third row.
const QString &rowsetXml()
{
    static const QString text = [] {
        QString xml = QStringLiteral(
            "<xml xmlns:s='uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882' "
            "xmlns:dt='uuid:C2F41010-65B3-11d1-A29F-00AA00C14882' "
            "xmlns:rs='urn:schemas-microsoft-com:rowset' xmlns:z='#RowsetSchema'>\n"
            "<s:Schema id='RowsetSchema'><s:ElementType name='row' content='eltOnly'>");
        for (const char *field : { "cCusCode", "cCusName", "cCusAbbName", "cCCCode", "cDCCode",
                                   "iCusCreLine", "dDepBeginDate", "cCusAddress", "cMemo" }) {
            xml += QStringLiteral("<s:AttributeType name='%1' rs:nullable='true'>"
                                  "<s:datatype dt:type='string' dt:maxLength='98'/>"
                                  "</s:AttributeType>")
                       .arg(QLatin1StringView(field));
        }
        xml +=
            QStringLiteral("<s:extends type='rs:rowbase'/></s:ElementType></s:Schema>\n<rs:data>");
        for (int row = 0; row < kRowsetRows; ++row) {
            const QString code = QStringLiteral("C%1").arg(row, 6, 10, QLatin1Char('0'));
            xml += QStringLiteral("\n\t<z:row cCusCode='%1' cCusName='北京客户档案有限公司%1' "
                                  "cCusAbbName='客户%1' cCCCode='0101' cDCCode='%2' "
                                  "iCusCreLine='%3' dDepBeginDate='2024-01-01T00:00:00' "
                                  "cCusAddress='北京市海淀区中关村大街%4号'")
                       .arg(code)
                       .arg(row % 50)
                       .arg(row * 10)
                       .arg(row % 300);
            xml += row % 3 == 0 ? QStringLiteral("/>")
                                : QStringLiteral(" cMemo='R&amp;D &lt;重点&gt; 客户'/>");
        }
        xml += QStringLiteral("\n</rs:data>\n</xml>");
        return xml;
    }();
    return text;
}

qint64 rowsetBytes()
{
    static const qint64 bytes = rowsetXml().toUtf8().size();
    return bytes;
}

XmlDocument loadedRowset()
{
    XmlDocument document;
    if (!document.loadXml(rowsetXml()))
        qFatal("rowset does not load: %s", qPrintable(document.parseError()));
    return document;
}

void BM_XmlLoadRowset(benchmark::State &state)
{
    for (auto _ : state) {
        XmlDocument document;
        benchmark::DoNotOptimize(document.loadXml(rowsetXml()));
    }
    state.SetBytesProcessed(state.iterations() * rowsetBytes());
}
BENCHMARK(BM_XmlLoadRowset)->Unit(benchmark::kMillisecond);

// The import walk: load, select every row, read its fields.
void BM_XmlLoadAndReadRows(benchmark::State &state)
{
    for (auto _ : state) {
        XmlDocument document;
        document.loadXml(rowsetXml());
        qsizetype characters = 0;
        for (const XmlElement &row : document.selectNodes("//xml/rs:data/z:row"))
            characters += row.attribute("cCusCode").size() + row.attribute("cMemo").size();
        benchmark::DoNotOptimize(characters);
    }
    state.SetBytesProcessed(state.iterations() * rowsetBytes());
}
BENCHMARK(BM_XmlLoadAndReadRows)->Unit(benchmark::kMillisecond);

void BM_XmlSelectRowByPredicate(benchmark::State &state)
{
    const XmlDocument document = loadedRowset();
    const QString path = QStringLiteral("//xml/rs:data/z:row[@cCusCode='C%1']")
                             .arg(kRowsetRows - 1, 6, 10, QLatin1Char('0'));
    for (auto _ : state)
        benchmark::DoNotOptimize(document.selectSingleNode(path));
}
BENCHMARK(BM_XmlSelectRowByPredicate)->Unit(benchmark::kMillisecond);

void BM_XmlSerialiseRowset(benchmark::State &state)
{
    const XmlDocument document = loadedRowset();
    for (auto _ : state)
        benchmark::DoNotOptimize(document.xml());
    state.SetBytesProcessed(state.iterations() * rowsetBytes());
}
BENCHMARK(BM_XmlSerialiseRowset)->Unit(benchmark::kMillisecond);

} // namespace
