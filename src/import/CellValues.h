#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace customer {

// The typed value of a cell's text, as a person writes it in a spreadsheet or a CSV file; no
// value when the text is not one of the forms below. Texts come trimmed.

// 2026-12-07, 2026/12/07, 2026.12.07, 2026年12月7日, 20261207, each with an optional time of
// day (" 08:30" or " 08:30:00", also after a "T"), and serial dates of a workbook (46363).
// Day-first or month-first forms (07/12/2026) are refused: which one is meant cannot be told.
std::optional<QDateTime> cellDate(const QString &text);

// A decimal number, with thousands separated by commas if the writer liked (1,234.5).
std::optional<double> cellNumber(const QString &text);

// A whole number: a decimal number without a fraction (12, 12.0, 1,200).
std::optional<qint64> cellWholeNumber(const QString &text);

// 1/0, 是/否, true/false, Y/N, yes/no, whatever their case.
std::optional<bool> cellFlag(const QString &text);

} // namespace customer
