#include "suite/data/CustomerReferences.h"

#include "suite/data/DataBackend.h"

namespace suite {

const QList<CustomerReference> &customerReferences()
{
    static const QList<CustomerReference> references = {
        { QStringLiteral("Ar_Detail"),
          QStringLiteral("cDwCode"),
          {},
          QStringLiteral("receivable entries") },
        { QStringLiteral("Customer"), QStringLiteral("cCusHeadCode"), QStringLiteral("cCusCode"),
          QStringLiteral("customers naming it as head office") },
        { QStringLiteral("Customer"), QStringLiteral("cCusCreditCompany"),
          QStringLiteral("cCusCode"), QStringLiteral("customers naming it as credit company") },
        { QStringLiteral("Customer"), QStringLiteral("cInvoiceCompany"), QStringLiteral("cCusCode"),
          QStringLiteral("customers naming it as invoice company") },
        { QStringLiteral("CustomerInvoiceCorp"), QStringLiteral("cInvoiceCompany"),
          QStringLiteral("cCusCode"), QStringLiteral("invoice units of other customers") },
        { QStringLiteral("Vendor"),
          QStringLiteral("cRelCustomer"),
          {},
          QStringLiteral("vendors related to it") },
        { QStringLiteral("Crm_Contact"),
          QStringLiteral("cCusCode"),
          {},
          QStringLiteral("contacts") },
        { QStringLiteral("customer_import"),
          QStringLiteral("cCusCode"),
          {},
          QStringLiteral("staging rows"),
          false },
        { QStringLiteral("customer_import"),
          QStringLiteral("cCusHeadCode"),
          {},
          QStringLiteral("staging rows naming it as head office"),
          false },
        { QStringLiteral("customer_import"),
          QStringLiteral("cCusCreditCompany"),
          {},
          QStringLiteral("staging rows naming it as credit company"),
          false },
        { QStringLiteral("customer_import"),
          QStringLiteral("cInvoiceCompany"),
          {},
          QStringLiteral("staging rows naming it as invoice company"),
          false },
    };
    return references;
}

const QList<CustomerOwnRows> &customerOwnRows()
{
    using OnMerge = CustomerOwnRows::OnMerge;
    const QString code = QStringLiteral("cCusCode");
    const QString account = QStringLiteral("Account_ID");
    static const QList<CustomerOwnRows> rows = {
        { QStringLiteral("Customer_extradefine"), QStringLiteral("cCusCode = ?1"), code },
        { QStringLiteral("CusDeliverAdd"),
          QStringLiteral("cCusCode = ?1"),
          code,
          OnMerge::Move,
          { QStringLiteral("cDeliverAdd"), QStringLiteral("cDeliverUnit"),
            QStringLiteral("cLinkPerson"), QStringLiteral("cPhone") } },
        { QStringLiteral("CustomerBank"),
          QStringLiteral("cCusCode = ?1"),
          code,
          OnMerge::Move,
          { QStringLiteral("cBankCode"), QStringLiteral("cBranch"), QStringLiteral("cAccountNum"),
            QStringLiteral("cAccountName") } },
        { QStringLiteral("CustomerInvoiceCorp"),
          QStringLiteral("cCusCode = ?1"),
          code,
          OnMerge::Move,
          { QStringLiteral("cInvoiceCompany") } },
        { QStringLiteral("CustomerPerson"),
          QStringLiteral("cCusCode = ?1"),
          code,
          OnMerge::Move,
          { QStringLiteral("cPersonCode") } },
        { QStringLiteral("customer_auth"),
          QStringLiteral("Account_ID = ?1"),
          account,
          OnMerge::Move,
          { QStringLiteral("Privilege_Type"), QStringLiteral("Privilege_ID") } },
        { QStringLiteral("customer_user"),
          QStringLiteral("Account_ID = ?1"),
          account,
          OnMerge::Move,
          { QStringLiteral("User_ID") } },
        { QStringLiteral("SA_CusCreditSum"), QStringLiteral("cCusCode = ?1"), code },
        { QStringLiteral("AA_AttachFile"),
          QStringLiteral("lower(cObject) = 'customer' and cRecordId = ?1"),
          QStringLiteral("cRecordId"), OnMerge::Move },
        { QStringLiteral("AA_HoldAuth"),
          QStringLiteral("lower(cBusObId) = 'customer' and cDimension = 'code' and cCode = ?1"),
          QStringLiteral("cCode"),
          OnMerge::Move,
          { QStringLiteral("cUser_Id"), QStringLiteral("cBusObId"), QStringLiteral("cFuncId"),
            QStringLiteral("cDimension") } },
        // A picture another customer shows as well (a card copied from this one) stays.
        { QStringLiteral("AA_Picture"),
          QStringLiteral("cGUID in (select PictureGUID from Customer where cCusCode = ?1)"
                         " and not exists (select 1 from Customer o where o.PictureGUID = cGUID"
                         " and o.cCusCode <> ?1)"),
          QStringLiteral("cGUID") },
    };
    return rows;
}

CustomerReferences::CustomerReferences(DataBackend &backend)
    : m_backend(backend)
{ }

bool CustomerReferences::exists(const QString &table, const QString &column)
{
    TableColumns columns;
    QString noTable;
    return m_backend.tableColumns(table, columns, noTable)
        && (column.isEmpty() || columns.indexOf(column) >= 0);
}

bool CustomerReferences::usesOf(const QString &code, QStringList &uses, QString &sMsg)
{
    uses.clear();
    for (const CustomerReference &reference : customerReferences()) {
        if (!reference.blocksDelete || !exists(reference.table, reference.column))
            continue;
        QString sql = QStringLiteral("select count(*) from %1 where %2 = ?")
                          .arg(reference.table, reference.column);
        QVariantList params{ code };
        if (!reference.selfColumn.isEmpty()) {
            sql += QStringLiteral(" and %1 <> ?").arg(reference.selfColumn);
            params.append(code);
        }
        const RecordSet count = m_backend.connection().queryStatement(sql, params, sMsg);
        if (!count.IsOpen())
            return false;
        if (const qint64 rows = count.valueAt(0, 0).toLongLong(); rows > 0)
            uses.append(QStringLiteral("%1 %2 (%3.%4)")
                            .arg(rows)
                            .arg(reference.rows, reference.table, reference.column));
    }
    return true;
}

bool CustomerReferences::move(const QString &from, const QString &to, QString &sMsg)
{
    for (const CustomerReference &reference : customerReferences()) {
        if (!exists(reference.table, reference.column))
            continue;
        const QString sql = QStringLiteral("update %1 set %2 = ? where %2 = ?")
                                .arg(reference.table, reference.column);
        if (!m_backend.connection().executeStatement(sql, { to, from }, sMsg))
            return false;
    }
    return true;
}

bool CustomerReferences::removeOwnRows(const QString &code, QString &sMsg)
{
    for (const CustomerOwnRows &own : customerOwnRows()) {
        if (!exists(own.table))
            continue;
        const QString sql = QStringLiteral("delete from %1 where %2").arg(own.table, own.condition);
        if (!m_backend.connection().executeStatement(sql, { code }, sMsg))
            return false;
    }
    return true;
}

} // namespace suite
