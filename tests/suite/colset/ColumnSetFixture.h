#pragma once

#include "DemoCompanyCopy.h"

#include "suite/SuiteServices.h"
#include "suite/colset/IColumnSet.h"
#include "suite/core/ObjectFactory.h"
#include "suite/core/XmlDocument.h"

#include <memory>

// The column-set service on a demo company of its own.
class ColumnSetTest : public ::testing::Test
{
protected:
    // A catalogue as the component builds it: root named after the table, one element per field
    // with the caption and the reference attributes.
    static QString customerCatalogue()
    {
        return QStringLiteral(
            "<Customer bWeb='0' url='' noauthflds=''>"
            "<Customer.CCusCode showfldname='客户编码'  reftype='ref' cRefID='Customer_AA' "
            "cRetFld='cCusCode' bmulmodify='0' bBadStrException='0'/>"
            "<CCusName showfldname='客户名称'  reftype='ref' cRefID='Customer_AA' "
            "cRetFld='CCusName' bmulmodify='0' bBadStrException='0'/>"
            "<CustomerClass.cCCName showfldname='客户分类'  reftype='' cRefID='' bmulmodify='0' "
            "bBadStrException='0'/>"
            "<Customer.dEndDate showfldname='停用日期'  reftype='date' cRefID='' bmulmodify='1' "
            "bBadStrException='0'/>"
            "</Customer>");
    }

    void SetUp() override
    {
        suite::registerSuiteServices();
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
    }

    std::shared_ptr<suite::IColumnSet> serviceFor(const QString &userId, bool withCatalogue = true)
    {
        auto service = suite::createObject<suite::IColumnSet>(suite::IColumnSet::kProgId);
        EXPECT_TRUE(service);
        if (!service)
            return service;
        EXPECT_TRUE(service->Init(m_company.connectionText(), userId));
        QString sMsg;
        if (withCatalogue)
            EXPECT_TRUE(
                service->setCatalogue(QStringLiteral("Customer"), customerCatalogue(), sMsg))
                << qPrintable(sMsg);
        return service;
    }

    // Element names of a column-set XML, in order.
    static QStringList fieldsOf(const QString &xml)
    {
        suite::XmlDocument document;
        if (!document.loadXml(xml))
            return { QStringLiteral("unreadable: ") + document.parseError() };
        QStringList fields;
        for (const suite::XmlElement &element : document.documentElement().childElements())
            fields.append(element.name());
        return fields;
    }

    static suite::XmlElement rootOf(const QString &xml)
    {
        suite::XmlDocument document;
        document.loadXml(xml);
        return document.documentElement();
    }

    QStringList storedRows(const QString &userId) const
    {
        return m_company.column(
            DemoCompanyCopy<>::Company,
            QStringLiteral("select cKey || '/' || cFieldName || '/' || bShow from AA_ColumnSet "
                           "where cUser_Id='%1' order by cKey, iOrder")
                .arg(QString(userId).replace(u'\'', QStringLiteral("''"))));
    }

    DemoCompanyCopy<> m_company;
};
