#pragma once

#include <QString>

namespace suite {

class DataBackend;

// The company's delete log (AA_DeleteLog): the rows a record had in each of its tables when it
// left the archive, each table's rows as a persisted record set, under one log id. The host's
// delete-log viewer reads them back (StoredDeleteLog) to show the record as it was.
class DeleteLogTable
{
public:
    explicit DeleteLogTable(DataBackend &backend);

    // Keeps the customer's row and its own rows, with why it goes (description).
    bool keepCustomer(const QString &code, const QString &description, QString &sMsg);

    // The T-SQL statement that gives a company made before the log its table.
    static QString createStatement();

private:
    bool ensureTable(QString &sMsg);
    bool keepRows(const QString &logId, const QString &code, const QString &table,
                  const QString &condition, const QString &description, QString &sMsg);

    DataBackend &m_backend;
};

} // namespace suite
