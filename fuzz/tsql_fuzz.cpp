#include "FuzzInput.h"

#include "suite/data/tsql/SqliteDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"

// Any text either translates or is refused with a reason; the text-column lookup makes every
// '+' chain go through the concatenation test.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static suite::tsql::TsqlTranslator translator(std::make_shared<suite::tsql::SqliteDialect>(),
                                                  0);
    static const bool lookupSet = [] {
        translator.setTextColumnLookup(
            [](QStringView, QStringView column) { return column.startsWith(u'c'); });
        return true;
    }();
    (void)lookupSet;
    QString sMsg;
    const auto batch = translator.translate(fuzzText(data, size), sMsg);
    if (!batch && sMsg.isEmpty())
        __builtin_trap();
    return 0;
}
