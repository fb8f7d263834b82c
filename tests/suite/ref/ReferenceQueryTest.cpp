#include "ReferenceFixture.h"

#include "suite/ref/ReferenceValue.h"

using suite::ReferenceQuery;

namespace {

QString conditions(const QString &name, const QString &value)
{
    return QStringLiteral("<RefConditions><Condition paramName='%1' paramValue='%2' />"
                          "</RefConditions>")
        .arg(name, value);
}

const QString kContactFilter =
    QStringLiteral("(#FN[cCusCode]=@cCusCode or (#FN[cCusCode] is null or #FN[cCusCode]='')) and "
                   "(#FN[dConEDate]>'2026-01-31' or #FN[dConEDate] is null)");

} // namespace

TEST_F(ReferenceTest, FilterColumnsBecomeTheReferenceTableAndParametersQuotedValues)
{
    ReferenceQuery contacts =
        query("Contact_CS",
              QStringLiteral("<Ref><RefSet cRetFld='cContactName' cShowFld='cContactName' "
                             "iRetStyle='3'  /></Ref>"));
    QString sMsg;
    ASSERT_TRUE(contacts.setConditions(
        conditions(QStringLiteral("@cCusCode"), QStringLiteral("0000004")), kContactFilter, sMsg));
    QString sql;
    ASSERT_TRUE(contacts.statement(sql, sMsg)) << qPrintable(sMsg);
    EXPECT_EQ(sql,
              QStringLiteral("select Crm_Contact.* from Crm_Contact where "
                             "((Crm_Contact.cCusCode=N'0000004' or (Crm_Contact.cCusCode is null "
                             "or Crm_Contact.cCusCode='')) and (Crm_Contact.dConEDate>'2026-01-31' "
                             "or Crm_Contact.dConEDate is null)) order by "
                             "Crm_Contact.cContactCode"));

    contacts.setSearch(QStringLiteral(" 卢 "), ReferenceQuery::Match::StartsWith);
    ASSERT_TRUE(contacts.statement(sql, sMsg));
    EXPECT_TRUE(sql.endsWith(
        QStringLiteral(" and (charindex(upper(N'卢'), upper(Crm_Contact.cContactCode))=1 or "
                       "charindex(upper(N'卢'), upper(Crm_Contact.cContactName))=1) order by "
                       "Crm_Contact.cContactCode")))
        << qPrintable(sql);

    const QStringList expected = m_company.column(
        DemoCompanyCopy<>::Company,
        QStringLiteral("select cContactCode from Crm_Contact where (cCusCode='0000004' or "
                       "ifnull(cCusCode,'')='') and (dConEDate>'2026-01-31' or dConEDate is "
                       "null) order by cContactCode"));
    ASSERT_FALSE(expected.isEmpty());
    contacts.setSearch(QString());
    EXPECT_EQ(columnOf(allRows(contacts), QStringLiteral("cContactCode")), expected);
}

TEST_F(ReferenceTest, TheReferenceSetFilterAndTheEditsFilterBothApply)
{
    ReferenceQuery cities = query("hr_ct007_AA");
    const QString province =
        m_company
            .column(DemoCompanyCopy<>::Company,
                    QStringLiteral("select ccodeID from HR_CT007 where ilevels=0 order by ccodeID"))
            .value(0);
    QString sMsg;
    ASSERT_TRUE(cities.setConditions(conditions(QStringLiteral("cpCodeId"), province),
                                     QStringLiteral("#FN[cpCodeId]=@cpCodeId"), sMsg));
    QString sql;
    ASSERT_TRUE(cities.statement(sql, sMsg));
    EXPECT_EQ(sql,
              QStringLiteral("select HR_CT007.* from HR_CT007 where (HR_CT007.cpCodeId=N'%1') "
                             "order by HR_CT007.ccodeID")
                  .arg(province));
    const QStringList cityCodes = columnOf(allRows(cities), QStringLiteral("ccodeID"));
    EXPECT_FALSE(cityCodes.isEmpty());
    EXPECT_EQ(cityCodes,
              m_company.column(DemoCompanyCopy<>::Company,
                               QStringLiteral("select ccodeID from HR_CT007 where "
                                              "cpCodeID='%1' order by ccodeID")
                                   .arg(province)));

    ReferenceQuery endDistricts = query(
        "DistrictClass_AA", QStringLiteral("<Ref><RefSet  cRefFilterSql=\"bDCEnd=1 \"/></Ref>"));
    ASSERT_TRUE(endDistricts.setConditions(QString(), QStringLiteral("#FN[iDCGrade]>=1"), sMsg));
    ASSERT_TRUE(endDistricts.statement(sql, sMsg));
    EXPECT_EQ(sql,
              QStringLiteral("select DistrictClass.* from DistrictClass where (bDCEnd=1) and "
                             "(DistrictClass.iDCGrade>=1) order by DistrictClass.cDCCode"));
    EXPECT_EQ(allRows(endDistricts).RecordCount(),
              m_company
                  .column(DemoCompanyCopy<>::Company,
                          QStringLiteral("select count(*) from DistrictClass where bDCEnd=1"))
                  .value(0)
                  .toInt());
}

TEST_F(ReferenceTest, HostileValuesStayValues)
{
    ReferenceQuery customers = query("Customer_AA");
    QString sMsg;
    ASSERT_TRUE(customers.setConditions(
        conditions(QStringLiteral("@c"), QStringLiteral("x&apos; or 1=1 --")),
        QStringLiteral("#FN[cCusCode]=@c or #FN[cCusName]='@c'"), sMsg));
    QString sql;
    ASSERT_TRUE(customers.statement(sql, sMsg));
    EXPECT_EQ(sql,
              QStringLiteral("select Customer.* from Customer where "
                             "(Customer.cCusCode=N'x'' or 1=1 --' or Customer.cCusName='@c') "
                             "order by Customer.cCusCode"));
    suite::RecordSet rows = allRows(customers);
    EXPECT_TRUE(rows.IsOpen());
    EXPECT_EQ(rows.RecordCount(), 0);

    customers.setSearch(QStringLiteral("' or ''='"));
    rows = allRows(customers);
    EXPECT_TRUE(rows.IsOpen());
    EXPECT_EQ(rows.RecordCount(), 0);

    ASSERT_TRUE(customers.setConditions(conditions(QStringLiteral("@a"), QStringLiteral("@b")),
                                        QStringLiteral("#FN[cCusCode]=@a"), sMsg));
    customers.setSearch(QString());
    ASSERT_TRUE(customers.exactStatement(QStringLiteral("O'Neil"), sql, sMsg));
    EXPECT_EQ(sql,
              QStringLiteral("select top 2 Customer.* from Customer where "
                             "(Customer.cCusCode=N'@b') and Customer.cCusCode=N'O''Neil' "
                             "order by Customer.cCusCode"));
}

TEST_F(ReferenceTest, FiltersThatCannotBeMadeSafeAreRefusedWithTheirReason)
{
    ReferenceQuery customers = query("Customer_AA");
    QString sMsg;
    QString sql;
    ASSERT_TRUE(customers.setConditions(QString(), QStringLiteral("#FN[cCusCode]=@missing"), sMsg));
    EXPECT_FALSE(customers.statement(sql, sMsg));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("@missing"))) << qPrintable(sMsg);

    for (const char *filter : { "#FN[cCusCode;drop table Customer]='1'", "#FN[cCusCode='1'" }) {
        sMsg.clear();
        ASSERT_TRUE(customers.setConditions(QString(), QString::fromLatin1(filter), sMsg));
        EXPECT_FALSE(customers.statement(sql, sMsg)) << filter;
        EXPECT_TRUE(sMsg.contains(QStringLiteral("no plain column"))) << qPrintable(sMsg);
    }

    ASSERT_TRUE(customers.setConditions(QString(), QStringLiteral("1=2"), sMsg));
    EXPECT_FALSE(customers.setConditions(QStringLiteral("<RefConditions><Condition"),
                                         QStringLiteral("1=1"), sMsg));
    EXPECT_FALSE(customers.setConditions(
        QStringLiteral("<RefConditions><Condition paramValue='1'/></RefConditions>"),
        QStringLiteral("1=1"), sMsg));
    EXPECT_TRUE(sMsg.contains(QStringLiteral("names no parameter"))) << qPrintable(sMsg);
    ASSERT_TRUE(customers.statement(sql, sMsg));
    EXPECT_TRUE(sql.contains(QStringLiteral("where (1=2)"))) << "a refused change keeps the last";

    suite::ReferenceSettings settings;
    EXPECT_FALSE(suite::ReferenceSettings::read(
        QStringLiteral("<Ref><RefSet iRetStyle='x'/></Ref>"), settings, sMsg));
    EXPECT_FALSE(suite::ReferenceSettings::read(QStringLiteral("<Ref>"), settings, sMsg));
}

TEST_F(ReferenceTest, SearchFindsCodesAndNamesContainingOrStartingWithTheText)
{
    ReferenceQuery customers = query("Customer_AA");
    const QString name =
        m_company
            .column(DemoCompanyCopy<>::Company,
                    QStringLiteral("select cCusName from Customer order by cCusCode"))
            .value(3);
    const QString part = name.mid(2, 2);
    customers.setSearch(part);
    EXPECT_EQ(columnOf(allRows(customers), QStringLiteral("cCusCode")),
              m_company.column(DemoCompanyCopy<>::Company,
                               QStringLiteral("select cCusCode from Customer where instr(cCusCode, "
                                              "'%1')>0 or instr(cCusName, '%1')>0 order by "
                                              "cCusCode")
                                   .arg(part)));

    customers.setSearch(part, ReferenceQuery::Match::StartsWith);
    const QStringList starting = columnOf(allRows(customers), QStringLiteral("cCusName"));
    for (const QString &found : starting)
        EXPECT_TRUE(found.startsWith(part)) << qPrintable(found);

    ReferenceQuery vendors = query("Vendor_AA");
    const QString code =
        m_company
            .column(DemoCompanyCopy<>::Company,
                    QStringLiteral("select cVenCode from Vendor order by cVenCode"))
            .value(0);
    vendors.setSearch(code.toLower());
    EXPECT_TRUE(columnOf(allRows(vendors), QStringLiteral("cVenCode")).contains(code))
        << "searching ignores case";
}

TEST_F(ReferenceTest, PagesFollowTheCodeOrderAndAPageBeyondTheLastGivesTheLast)
{
    ReferenceQuery customers = query("Customer_AA");
    const QStringList codes =
        m_company.column(DemoCompanyCopy<>::Company,
                         QStringLiteral("select cCusCode from Customer order by cCusCode"));
    ASSERT_EQ(codes.size(), DemoCompanyCopy<>::kCustomers);
    constexpr int kSize = 7;
    const int pages = (codes.size() + kSize - 1) / kSize;

    QStringList paged;
    for (int number = 1; number <= pages; ++number) {
        suite::ReferencePage page;
        page.size = kSize;
        page.page = number;
        QString sMsg;
        ASSERT_TRUE(customers.readPage(*m_service, page, sMsg)) << qPrintable(sMsg);
        EXPECT_EQ(page.page, number);
        EXPECT_EQ(page.pageCount, pages);
        paged += columnOf(page.rows, QStringLiteral("cCusCode"));
    }
    EXPECT_EQ(paged, codes);

    suite::ReferencePage beyond;
    beyond.size = kSize;
    beyond.page = pages + 5;
    QString sMsg;
    ASSERT_TRUE(customers.readPage(*m_service, beyond, sMsg));
    EXPECT_EQ(beyond.page, pages);
    EXPECT_EQ(columnOf(beyond.rows, QStringLiteral("cCusCode")), codes.mid((pages - 1) * kSize));
}

TEST(ReferenceValue, TheReferenceSetDecidesWhatTheTextShowsAndTheCodeKeeps)
{
    const suite::ReferenceDefinition &currency =
        *suite::findReference(QStringLiteral("ForeignCurrency_AA"));
    const suite::RecordSet row({ suite::Field{ QStringLiteral("cexch_code") },
                                 suite::Field{ QStringLiteral("cexch_name") } },
                               { { QStringLiteral("USD"), QStringLiteral("美元") } });
    auto value = [&](const char *refSet) {
        suite::ReferenceSettings settings;
        QString sMsg;
        EXPECT_TRUE(suite::ReferenceSettings::read(QString::fromUtf8(refSet), settings, sMsg));
        suite::RecordSet current = row;
        current.MoveFirst();
        const suite::ReferenceValue taken = suite::referenceValueOf(currency, settings, current);
        return taken.text + u'|' + taken.code;
    };
    EXPECT_EQ(value(""), QStringLiteral("美元|美元")) << "currencies keep their name";
    EXPECT_EQ(value("<Ref><RefSet cRetFld='CEXCH_CODE'/></Ref>"), QStringLiteral("USD|USD"));
    EXPECT_EQ(value("<Ref><RefSet cRetFld='cexch_code' iRetStyle='1'/></Ref>"),
              QStringLiteral("美元|USD"));
    EXPECT_EQ(
        value("<Ref><RefSet cRetFld='cexch_code' cShowFld='cexch_name' iRetStyle='3'/></Ref>"),
        QStringLiteral("美元|美元"));
    EXPECT_FALSE(suite::singleRowOf(row, 1).IsOpen());
}
