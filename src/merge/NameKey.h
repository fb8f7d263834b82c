#pragma once

#include <QList>
#include <QString>

#include <span>

namespace customer {

// The text two names of one company share however they were typed: full-width letters,
// digits and brackets as half-width, lower case, without blanks, punctuation and brackets,
// without the company form at the end (有限公司, 股份有限公司, 有限责任公司, Co., Ltd. …) and
// without "(中国)" anywhere. "苏州华信（中国）股份有限公司" and "苏州华信 有限公司" both give
// "苏州华信".
QString normalisedName(const QString &name);

// The three-character pieces of a normalised name, each packed into one number, sorted and
// without repeats; a name of fewer than three characters has none.
QList<quint64> nameTrigrams(const QString &normalised);

// The trigrams two sorted lists without repeats have in common.
qsizetype sharedTrigrams(std::span<const quint64> a, std::span<const quint64> b);
// How much two sorted trigram lists overlap: shared / all distinct, 0 to 1.
double trigramSimilarity(const QList<quint64> &a, const QList<quint64> &b);

// The digits of a phone number when there are enough of them to name one line (7 or more);
// empty otherwise.
QString phoneKey(const QString &phone);

} // namespace customer
