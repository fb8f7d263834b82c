#include "import/StagingImportReport.h"

namespace customer {

QString StagingImportReport::summary(
    const std::function<QString(const char *key, const QStringList &args)> &texts) const
{
    QStringList lines;
    if (!failure.isEmpty())
        lines.append(failure);
    else if (cancelled)
        lines.append(texts("Tarn.AA.IMPORT.FILE.cancelled", { QString::number(landed + updated) }));
    lines.append(texts("Tarn.AA.IMPORT.FILE.summary",
                       { fileName, QString::number(landed), QString::number(updated),
                         QString::number(withErrors) }));
    if (!unknownColumns.isEmpty())
        lines.append(texts("Tarn.AA.IMPORT.FILE.unknowncolumns",
                           { unknownColumns.join(QStringLiteral(", ")) }));
    return lines.join(u'\n');
}

} // namespace customer
