#pragma once

#include "suite/core/XmlDocument.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace suite {
class IClsCommon;
class IColAuth;
class IColumnSet;
class IRowAuth;
} // namespace suite

namespace customer {

// The part of the session context that a list window's start-up fills for its own table: the
// services, the rights clauses, the field catalogue and the column set shown. The customer
// list keeps it while the import list it opens fills the session for the staging table, and
// puts it back when that list closes, so that it reads on with its own rights and columns.
class ListSessionState
{
public:
    // The session context as it is now.
    static ListSessionState save();
    void restore() const;

private:
    std::shared_ptr<suite::IClsCommon> m_srv;
    std::shared_ptr<suite::IColumnSet> m_colSet;
    std::shared_ptr<suite::IRowAuth> m_rowAuth;
    std::shared_ptr<suite::IColAuth> m_colAuth;
    QString m_unsavedColSet;
    QString m_authCustomerW;
    QString m_rowAuthInv;
    QString m_rowAuthWarehouse;
    QString m_rowAuthPerson;
    QString m_rowAuthDept;
    QString m_rowAuthVendor;
    QString m_colAuthR;
    QString m_colAuthN;
    bool m_needColAuth = false;
    int m_specialVersion = 0;
    std::int32_t m_maxPageSize = 0;
    std::int32_t m_pageCount = 0;
    bool m_canAddArch = true;
    bool m_canModifyArch = true;
    QString m_fieldCatalogXml;
    suite::XmlElement m_colStyle;
    QString m_listFields;
    QString m_colInfoXml;
};

} // namespace customer
