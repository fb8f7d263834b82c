#include "card/ReferenceConditions.h"

#include "suite/core/SqlQuote.h"
#include "suite/core/XmlDocument.h"

namespace customer {

namespace {

const QString kCustomerParam = QStringLiteral("cCusCode");
const QString kNoCustomer = QStringLiteral("(#FN[cCusCode] is null or #FN[cCusCode]='')");

} // namespace

// The reference window reads the XML, so a value is escaped for its attribute; a plain value
// stays as it is.
QString ReferenceConditions::conditionXml(const QString &paramName, const QString &value)
{
    return QStringLiteral("<RefConditions><Condition paramName='@") + paramName
        + QStringLiteral("' paramValue='") + suite::escapeXmlAttribute(value)
        + QStringLiteral("' /></RefConditions>");
}

RefConditions ReferenceConditions::address(const QString &customerCode,
                                           const RefConditions &incoming)
{
    if (customerCode.trimmed().isEmpty())
        return { incoming.conditionXml, noRows() };
    return { conditionXml(kCustomerParam, customerCode), customerFilter() };
}

RefConditions ReferenceConditions::contact(bool adding, const QString &customerCode,
                                           const QString &sessionDate,
                                           const RefConditions &incoming)
{
    if (adding)
        return { incoming.conditionXml,
                 kNoCustomer + QStringLiteral(" and ") + unexpiredFilter(sessionDate) };
    return { conditionXml(kCustomerParam, customerCode),
             u'(' + customerFilter() + QStringLiteral(" or ") + kNoCustomer
                 + QStringLiteral(") and ") + unexpiredFilter(sessionDate) };
}

RefConditions ReferenceConditions::salesperson(bool departmentConfirmed, const QString &department,
                                               const RefConditions &incoming)
{
    if (!departmentConfirmed || department.isEmpty())
        return incoming;
    return { conditionXml(QStringLiteral("cDepCode"), department),
             QStringLiteral("#FN[cDepCode]=@cDepCode") };
}

RefConditions ReferenceConditions::subArea(const QString &parentText, const QString &parentCode,
                                           const RefConditions &incoming)
{
    if (parentText.isEmpty() || parentCode.isEmpty())
        return { incoming.conditionXml, noRows() };
    return { conditionXml(QStringLiteral("cpCodeId"), parentCode),
             QStringLiteral("#FN[cpCodeId]=@cpCodeId") };
}

QString ReferenceConditions::customerFilter()
{
    return QStringLiteral("#FN[cCusCode]=@cCusCode");
}

QString ReferenceConditions::unexpiredFilter(const QString &sessionDate)
{
    return QStringLiteral("(#FN[dConEDate]>'") + suite::sqlQuote(sessionDate)
        + QStringLiteral("' or #FN[dConEDate] is null)");
}

} // namespace customer
