#pragma once

#include <QString>

namespace customer {

class ArchiveEntry;

// Reads the rows of the reference list strTablename for the reference client of the list
// window oCls->FrmMain, and hands them to that client with the column set "Ref" + table.
//
// The first call of a reference list (the outer call) builds its statement and keeps it in
// the session (g_cRefTable, g_cRefSql, g_cRefFilter, g_cRefExtraSql) until it returns; calls
// made meanwhile by the open reference list, such as paging, read with the kept statement.
// Rows are read page by page when the reference client asked for it (g_bRefPaged); the page
// numbers are then written back. strFilter, strMatch and strOrder are not used: the order
// comes from the column set. Contacts (crm_contact) are those of g_cContactCusCode.
void RefreshRefData(const QString &strTablename, int &lPageSize, int &lPageCount, int &lCurPage,
                    const QString &strFilter, const QString &strMatch, const QString &strOrder,
                    ArchiveEntry *&oCls);

} // namespace customer
