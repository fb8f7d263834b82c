#include "suite/print/CsvExport.h"

#include <QIODevice>

namespace suite {

namespace {

bool startsFormula(const QString &text)
{
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    return first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == u'\t'
        || first == u'\r';
}

bool isNumber(const QString &text)
{
    bool ok = false;
    QString(text).remove(u',').toDouble(&ok);
    return ok;
}

QByteArray line(const QStringList &cells, const QList<PrintColumn> &columns)
{
    QStringList quoted;
    quoted.reserve(cells.size());
    for (int column = 0; column < cells.size(); ++column)
        quoted.append(CsvExport::cell(cells.at(column), columns.value(column).kind));
    return (quoted.join(u',') + QStringLiteral("\r\n")).toUtf8();
}

} // namespace

QString CsvExport::cell(const QString &text, PrintColumnKind kind)
{
    QString value = text;
    const bool numberKept = kind == PrintColumnKind::Number && isNumber(value);
    if (startsFormula(value) && !numberKept)
        value.prepend(u'\'');
    return u'"' + value.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

qint64 CsvExport::write(QIODevice &out, const PrintData &data, const PrintProgress &progress,
                        QString &sMsg)
{
    QList<PrintColumn> captionColumns = data.columns;
    for (PrintColumn &column : captionColumns)
        column.kind = PrintColumnKind::Text;
    if (out.write("\xEF\xBB\xBF") < 0 || out.write(line(data.captions(), captionColumns)) < 0
        || !data.rows->rewind(sMsg)) {
        return -1;
    }
    qint64 written = 0;
    for (;;) {
        QList<QStringList> batch;
        if (!data.rows->next(batch, sMsg))
            return -1;
        if (batch.isEmpty())
            return written;
        for (const QStringList &row : std::as_const(batch)) {
            if (out.write(line(row, data.columns)) < 0) {
                sMsg = out.errorString();
                return -1;
            }
        }
        written += batch.size();
        if (progress && !progress(written, std::max(written, data.rowCount()))) {
            sMsg.clear();
            return -1;
        }
    }
}

} // namespace suite
