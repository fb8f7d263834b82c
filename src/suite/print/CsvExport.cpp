#include "suite/print/CsvExport.h"

#include <QIODevice>

namespace suite {

namespace {

bool startsFormula(QStringView text)
{
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    return first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == u'\t'
        || first == u'\r';
}

bool isNumber(QStringView text)
{
    bool ok = false;
    text.toString().remove(u',').toDouble(&ok);
    return ok;
}

// Appends the cell quoted to out, without a string of its own: a long export writes millions.
void appendCell(QString &out, QStringView text, PrintColumnKind kind)
{
    out += u'"';
    // Only a text that starts like a formula can need the apostrophe, so the number test,
    // which is dear, is made for those alone.
    if (startsFormula(text) && !(kind == PrintColumnKind::Number && isNumber(text)))
        out += u'\'';
    qsizetype from = 0;
    for (qsizetype quote = text.indexOf(u'"'); quote >= 0; quote = text.indexOf(u'"', from)) {
        out += text.mid(from, quote + 1 - from);
        out += u'"';
        from = quote + 1;
    }
    out += text.mid(from);
    out += u'"';
}

void appendLine(QString &out, const QStringList &cells, const QList<PrintColumn> &columns)
{
    for (qsizetype column = 0; column < cells.size(); ++column) {
        if (column > 0)
            out += u',';
        appendCell(out, cells.at(column),
                   column < columns.size() ? columns.at(column).kind : PrintColumnKind::Text);
    }
    out += QLatin1StringView("\r\n");
}

bool writeText(QIODevice &out, const QString &text)
{
    return out.write(text.toUtf8()) >= 0;
}

} // namespace

QString CsvExport::cell(const QString &text, PrintColumnKind kind)
{
    QString quoted;
    appendCell(quoted, text, kind);
    return quoted;
}

qint64 CsvExport::write(QIODevice &out, const PrintData &data, const PrintProgress &progress,
                        QString &sMsg)
{
    QList<PrintColumn> captionColumns = data.columns;
    for (PrintColumn &column : captionColumns)
        column.kind = PrintColumnKind::Text;
    QString text;
    appendLine(text, data.captions(), captionColumns);
    if (out.write("\xEF\xBB\xBF") < 0 || !writeText(out, text) || !data.rows->rewind(sMsg))
        return -1;
    qint64 written = 0;
    QList<QStringList> batch;
    for (;;) {
        if (!data.rows->next(batch, sMsg))
            return -1;
        if (batch.isEmpty())
            return written;
        // A batch is converted and written at once; the buffer keeps its room for the next.
        text.resize(0);
        for (const QStringList &row : std::as_const(batch))
            appendLine(text, row, data.columns);
        if (!writeText(out, text)) {
            sMsg = out.errorString();
            return -1;
        }
        written += batch.size();
        if (progress && !progress(written, std::max(written, data.rowCount()))) {
            sMsg.clear();
            return -1;
        }
    }
}

} // namespace suite
