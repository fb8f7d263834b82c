#pragma once

#include <QByteArray>
#include <QString>

namespace suite {

struct PrintData;

// The table as an Excel workbook (.xlsx): the smallest package Office Open XML allows, one
// sheet with the header row and the rows, every cell an inline string so that codes such as
// "0012" keep their leading zeros.
class XlsxWriter
{
public:
    static QByteArray workbook(const PrintData &data);

    // The sheet part alone (xl/worksheets/sheet1.xml).
    static QByteArray sheetXml(const PrintData &data);
    // "A" for column 0, "Z" for 25, "AA" for 26.
    static QString columnName(int column);
};

} // namespace suite
