#include "card/AuthDimensionCheck.h"

#include "suite/core/SqlQuote.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <iterator>

namespace customer {

namespace {

// Dimension by dimension, the flag of aa_busobject_base that puts it under control; the
// dimension's number is its privilege type.
constexpr const char *kControlFlags[] = {
    "bDeptControl",     "bAuthDim1Control", "bAuthDim2Control",
    "bAuthDim3Control", "bAuthDim4Control", "bCustDimControl",
};

QSet<QString> typesInList(const QString &rightsXml)
{
    QSet<QString> types;
    suite::XmlDocument list;
    if (!list.loadXml(rightsXml))
        return types;
    for (const suite::XmlElement &type : list.selectNodes(QStringLiteral("//row/privilege_type")))
        types.insert(type.text().trimmed());
    return types;
}

QSet<QString> typesInRows(const suite::RecordSet &rows)
{
    QSet<QString> types;
    for (int row = 0; rows.IsOpen() && row < rows.RecordCount(); ++row)
        types.insert(rows.valueAt(row, 0).toString().trimmed());
    return types;
}

QHash<QString, QString> namesById(const suite::RecordSet &rows)
{
    QHash<QString, QString> names;
    for (int row = 0; rows.IsOpen() && row < rows.RecordCount(); ++row)
        names.insert(rows.valueAt(row, 0).toString(), rows.valueAt(row, 1).toString());
    return names;
}

} // namespace

AuthDimensionCheck::AuthDimensionCheck(suite::IClsCommon &service, suite::IPub &pub)
    : m_service(service)
    , m_pub(pub)
{ }

std::optional<QString> AuthDimensionCheck::CheckAuthDims(const QString &customerCode,
                                                         const QString &rightsXml)
{
    const suite::RecordSet control = m_service.OpenX(controlStatement());
    if (!control.IsOpen() || control.RecordCount() == 0)
        return std::nullopt;
    const QHash<QString, QString> names = namesById(m_service.OpenX(dimensionNamesStatement()));
    const QSet<QString> covered = rightsXml.isEmpty()
        ? typesInRows(m_service.OpenX(storedRightsStatement(customerCode)))
        : typesInList(rightsXml);
    QStringList missing;
    for (int dimension = 0; dimension < int(std::size(kControlFlags)); ++dimension) {
        const QString type = QString::number(dimension);
        if (control.Value(QLatin1StringView(kControlFlags[dimension])).toBool()
            && !covered.contains(type)) {
            missing.append(names.value(type, type));
        }
    }
    if (missing.isEmpty())
        return std::nullopt;
    return m_pub.GetResString(QStringLiteral("Tarn.CRM.CONTACT.iclscommon.00026"))
        + missing.join(QStringLiteral("，"))
        + m_pub.GetResString(QStringLiteral("Tarn.CRM.CONTACT.iclscommon.00027"));
}

QString AuthDimensionCheck::controlStatement()
{
    return QStringLiteral(
        "SELECT cBusObId,bDeptControl,bPersonControl,bAuthDim1Control,bAuthDim2Control,"
        " bAuthDim3Control,bAuthDim4Control,bCustDimControl FROM aa_busobject_base "
        " WHERE bAuthDimControl=1 and iAuthType=0 AND bAuthControl=1 AND cBusObId='customer'"
        " AND langid= dbo.UDF_GetLocaleID() ");
}

QString AuthDimensionCheck::dimensionNamesStatement()
{
    return QStringLiteral("SELECT iADTID,cADTName FROM V_AA_AuthDimen_Type ORDER BY iADTID ");
}

// Department rights are stored by department code and listed under the department
// dimension's own type id, which the resource texts carry.
QString AuthDimensionCheck::storedRightsStatement(const QString &customerCode)
{
    const QString code = suite::sqlQuote(customerCode);
    const QString deptTypeId =
        m_pub.GetResString(QStringLiteral("Tarn.AA.CUSTOMER.CusAddBank.DeptDimen_TypeID"));
    const QString deptTypeName =
        m_pub.GetResString(QStringLiteral("Tarn.AA.CUSTOMER.CusAddBank.DeptDimen_TypeName"));
    return QStringLiteral("select s.iADTID,t.cADTName,s.cADCode,s.cADName from customer_auth c  "
                          "left join V_AA_AuthDimen_Sub s on c.Privilege_ID=s.cADCode and "
                          "c.Privilege_Type=s.iADTID inner join V_AA_AuthDimen_Type t on "
                          "c.Privilege_Type=t.iADTID   where c.Privilege_Type <> 0 and "
                          "c.Account_ID=N'")
        + code + QStringLiteral("' union select '") + suite::sqlQuote(deptTypeId)
        + QStringLiteral("','") + suite::sqlQuote(deptTypeName)
        + QStringLiteral("',cDepCode,cDepName  from Department where  cDepCode in (select "
                         "Privilege_ID from customer_auth where Privilege_Type=0 and "
                         "Account_ID='")
        + code + QStringLiteral("')");
}

} // namespace customer
