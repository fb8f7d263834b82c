#include "FuzzInput.h"

#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"

namespace {

// Sends every other search down each road: by the length of what is counted.
class AlternatingStatistics final : public suite::tsql::FullTextStatistics
{
public:
    qint64 manyRows() const override { return 2; }
    qint64 matchingRows(const QString &, const QString &query, qint64) const override
    {
        return query.size() % 3;
    }
    qint64 estimatedRows(const QString &, const QString &condition) const override
    {
        return condition.size() % 3;
    }
};

} // namespace

// Any text either translates or is refused with a reason. The lookups make every '+' chain go
// through the concatenation test and every LIKE on a column whose name starts with 'k' through
// the prefix test; CONTAINS takes both of its roads.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const AlternatingStatistics statistics;
    static suite::tsql::TsqlTranslator translator(
        std::make_shared<suite::tsql::SqliteDialect>(&statistics), 0);
    static const bool lookupsSet = [] {
        translator.setTextColumnLookup(
            [](QStringView, QStringView column) { return column.startsWith(u'c'); });
        translator.setCoarseColumnLookup(
            [](QStringView, QStringView column) { return column.startsWith(u'k'); });
        return true;
    }();
    (void)lookupsSet;
    QString sMsg;
    const auto batch = translator.translate(fuzzText(data, size), sMsg);
    if (!batch && sMsg.isEmpty())
        __builtin_trap();
    return 0;
}
