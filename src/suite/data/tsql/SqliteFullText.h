#pragma once

#include <QString>
#include <QStringList>

namespace suite::tsql {

// What the database knows of a search before it reads it.
class FullTextStatistics
{
public:
    // From this many matching rows on, at a million rows, a walk through the list finds a
    // page sooner than the index does.
    static constexpr qint64 kManyRows = 5000;

    virtual ~FullTextStatistics() = default;
    // The matching rows from which on a search walks the list.
    virtual qint64 manyRows() const = 0;
    // The rows of the FTS5 table index that match the FTS5 query, counted up to cap; -1 when
    // they cannot be counted.
    virtual qint64 matchingRows(const QString &index, const QString &query, qint64 cap) const = 0;
    // An estimate of the rows of table that meet condition (an SQLite expression on the
    // table's columns, qualified by the table's name); -1 when there is none.
    virtual qint64 estimatedRows(const QString &table, const QString &condition) const = 0;
};

// SQL Server's full-text predicate CONTAINS(table.*, 'condition') on SQLite, where a table's
// searchable fields are indexed by an FTS5 trigram table. The condition is one or more phrases
// in double quotes (a double quote inside a phrase written twice) joined by AND; a row matches
// when every phrase is part of one of the indexed fields, without regard to case.
//
// Trigrams find phrases of three characters and more. A phrase of one or two characters is
// looked up among the index's own trigrams, as the start of one of them: every indexed field
// is stored followed by two line ends, so each of its characters starts a trigram. With a
// longer phrase beside it, a short phrase is tested on the rows the longer one finds.
//
// A search that most rows match is read the other way round. Taking every match from the
// index costs time in the number of matches, while a list wants only its first page of them
// in code order: walking the list in order and testing each row's fields finds that page after
// a few rows. statistics (null: always the index) tell which way is cheaper; the choice holds
// for the text as long as the translator keeps it. The row test compares with LIKE, which
// folds the case of ASCII letters only, where the index folds every letter.
//
// False with the reason in sMsg for a table without a search index or a condition of another
// form (SQL Server's operators, prefixes and proximity terms are not offered).
bool sqliteContains(const QStringList &arguments, const FullTextStatistics *statistics,
                    QString &out, QString &sMsg);

// CONTAINS(qualifier.*, '"phrase" AND ...') read: the table it searches and its phrases.
struct ContainsSearch
{
    QString table;
    QString qualifier;
    QStringList phrases;
};
// False with the reason for a table without a search index or a condition of another form.
bool readContains(const QStringList &arguments, ContainsSearch &search, QString &sMsg);

// '%phrase%' as an SQL literal, the phrase's own wildcards escaped by '\\'.
QString likePattern(const QString &phrase);

// The FTS5 table that indexes the searchable fields of a table; empty for a table without one.
QString searchIndexTable(const QString &table);
// The fields of table that its search index holds, in the order the index keeps them.
QStringList searchedFields(const QString &table);

} // namespace suite::tsql
