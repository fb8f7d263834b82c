#include "suite/print/XlsxExport.h"

#include "suite/data/RecordSet.h"

#include <QDir>
#include <QFile>

#include <xlsxwriter.h>

#include <algorithm>

namespace suite {

namespace {

// Characters a cell shows per grid pixel, and the widths a column keeps to.
constexpr double kPixelsPerCharacter = 7;
constexpr double kNarrowest = 6;
constexpr double kWidest = 60;
constexpr int kMostCellCharacters = 32767;

struct Formats
{
    lxw_format *header = nullptr;
    lxw_format *date = nullptr;
    lxw_format *moment = nullptr;
};

bool isSet(const QString &flag)
{
    const QString value = flag.trimmed().toLower();
    return value == u"1" || value == u"-1" || value == u"true";
}

// A line break in a cell is a line feed alone, as the spreadsheet programs keep it.
lxw_error writeText(lxw_worksheet *sheet, lxw_row_t row, lxw_col_t col, const QString &text,
                    lxw_format *format = nullptr)
{
    const QString cell = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return worksheet_write_string(sheet, row, col,
                                  cell.left(kMostCellCharacters).toUtf8().constData(), format);
}

lxw_error writeCell(lxw_worksheet *sheet, const Formats &formats, lxw_row_t row, lxw_col_t col,
                    const QString &text, PrintColumnKind kind)
{
    if (text.isEmpty())
        return LXW_NO_ERROR;
    switch (kind) {
    case PrintColumnKind::Number: {
        bool ok = false;
        const double number = QString(text).remove(u',').toDouble(&ok);
        if (ok)
            return worksheet_write_number(sheet, row, col, number, nullptr);
        break;
    }
    case PrintColumnKind::Flag:
        return worksheet_write_boolean(sheet, row, col, isSet(text), nullptr);
    case PrintColumnKind::Date: {
        const QDateTime moment = dateTimeFromText(text);
        if (!moment.isValid())
            break;
        lxw_datetime value{ moment.date().year(),   moment.date().month(),
                            moment.date().day(),    moment.time().hour(),
                            moment.time().minute(), double(moment.time().second()) };
        const bool dayOnly = moment.time() == QTime(0, 0);
        return worksheet_write_datetime(sheet, row, col, &value,
                                        dayOnly ? formats.date : formats.moment);
    }
    case PrintColumnKind::Text:
        break;
    }
    return writeText(sheet, row, col, text);
}

double columnWidth(const PrintColumn &column)
{
    const double screen = column.gridWidth / kPixelsPerCharacter;
    const double caption = column.caption.size() * 2.0;
    return std::clamp(std::max(screen, caption), kNarrowest, kWidest);
}

QString failure(lxw_error error)
{
    return QString::fromUtf8(lxw_strerror(error));
}

} // namespace

qint64 XlsxExport::write(const QString &fileName, const PrintData &data,
                         const PrintProgress &progress, QString &sMsg)
{
    if (data.rowCount() > kMostRows) {
        sMsg = QStringLiteral("an Excel sheet holds at most %1 rows and the list has %2: export "
                              "it to CSV instead.")
                   .arg(kMostRows)
                   .arg(data.rowCount());
        return -1;
    }
    const QByteArray tmpdir = QFile::encodeName(QDir::tempPath());
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.use_zip64 = LXW_TRUE;
    options.tmpdir = const_cast<char *>(tmpdir.constData());
    lxw_workbook *book = workbook_new_opt(QFile::encodeName(fileName).constData(), &options);
    if (!book) {
        sMsg = QStringLiteral("the workbook cannot be made.");
        return -1;
    }
    lxw_worksheet *sheet = workbook_add_worksheet(book, nullptr);
    Formats formats{ workbook_add_format(book), workbook_add_format(book),
                     workbook_add_format(book) };
    format_set_bold(formats.header);
    format_set_num_format(formats.date, "yyyy-mm-dd");
    format_set_num_format(formats.moment, "yyyy-mm-dd hh:mm:ss");
    for (int col = 0; col < data.columns.size(); ++col) {
        worksheet_set_column(sheet, lxw_col_t(col), lxw_col_t(col),
                             columnWidth(data.columns.at(col)), nullptr);
        writeText(sheet, 0, lxw_col_t(col), data.columns.at(col).caption, formats.header);
    }
    worksheet_freeze_panes(sheet, 1, 0);

    qint64 written = 0;
    bool ok = data.rows->rewind(sMsg);
    while (ok) {
        QList<QStringList> batch;
        ok = data.rows->next(batch, sMsg);
        if (!ok || batch.isEmpty())
            break;
        for (const QStringList &cells : std::as_const(batch)) {
            if (++written > kMostRows) {
                sMsg = QStringLiteral("an Excel sheet holds at most %1 rows.").arg(kMostRows);
                ok = false;
                break;
            }
            for (int col = 0; ok && col < cells.size() && col < data.columns.size(); ++col) {
                const lxw_error error =
                    writeCell(sheet, formats, lxw_row_t(written), lxw_col_t(col), cells.at(col),
                              data.columns.at(col).kind);
                if (error != LXW_NO_ERROR) {
                    sMsg = failure(error);
                    ok = false;
                }
            }
        }
        if (ok && progress && !progress(written, std::max(written, data.rowCount()))) {
            sMsg.clear();
            ok = false;
        }
    }
    const lxw_error closed = workbook_close(book);
    if (ok && closed != LXW_NO_ERROR) {
        sMsg = failure(closed);
        ok = false;
    }
    return ok ? written : -1;
}

} // namespace suite
