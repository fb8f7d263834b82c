#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringEncoder>
#include <QVariant>

#include <xlsxwriter.h>

// Files to import, written as the programs users have write them.

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A CSV text in an encoding ("UTF-8" or "GB18030"), with a byte-order mark when asked.
inline bool writeCsv(const QString &path, const QString &text, const char *encoding = "UTF-8",
                     bool byteOrderMark = false)
{
    QStringEncoder encoder(encoding);
    QByteArray bytes = encoder.encode(text);
    if (byteOrderMark)
        bytes.prepend("\xEF\xBB\xBF");
    return writeBytes(path, bytes);
}

// A workbook of one sheet written by libxlsxwriter: a QString cell as a string, a number as a
// number, a QDateTime as a date in a date-formatted cell, a null QVariant as no cell at all.
// constantMemory writes inline strings instead of shared ones.
inline bool writeXlsx(const QString &path, const QList<QVariantList> &rows,
                      bool constantMemory = false)
{
    lxw_workbook_options options{};
    options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
    const QByteArray name = QFile::encodeName(path);
    lxw_workbook *workbook = workbook_new_opt(name.constData(), &options);
    if (!workbook)
        return false;
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    lxw_format *dateFormat = workbook_add_format(workbook);
    format_set_num_format(dateFormat, "yyyy/m/d hh:mm");
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            const QVariant &cell = rows[r][c];
            if (cell.typeId() == QMetaType::QString) {
                worksheet_write_string(sheet, r, c, cell.toString().toUtf8().constData(), nullptr);
            } else if (cell.typeId() == QMetaType::QDateTime) {
                const QDateTime at = cell.toDateTime();
                lxw_datetime stamp{
                    at.date().year(), at.date().month(),  at.date().day(),
                    at.time().hour(), at.time().minute(), double(at.time().second())
                };
                worksheet_write_datetime(sheet, r, c, &stamp, dateFormat);
            } else if (!cell.isNull()) {
                worksheet_write_number(sheet, r, c, cell.toDouble(), nullptr);
            }
        }
    }
    return workbook_close(workbook) == LXW_NO_ERROR;
}
