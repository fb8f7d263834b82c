#include "catalogue/LowerXmlTags.h"

#include <benchmark/benchmark.h>

// A record-set XML of about 10 MB as the card and batch modify lower-case it.
static void BM_LowerXmlTags(benchmark::State &state)
{
    QString row = QStringLiteral("\t<z:row cCusCode='C%1' cCusName='北京远航科技有限公司 R&D' "
                                 "cCusAbbName='远航' iCusCreLine='5000.00' bCredit='True'/>\n");
    QString xml = QStringLiteral("<xml xmlns:rs='urn:schemas-microsoft-com:rowset'><rs:data>\n");
    while (xml.size() * 2 < 10'000'000)
        xml += row.arg(xml.size());
    xml += QStringLiteral("</rs:data></xml>");
    for (auto _ : state) {
        QString copy = xml;
        customer::LowerXmlTags(copy, true);
        benchmark::DoNotOptimize(copy.constData());
    }
    state.SetBytesProcessed(state.iterations() * xml.size() * qsizetype(sizeof(QChar)));
}
BENCHMARK(BM_LowerXmlTags)->Unit(benchmark::kMillisecond);
