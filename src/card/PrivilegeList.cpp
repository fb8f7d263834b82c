#include "card/PrivilegeList.h"

#include "card/AuthDimensionCheck.h"
#include "suite/core/SqlQuote.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/RecordSet.h"
#include "suite/login/IRowAuth.h"

#include <QSet>

namespace customer {

namespace {

const QString kMarker = QStringLiteral("<btextdata>1</btextdata>");
const QString kClosing = QStringLiteral("</cusprivilege>");
const QString kDepartmentType = QStringLiteral("0");

void AppendTextElement(suite::XmlElement &parent, const QString &name, const QString &text)
{
    parent.appendElement(name).setText(text);
}

QString tagged(const QString &name, const QString &value)
{
    return u'<' + name + u'>' + suite::escapeXmlText(value) + QStringLiteral("</") + name + u'>';
}

QString childText(const suite::XmlElement &parent, const QString &name)
{
    return parent.firstChildElement(name).text().trimmed();
}

} // namespace

PrivilegeList::PrivilegeList(suite::IClsCommon &service, suite::IPub &pub, suite::IRowAuth *rowAuth)
    : m_service(service)
    , m_pub(pub)
    , m_rowAuth(rowAuth)
{ }

QString PrivilegeList::RefreshCusPrivilege(const QString &rightsXml,
                                           const PrivilegeListOwner &owner, const QString &kind,
                                           const QString &code)
{
    const QString list = completed(rightsXml, owner);
    QString defaults;
    if (!m_rowAuth
        || !m_rowAuth->GetArchiveClass(QStringLiteral("customer"), kind, code, defaults)) {
        return list;
    }
    return withClassDefaults(list, defaults);
}

QString PrivilegeList::completed(const QString &rightsXml, const PrivilegeListOwner &owner)
{
    QString list = rightsXml.isEmpty() ? createdList(owner) : rightsXml;
    if (owner.opt == 2 && !isComplete(list)) {
        AuthDimensionCheck stored(m_service, m_pub);
        list = rebuiltList(owner.customerCode,
                           m_service.OpenX(stored.storedRightsStatement(owner.customerCode)));
    }
    return withCompleteMarker(list);
}

// The rows of the dimensions the defaults name are replaced; the marker moves behind the new
// rows, so that it still closes the list.
QString PrivilegeList::withClassDefaults(const QString &list, const QString &defaultsXml)
{
    suite::XmlDocument defaults;
    if (!defaults.loadXml(defaultsXml))
        return list;
    const QList<suite::XmlElement> data =
        defaults.documentElement().selectNodes(QStringLiteral("//TarnRowAuth/Data"));
    suite::XmlDocument document;
    if (data.isEmpty() || !document.loadXml(list))
        return list;
    QSet<QString> replacedTypes;
    for (const suite::XmlElement &item : data)
        replacedTypes.insert(childText(item, QStringLiteral("cClassID")));
    suite::XmlElement root = document.documentElement();
    for (const suite::XmlElement &child : root.childElements()) {
        const bool replaced = child.name() == u"row"
            && replacedTypes.contains(childText(child, QStringLiteral("privilege_type")));
        if (replaced || child.name() == u"btextdata")
            root.removeChild(child);
    }
    for (const suite::XmlElement &item : data) {
        const QString type = childText(item, QStringLiteral("cClassID"));
        const QString value = childText(item, QStringLiteral("cClassCode"));
        suite::XmlElement row = root.appendElement(QStringLiteral("row"));
        AppendTextElement(row, QStringLiteral("privilege_type"), type);
        AppendTextElement(row, QStringLiteral("privilege_id"), value);
        AppendTextElement(row, QStringLiteral("cadtname"), GetADTName(type));
        AppendTextElement(row, QStringLiteral("cadname"), GetADName(type, value));
    }
    AppendTextElement(root, QStringLiteral("btextdata"), QStringLiteral("1"));
    return root.xml();
}

QString PrivilegeList::GetADTName(const QString &value)
{
    return firstText(dimensionNameStatement(value), QStringLiteral("cADTName"));
}

QString PrivilegeList::GetADName(const QString &cADType, const QString &cADCode)
{
    return firstText(valueNameStatement(cADType, cADCode), QStringLiteral("cADName"));
}

QString PrivilegeList::firstText(const QString &sql, const QString &column)
{
    const suite::RecordSet rows = m_service.OpenX(sql);
    if (!rows.IsOpen() || rows.RecordCount() == 0)
        return QString();
    return rows.Value(column).toString();
}

QString PrivilegeList::createdList(const PrivilegeListOwner &owner)
{
    const QString rights =
        owner.readOnly ? QStringLiteral("1") : QString::number(owner.rightRights);
    return QStringLiteral("<cusprivilege> ")
        + tagged(QStringLiteral("ccuscode"), owner.opt == 1 ? QString() : owner.customerCode)
        + tagged(QStringLiteral("RW"), rights) + tagged(QStringLiteral("url"), owner.refUrl)
        + kClosing;
}

QString PrivilegeList::rebuiltList(const QString &customerCode, const suite::RecordSet &rights)
{
    QString list =
        QStringLiteral("<cusprivilege> ") + tagged(QStringLiteral("ccuscode"), customerCode);
    for (int row = 0; rights.IsOpen() && row < rights.RecordCount(); ++row) {
        list += QStringLiteral("<row>  ")
            + tagged(QStringLiteral("privilege_type"), rights.valueAt(row, 0).toString()) + u' '
            + tagged(QStringLiteral("cadtname"), rights.valueAt(row, 1).toString()) + u' '
            + tagged(QStringLiteral("privilege_id"), rights.valueAt(row, 2).toString()) + u' '
            + tagged(QStringLiteral("cadname"), rights.valueAt(row, 3).toString())
            + QStringLiteral("  </row>");
    }
    return list + kClosing;
}

QString PrivilegeList::withCompleteMarker(QString list)
{
    list.remove(kMarker);
    const qsizetype closing = list.lastIndexOf(kClosing);
    if (closing < 0)
        return list + kMarker;
    return list.insert(closing, kMarker);
}

bool PrivilegeList::isComplete(const QString &list)
{
    suite::XmlDocument document;
    return document.loadXml(list)
        && !document.documentElement().selectSingleNode(QStringLiteral("//btextdata")).isNull();
}

QString PrivilegeList::dimensionNameStatement(const QString &value)
{
    return QStringLiteral("select iADTID,cADTName,bEnabled from V_AA_AuthDimen_Type where "
                          "bEnabled=1 and iADTID='")
        + suite::sqlQuote(value) + u'\'';
}

QString PrivilegeList::valueNameStatement(const QString &cADType, const QString &cADCode)
{
    if (cADType.trimmed() == kDepartmentType)
        return QStringLiteral("select top 1 cDepName as cADName from department where cDepCode='")
            + suite::sqlQuote(cADCode) + u'\'';
    return QStringLiteral("select top 1 cADName  from  V_AA_AuthDimen_Sub where bEnabled=1 and "
                          "iADTID='")
        + suite::sqlQuote(cADType) + QStringLiteral("'and cADCode='") + suite::sqlQuote(cADCode)
        + u'\'';
}

} // namespace customer
