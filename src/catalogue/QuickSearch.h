#pragma once

#include <QString>
#include <QStringList>

namespace customer {

// The words of a quick search as the user typed it: split at white space. Control characters
// count as white space, as no searched field holds one. Only the first kMaxQuickSearchWords
// words count: a name is not longer, and each word costs the search one look-up.
constexpr int kMaxQuickSearchWords = 8;
QStringList quickSearchWords(const QString &text);

// The condition that keeps the customers whose code, name, abbreviation, mnemonic code, phones
// or tax number hold every word of the search, without regard to case: SQL Server's full-text
// predicate, CONTAINS(Customer.*, N'"word" AND "word"'), each word a phrase with its double
// quotes doubled and the whole a quoted literal. Whatever the user types stays words to look
// for. Empty when the search has no word.
QString quickSearchCondition(const QString &text);

} // namespace customer
