#pragma once

#include <QString>

namespace customer {

// Fills the data-rights values of the session (column rights, the customer read and write
// clauses, the special version and the code lists of warehouses, persons, departments and
// vendors) from the public service and the login's rights objects. The start-up roads call it
// once; a service that is missing ends it there and the later values keep what they held.
void InitDataAuth();
// The same for the import staging list: the clauses name Customer_import and the column
// rights are those of the business object "Customer_import".
void InitDataAuthImport();
// The write clause over the archive's customers, whichever list the session serves: the
// staging list's own clauses name its staging table, and a code checked against the archive
// needs the archive's.
QString ArchiveCustomerWriteRights();

// The rights class (AA_AuthClass.id) that customers get when their class, trade or district
// becomes cCode (see IRowAuth::BatchModifyAuthSQL); empty when there is none.
QString GetBatchModifyAuthSql(const QString &cBusObId, const QString &cUserId,
                              const QString &cCode);

} // namespace customer
