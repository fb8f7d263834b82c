#include "import/CellValues.h"

#include "import/ExcelDate.h"

#include <QRegularExpression>

#include <cmath>

namespace customer {

namespace {

std::optional<QDateTime> writtenDate(const QString &text)
{
    static const QRegularExpression form(QStringLiteral(
        "^(\\d{4})(?:([-/.])(\\d{1,2})\\2(\\d{1,2})|年(\\d{1,2})月(\\d{1,2})日?|(\\d{2})(\\d{2}))"
        "(?:[ T]+(\\d{1,2}):(\\d{2})(?::(\\d{2})(?:\\.\\d+)?)?)?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    auto number = [&match](std::initializer_list<int> groups) {
        for (const int group : groups) {
            if (match.hasCaptured(group))
                return match.captured(group).toInt();
        }
        return 0;
    };
    const QDate date(number({ 1 }), number({ 3, 5, 7 }), number({ 4, 6, 8 }));
    const QTime time(number({ 9 }), number({ 10 }), number({ 11 }));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}

} // namespace

std::optional<QDateTime> cellDate(const QString &text)
{
    if (const std::optional<QDateTime> written = writtenDate(text))
        return written;
    static const QRegularExpression serial(QStringLiteral("^\\d{1,7}(\\.\\d+)?$"));
    if (!serial.match(text).hasMatch())
        return std::nullopt;
    const QDateTime date = excelSerialDateTime(text.toDouble());
    return date.isValid() ? std::optional(date) : std::nullopt;
}

std::optional<double> cellNumber(const QString &text)
{
    static const QRegularExpression grouped(QStringLiteral("^[-+]?\\d{1,3}(,\\d{3})+(\\.\\d*)?$"));
    const QString plain = grouped.match(text).hasMatch() ? QString(text).remove(u',') : text;
    bool ok = false;
    const double number = plain.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<qint64> cellWholeNumber(const QString &text)
{
    const std::optional<double> number = cellNumber(text);
    // Beyond 2^53 a double no longer holds every whole number.
    if (!number || std::trunc(*number) != *number || std::fabs(*number) > 9007199254740992.0)
        return std::nullopt;
    return qint64(*number);
}

std::optional<bool> cellFlag(const QString &text)
{
    static const QStringList yes{ QStringLiteral("1"), QStringLiteral("是"), QStringLiteral("true"),
                                  QStringLiteral("y"), QStringLiteral("yes") };
    static const QStringList no{ QStringLiteral("0"), QStringLiteral("否"), QStringLiteral("false"),
                                 QStringLiteral("n"), QStringLiteral("no") };
    if (yes.contains(text, Qt::CaseInsensitive))
        return true;
    if (no.contains(text, Qt::CaseInsensitive))
        return false;
    return std::nullopt;
}

} // namespace customer
