#include "suite/print/CsvExport.h"

#include <QIODevice>

#include <cstring>

namespace suite {

namespace {

bool startsFormula(QByteArrayView text)
{
    if (text.isEmpty())
        return false;
    const char first = text.front();
    return first == '=' || first == '+' || first == '-' || first == '@' || first == '\t'
        || first == '\r';
}

bool isNumber(QByteArrayView text)
{
    bool ok = false;
    text.toByteArray().replace(',', QByteArrayView()).toDouble(&ok);
    return ok;
}

// Appends the cell quoted to out. Every byte of a UTF-8 sequence is 0x80 or above, so the
// ASCII characters looked at here never fall inside a Chinese character.
void appendCell(QByteArray &out, QByteArrayView text, PrintColumnKind kind)
{
    out += '"';
    // Only a text that starts like a formula can need the apostrophe, so the number test,
    // which is dear, is made for those alone.
    if (startsFormula(text) && !(kind == PrintColumnKind::Number && isNumber(text)))
        out += '\'';
    const char *at = text.data();
    const char *end = at + text.size();
    while (const char *quote = static_cast<const char *>(std::memchr(at, '"', size_t(end - at)))) {
        out.append(at, quote + 1 - at);
        out += '"';
        at = quote + 1;
    }
    out.append(at, end - at);
    out += '"';
}

void appendRows(QByteArray &out, const Utf8Rows &rows, const QList<PrintColumn> &columns)
{
    for (qsizetype row = 0; row < rows.rowCount(); ++row) {
        for (int column = 0; column < rows.width(); ++column) {
            if (column > 0)
                out += ',';
            appendCell(out, rows.cell(row, column),
                       column < columns.size() ? columns.at(column).kind : PrintColumnKind::Text);
        }
        out += "\r\n";
    }
}

QByteArray headerLine(const PrintData &data)
{
    Utf8Rows captions;
    captions.reset(int(data.columns.size()));
    for (const QString &caption : data.captions())
        captions.appendCell(caption.toUtf8());
    QList<PrintColumn> textColumns = data.columns;
    for (PrintColumn &column : textColumns)
        column.kind = PrintColumnKind::Text;
    QByteArray line("\xEF\xBB\xBF");
    appendRows(line, captions, textColumns);
    return line;
}

} // namespace

QString CsvExport::cell(const QString &text, PrintColumnKind kind)
{
    QByteArray quoted;
    appendCell(quoted, text.toUtf8(), kind);
    return QString::fromUtf8(quoted);
}

qint64 CsvExport::write(QIODevice &out, const PrintData &data, const PrintProgress &progress,
                        QString &sMsg)
{
    if (out.write(headerLine(data)) < 0 || !data.rows->rewind(sMsg))
        return -1;
    const int width = int(data.columns.size());
    qint64 written = 0;
    Utf8Rows batch;
    QByteArray text;
    for (;;) {
        if (!data.rows->nextUtf8(width, batch, sMsg))
            return -1;
        if (batch.isEmpty())
            return written;
        // A batch is quoted and written at once; the buffer keeps its room for the next.
        text.resize(0);
        appendRows(text, batch, data.columns);
        if (out.write(text) < 0) {
            sMsg = out.errorString();
            return -1;
        }
        written += batch.rowCount();
        if (progress && !progress(written, std::max(written, data.rowCount()))) {
            sMsg.clear();
            return -1;
        }
    }
}

} // namespace suite
