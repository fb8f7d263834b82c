#pragma once

#include "import/TableSource.h"
#include "import/XlsxWorkbook.h"
#include "import/ZipArchive.h"

#include <QXmlStreamReader>

#include <algorithm>

namespace customer {

// The rows of the first sheet of an XLSX workbook. The sheet is unpacked and parsed a chunk at
// a time, so that a sheet of any length takes little memory; only the shared strings are held.
// Cells come as their texts: shared and inline strings, numbers as the sheet writes them,
// flags as 1 or 0, and numbers in cells with a date style as "2026-12-07" or
// "2026-12-07 08:30:00". Cells a row leaves out are empty, in the column their neighbours'
// references say.
class XlsxReader final : public TableSource
{
public:
    // False with the reason when the file is no workbook that can be read.
    bool open(const QString &path, QString &sMsg);

    bool next(SourceRow &row) override;
    QString error() const override { return m_error; }
    // The sheet is unpacked ahead a chunk at a time; what the parser has taken counts.
    qint64 bytesDone() const override { return std::min(m_xml.characterOffset(), m_sheet.done()); }
    qint64 bytesTotal() const override { return m_sheet.size(); }

private:
    struct Cell
    {
        int column = -1;
        QString type;
        int style = -1;
        QString value;
    };

    QXmlStreamReader::TokenType readNext();
    bool readRow(SourceRow &row);
    bool readCell(Cell &cell);
    QString cellText(const Cell &cell) const;
    bool fail(const QString &sMsg);

    ZipArchive m_archive;
    ZipArchive::Entry m_sheet;
    XlsxWorkbook m_workbook;
    QStringList m_sharedStrings;
    QXmlStreamReader m_xml;
    qint64 m_lastRow = 0;
    QString m_error;
};

} // namespace customer
