#pragma once

#include <QList>
#include <QString>

namespace customer {

class StagingColumns;

// The statements that land the rows of a file in customer_import. Each keeps one text for the
// whole file: its values come in as variables (@sid the source key, @id the row's AutoID, @err
// its error message, @v0, @v1 ... the values of the columns the file fills, in their order),
// so that it is translated once and never has a value spliced into it.
namespace staging {

// The AutoID of the row a source key landed in before.
QString findStatement();
// A row of a file landed before (@tag: the file's tag followed by ":%"). A file that has none
// needs no look-up per row: all its rows are new.
QString fileStatement();
QString updateStatement(const StagingColumns &staging, const QList<int> &columns);
QString insertStatement(const StagingColumns &staging, const QList<int> &columns);

// The variable of the i-th column the file fills ("v0").
QString valueVariable(int i);

} // namespace staging

} // namespace customer
