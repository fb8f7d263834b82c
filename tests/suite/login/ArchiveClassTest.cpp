#include "LoginCompany.h"

#include "suite/core/XmlDocument.h"
#include "suite/data/DataService.h"
#include "suite/login/IRowAuth.h"

using namespace suite;

namespace {

class ArchiveClassTest : public LoginCompanyTest
{
protected:
    void SetUp() override
    {
        LoginCompanyTest::SetUp();
        rights = login(QStringLiteral("sales1"))->RowAuth();
        service.Init(connectionText());
    }

    QString defaults(const QString &kind, const QString &code, bool expected = true)
    {
        QString sXml = QStringLiteral("left over");
        EXPECT_EQ(rights->GetArchiveClass(QStringLiteral("customer"), kind, code, sXml), expected)
            << qPrintable(kind) << " " << qPrintable(code);
        return sXml;
    }

    // The rights class the statement of BatchModifyAuthSQL selects, or "no row".
    QString rightsClass(const QString &code)
    {
        const QString sql =
            rights->BatchModifyAuthSQL(QStringLiteral("customer"), QStringLiteral("sales1"), code);
        const RecordSet rows = service.OpenX(sql);
        EXPECT_TRUE(rows.IsOpen()) << qPrintable(service.LastError()) << qPrintable(sql);
        return rows.RecordCount() == 0 ? QStringLiteral("no row") : rows.valueAt(0, 0).toString();
    }

    std::shared_ptr<IRowAuth> rights;
    ClsCommon service;
};

TEST_F(ArchiveClassTest, AClassTakesTheDefaultsOfItsNearestNodeThatHasThem)
{
    EXPECT_EQ(defaults(QStringLiteral("class"), QStringLiteral("0103")),
              QStringLiteral("<TarnRowAuth><Data><cClassID>0</cClassID><cClassCode>0201"
                             "</cClassCode></Data><Data><cClassID>1</cClassID><cClassCode>N"
                             "</cClassCode></Data></TarnRowAuth>"));
    run(Company,
        QStringLiteral("insert into AA_ClassDefaultAuth (cBusObId, cKind, cCode, iADTID,"
                       " cADCode) values ('customer', 'class', '0302', 5, 'R&D')"));
    const QString own = defaults(QStringLiteral("CLASS"), QStringLiteral("030201"));
    XmlDocument document;
    ASSERT_TRUE(document.loadXml(own)) << qPrintable(own);
    const QList<XmlElement> data = document.selectNodes(QStringLiteral("//TarnRowAuth/Data"));
    ASSERT_EQ(data.size(), 1);
    EXPECT_EQ(data.first().firstChildElement(QStringLiteral("cClassID")).text(), u"5");
    EXPECT_EQ(data.first().firstChildElement(QStringLiteral("cClassCode")).text(), u"R&D");
    EXPECT_EQ(defaults(QStringLiteral("trade"), QStringLiteral("0102")),
              QStringLiteral("<TarnRowAuth><Data><cClassID>2</cClassID><cClassCode>ME</cClassCode>"
                             "</Data></TarnRowAuth>"));
}

TEST_F(ArchiveClassTest, WithoutDefaultsTheAnswerIsFalseAndTheTextEmpty)
{
    EXPECT_EQ(defaults(QStringLiteral("district"), QStringLiteral("0101"), false), QString());
    EXPECT_EQ(defaults(QStringLiteral("trade"), QStringLiteral("0201"), false), QString());
    EXPECT_EQ(defaults(QStringLiteral("class"), QStringLiteral("99"), false), QString());
    EXPECT_EQ(defaults(QStringLiteral("class"), QString(), false), QString());
    EXPECT_EQ(defaults(QStringLiteral("colour"), QStringLiteral("01"), false), QString());
    EXPECT_EQ(defaults(QStringLiteral("class"), QStringLiteral("0'1"), false), QString());
}

TEST_F(ArchiveClassTest, TheBatchStatementSelectsTheRightsClassOfTheCode)
{
    EXPECT_EQ(rightsClass(QStringLiteral("0103")), u"1");
    EXPECT_EQ(rightsClass(QStringLiteral("050101")), u"5");
    EXPECT_EQ(rightsClass(QStringLiteral("08")), u"8");
    EXPECT_EQ(rightsClass(QStringLiteral("99")), u"no row");
    EXPECT_EQ(rightsClass(QStringLiteral("0")), u"no row");
    EXPECT_EQ(rightsClass(QStringLiteral("0'1")), u"no row");
    // The demo's customers carry the rights class that their region's defaults give.
    EXPECT_EQ(column(QStringLiteral("select count(*) from Customer c where c.iId <> (select"
                                    " g.iAuthClassId from AA_ClassAuthGroup g where g.cKind ="
                                    " 'class' and g.cCode = substr(c.cCCCode, 1, 2))")),
              QStringList{ QStringLiteral("0") });
}

} // namespace
