#include "suite/data/ColumnValue.h"

#include "suite/data/RecordSet.h"

#include <QDate>
#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace suite {

namespace {

// SQL Server's money ends just below 922,337,203,685,477.58; no amount of the suite comes near.
constexpr double kLargestAmount = 922337203685477.0;

std::optional<double> numberOf(const QString &text)
{
    bool ok = false;
    // Amounts come as the card formatted them, possibly with thousands separators.
    const double value = QString(text).remove(u',').toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<QVariant> amountOf(const Field &field, const QString &text, QString &sMsg)
{
    const std::optional<double> number = numberOf(text);
    if (!number)
        return std::nullopt;
    if (!std::isfinite(*number) || std::abs(*number) > kLargestAmount) {
        sMsg = QStringLiteral("'%1' is out of the range of the column %2 (at most %3 either side "
                              "of zero)")
                   .arg(text, field.name, QStringLiteral("922,337,203,685,477"));
        return std::nullopt;
    }
    return QVariant(*number);
}

std::optional<QVariant> integerOf(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (ok)
        return QVariant(value);
    const std::optional<double> number = numberOf(text);
    if (number && *number == double(qlonglong(*number)))
        return QVariant(qlonglong(*number));
    return std::nullopt;
}

std::optional<QVariant> flagOf(const QString &text)
{
    const QString lower = text.toLower();
    if (lower == u"1" || lower == u"-1" || lower == u"true")
        return QVariant(true);
    if (lower == u"0" || lower == u"false")
        return QVariant(false);
    return std::nullopt;
}

std::optional<QVariant> dateOf(const QString &text)
{
    QDateTime date = dateTimeFromText(text);
    if (!date.isValid())
        date = QDate::fromString(text, QStringLiteral("yyyy/M/d")).startOfDay();
    return date.isValid() ? std::optional<QVariant>(date) : std::nullopt;
}

std::optional<QVariant> textOf(const Field &field, const QString &text, QString &sMsg)
{
    if (field.type == adGUID)
        return text.trimmed().isEmpty() ? QVariant() : QVariant(text.trimmed());
    if (field.definedSize > 0 && field.definedSize < kLongTextSize
        && text.size() > field.definedSize) {
        sMsg = QStringLiteral("the value is %1 characters long; the column %2 holds at most %3")
                   .arg(text.size())
                   .arg(field.name)
                   .arg(field.definedSize);
        return std::nullopt;
    }
    return QVariant(text);
}

} // namespace

std::optional<QVariant> columnValueOfText(const Field &field, const QString &text, QString &sMsg)
{
    const TypeFamily family = typeFamily(field.type);
    if (family == TypeFamily::Text)
        return textOf(field, text, sMsg);
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QVariant();
    std::optional<QVariant> value;
    QString expected;
    switch (family) {
    case TypeFamily::Integer:
        value = integerOf(trimmed);
        expected = QStringLiteral("a whole number");
        break;
    case TypeFamily::Real: {
        QString outOfRange;
        value = amountOf(field, trimmed, outOfRange);
        if (!outOfRange.isEmpty()) {
            sMsg = outOfRange;
            return std::nullopt;
        }
    }
        expected = QStringLiteral("a number");
        break;
    case TypeFamily::Boolean:
        value = flagOf(trimmed);
        expected = QStringLiteral("a flag (1 or 0, true or false)");
        break;
    case TypeFamily::DateTime:
        value = dateOf(trimmed);
        expected = QStringLiteral("a date");
        break;
    case TypeFamily::Binary:
        if (const auto decoded = QByteArray::fromBase64Encoding(
                trimmed.toLatin1(), QByteArray::AbortOnBase64DecodingErrors))
            value = QVariant(*decoded);
        expected = QStringLiteral("base64 data");
        break;
    default:
        value = QVariant(text);
        break;
    }
    if (!value)
        sMsg = QStringLiteral("'%1' is not %2, as the column %3 needs")
                   .arg(text, expected, field.name);
    return value;
}

bool sameColumnValue(const Field &field, const QVariant &stored, const QVariant &given)
{
    const TypeFamily family = typeFamily(field.type);
    const QString storedText = stored.isNull() ? QString() : stored.toString();
    const QString givenText = given.isNull() ? QString() : given.toString();
    if (family == TypeFamily::Text) {
        const Qt::CaseSensitivity sensitivity =
            field.type == adGUID ? Qt::CaseInsensitive : Qt::CaseSensitive;
        return storedText.compare(givenText, sensitivity) == 0;
    }
    if (stored.isNull() || given.isNull())
        return stored.isNull() == given.isNull();
    switch (family) {
    case TypeFamily::Integer:
    case TypeFamily::Real: {
        bool storedNumber = false;
        bool givenNumber = false;
        const double a = storedText.toDouble(&storedNumber);
        const double b = givenText.toDouble(&givenNumber);
        if (!storedNumber || !givenNumber)
            return storedText == givenText;
        return std::abs(a - b) <= 1e-9 * std::max({ 1.0, std::abs(a), std::abs(b) });
    }
    case TypeFamily::Boolean: {
        const std::optional<QVariant> a = flagOf(storedText);
        const std::optional<QVariant> b = flagOf(givenText);
        return a && b ? a->toBool() == b->toBool() : storedText == givenText;
    }
    case TypeFamily::DateTime: {
        const QDateTime a = stored.metaType() == QMetaType::fromType<QDateTime>()
            ? stored.toDateTime()
            : dateTimeFromText(storedText);
        const QDateTime b = given.metaType() == QMetaType::fromType<QDateTime>()
            ? given.toDateTime()
            : dateTimeFromText(givenText);
        return a.isValid() && b.isValid() ? a == b : storedText == givenText;
    }
    case TypeFamily::Binary:
        return stored.toByteArray() == given.toByteArray();
    default:
        return storedText == givenText;
    }
}

} // namespace suite
