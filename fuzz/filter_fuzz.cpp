#include "FuzzInput.h"

#include "suite/data/RecordSetFilter.h"

#include <QDateTime>
#include <QVariant>

// A filter compiled against fields of every type family, then tested on one row.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QList<suite::Field> fields = {
        { QStringLiteral("cCusCode"), suite::adVarWChar, 20 },
        { QStringLiteral("iCusCreLine"), suite::adInteger, 4 },
        { QStringLiteral("fRate"), suite::adDouble, 8 },
        { QStringLiteral("bCusState"), suite::adBoolean, 1 },
        { QStringLiteral("dCusDevDate"), suite::adDBTimeStamp, 8 },
    };
    static const QVariant row[] = { QStringLiteral("0001"), 5, 0.5, true,
                                    QDateTime::fromSecsSinceEpoch(0) };
    suite::RecordSetFilter filter;
    QString sMsg;
    if (suite::RecordSetFilter::compile(fuzzText(data, size), fields, filter, sMsg)
        && !filter.isNull()) {
        (void)filter.matches(row);
    }
    return 0;
}
