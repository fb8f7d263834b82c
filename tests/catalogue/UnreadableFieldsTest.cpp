#include "CatalogueSessionFixture.h"

#include "catalogue/UnreadableFields.h"
#include "entry/SessionContext.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/RecordSet.h"

#include <gtest/gtest.h>

using namespace customer;

namespace {

const QString kColumnSet =
    QStringLiteral("<Customer>"
                   "<Customer.CCusCode showfldname='Code' bShow='1' iOrder='1' cSort='asc'/>"
                   "<cCusPhone showfldname='Phone' bShow='1' iOrder='2' cSort='desc'/>"
                   "<Customer.iCusCreLine showfldname='Credit line' bShow='1' iOrder='3'/>"
                   "<CCusName showfldname='Name' bShow='1' iOrder='4'/>"
                   "</Customer>");

class UnreadableFields : public CatalogueSession
{
protected:
    void TearDown() override
    {
        g_cColAuthN.clear();
        g_cExtraFields.clear();
        CatalogueSession::TearDown();
    }

    static QStringList elementNames(const QString &xml)
    {
        suite::XmlDocument document;
        if (!document.loadXml(xml))
            return { QStringLiteral("unreadable: ") + xml };
        QStringList names;
        for (const suite::XmlElement &element : document.documentElement().childElements())
            names.append(element.name());
        return names;
    }
};

TEST_F(UnreadableFields, AreTheLevelNFieldsInLowerCaseByTheirLastPart)
{
    g_cColAuthN = QStringLiteral("cCusPhone, Customer.iCusCreLine,,ccusphone");
    EXPECT_EQ(unreadableFields(), (QStringList{ "ccusphone", "icuscreline" }));
    EXPECT_TRUE(isUnreadableField(QStringLiteral("Customer.CCUSPHONE")));
    EXPECT_TRUE(isUnreadableField(QStringLiteral("iCusCreLine")));
    EXPECT_FALSE(isUnreadableField(QStringLiteral("cCusPhone2")));
    g_cColAuthN.clear();
    EXPECT_TRUE(unreadableFields().isEmpty());
}

TEST_F(UnreadableFields, LeaveTheListsColumnSetQualifiedOrNot)
{
    g_cColAuthN = QStringLiteral("ccusphone,icuscreline");
    const QString kept = withoutUnreadableColumns(kColumnSet);
    EXPECT_EQ(elementNames(kept), (QStringList{ "Customer.CCusCode", "CCusName" }));
    EXPECT_FALSE(kept.contains(QStringLiteral("desc"), Qt::CaseInsensitive))
        << "the list is not sorted by a field it may not read";
}

TEST_F(UnreadableFields, WithNoneTheColumnSetStaysAsItIs)
{
    EXPECT_EQ(withoutUnreadableColumns(kColumnSet), kColumnSet);
    g_cColAuthN = QStringLiteral("ccusphone");
    EXPECT_EQ(withoutUnreadableColumns(QStringLiteral("<Customer>")), QStringLiteral("<Customer>"))
        << "a broken set is left for its reader to report";
}

TEST_F(UnreadableFields, TheRecordStatementReadsNullInTheirPlace)
{
    EXPECT_EQ(readableColumnsOf(QStringLiteral("Customer"), QStringLiteral("a")),
              QStringLiteral("a.*"));
    g_cColAuthN = QStringLiteral("ccusphone");
    const QString columns = readableColumnsOf(QStringLiteral("Customer"), QStringLiteral("a"));
    EXPECT_TRUE(columns.startsWith(QStringLiteral("a.cCusCode,a.cCusName,")))
        << qPrintable(columns);
    EXPECT_TRUE(columns.contains(QStringLiteral(",null as cCusPhone,"))) << qPrintable(columns);
    EXPECT_FALSE(columns.contains(QStringLiteral("a.cCusPhone"))) << qPrintable(columns);

    const QString code =
        m_company.column(Company::Company, QStringLiteral("select min(cCusCode) from Customer"))
            .value(0);
    runOnCompany(QStringLiteral("update Customer set cCusPhone='010-5555 0101'"));
    const suite::RecordSet record = g_oSrv->OpenX(QStringLiteral("select ") + columns
                                                  + QStringLiteral(" from Customer a where "
                                                                   "a.cCusCode='")
                                                  + code + u'\'');
    ASSERT_EQ(record.RecordCount(), 1) << qPrintable(g_oSrv->LastError());
    EXPECT_TRUE(record.Value(QStringLiteral("cCusPhone")).isNull());
    EXPECT_EQ(record.Value(QStringLiteral("cCusCode")).toString(), code);
}

TEST_F(UnreadableFields, UserDefinedFieldsReadNullInTheirPlace)
{
    EXPECT_EQ(readableExtraFields(QStringLiteral("ccdefine1,ccdefine2,")),
              QStringLiteral("ccdefine1,ccdefine2,"));
    g_cColAuthN = QStringLiteral("ccdefine2");
    EXPECT_EQ(readableExtraFields(QStringLiteral("ccdefine1,ccdefine2,")),
              QStringLiteral("ccdefine1,null as ccdefine2,"));
}

} // namespace
