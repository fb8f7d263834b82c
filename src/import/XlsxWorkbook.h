#pragma once

#include <QList>
#include <QString>

namespace customer {

class ZipArchive;

// What the sheet reader needs to know of a workbook besides the sheet: where the first sheet
// is, which date system it counts in and which cell styles show dates.
struct XlsxWorkbook
{
    QString sheetPath; // "xl/worksheets/sheet1.xml"
    bool date1904 = false;
    QList<bool> dateStyles; // by the cell's style index ("s")

    bool isDateStyle(int style) const
    {
        return style >= 0 && style < dateStyles.size() && dateStyles[style];
    }

    // False with the reason when the workbook's parts are missing or broken.
    bool read(const ZipArchive &archive, QString &sMsg);
};

} // namespace customer
