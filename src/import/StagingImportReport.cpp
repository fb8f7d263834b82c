#include "import/StagingImportReport.h"

namespace customer {

QString StagingImportReport::outcome(const Texts &texts) const
{
    if (!failure.isEmpty())
        return failure;
    if (cancelled)
        return texts("Tarn.AA.IMPORT.FILE.cancelled", { QString::number(landed + updated) });
    return {};
}

QStringList StagingImportReport::counts(const Texts &texts) const
{
    QStringList lines{ texts("Tarn.AA.IMPORT.FILE.summary",
                             { fileName, QString::number(landed), QString::number(updated),
                               QString::number(withErrors) }) };
    if (!unknownColumns.isEmpty())
        lines.append(texts("Tarn.AA.IMPORT.FILE.unknowncolumns",
                           { unknownColumns.join(QStringLiteral(", ")) }));
    return lines;
}

QString StagingImportReport::summary(const Texts &texts) const
{
    QStringList lines = counts(texts);
    if (const QString ended = outcome(texts); !ended.isEmpty())
        lines.prepend(ended);
    return lines.join(u'\n');
}

} // namespace customer
