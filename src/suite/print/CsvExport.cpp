#include "suite/print/CsvExport.h"

#include "suite/print/PrintData.h"

#include <QStringList>

namespace suite {

namespace {

QString line(const QStringList &cells)
{
    QStringList quoted;
    quoted.reserve(cells.size());
    for (QString cell : cells)
        quoted.append(u'"' + cell.replace(u'"', QStringLiteral("\"\"")) + u'"');
    return quoted.join(u',') + QStringLiteral("\r\n");
}

} // namespace

QByteArray CsvExport::csv(const PrintData &data)
{
    QString text = line(data.headers);
    for (const QStringList &row : data.rows)
        text += line(row);
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace suite
