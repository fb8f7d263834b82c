#pragma once

#include "suite/core/SuiteObject.h"

#include <QString>

#include <memory>

namespace suite {

class ILogin;

// The row-rights object of a login: which records of the business objects ("customer",
// "department", "person", "warehouse", "vendor") its user may read ("R") or write ("W").
// Every rights text it hands out is an SQL condition that callers append after " and ":
// "1=1" when the user is not restricted, never an empty text.
class IRowAuth : public SuiteObject
{
public:
    // The read condition over the table tableName ("Customer", "Department", ...), its columns
    // qualified with that name. A table whose records carry no rights gives "1=1".
    virtual QString GetAuthString(const QString &tableName) = 0;
    // The condition over the business object's own table for the function cFuncID ("R" when
    // empty). For customers, cClassCode narrows it to that class and its sub-classes, and
    // bIsUserCode to the customers assigned to the user (customer_user).
    virtual QString GetAuthStringCode(const QString &cBusObId, const QString &cClassCode,
                                      const QString &cFuncID, bool bIsUserCode) = 0;
    // True when the user of oLogin (this object's user when oLogin is empty) may use the
    // function sAuth_Id (sArch when sAuth_Id is empty); sErr tells why not. Locks (bIsLock,
    // OptId) are the lock service's concern, and the rights of a company database are those
    // of its one year (iYear), so those three arguments do not change the answer.
    virtual bool GetFunAuth(const std::shared_ptr<ILogin> &oLogin, const QString &sArch,
                            int bIsLock, QString &sErr, int OptId, const QString &sAuth_Id,
                            int iYear) = 0;
    // The default data rights that records of a class of kind cKind ("class", "district",
    // "trade") start with, as "<TarnRowAuth><Data><cClassID>…</cClassID><cClassCode>…
    // </cClassCode></Data>…</TarnRowAuth>"; a class without defaults of its own takes those of
    // its nearest parent. False, with sXml empty, when there are none.
    virtual bool GetArchiveClass(const QString &cBusObId, const QString &cKind,
                                 const QString &cCode, QString &sXml) = 0;
    // A statement whose first column is the rights class (AA_AuthClass.id) that records of
    // business object cBusObId get when their class, trade or district becomes cCode; it
    // selects no row when there is none. The code's tree is not told, so a code that exists in
    // several trees is taken as a class first, then as a trade. Rights classes are the same
    // for every user, so cUserId does not change the statement.
    virtual QString BatchModifyAuthSQL(const QString &cBusObId, const QString &cUserId,
                                       const QString &cCode) = 0;

    // For the public service's clauses: the customer rights of function cFuncId ("R" when
    // empty) over the table cTable (Customer, Customer_import or an alias of either).
    virtual QString rowCondition(const QString &cTable, const QString &cFuncId) = 0;
    // The read condition over the archive cKind ("Warehouse", "Person", "Department",
    // "Vendor"), its columns qualified with the archive's table name.
    virtual QString codeList(const QString &cKind) = 0;
};

} // namespace suite
