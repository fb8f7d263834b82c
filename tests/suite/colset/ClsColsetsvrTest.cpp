#include "ColumnSetFixture.h"

#include "suite/data/RecordSet.h"

using suite::IColumnSet;

namespace {

const QString kCustomer = QStringLiteral("Customer");

// A user's arrangement: name before code in the XML but after it by iorder, the class hidden.
QString arrangedCustomerSet()
{
    return QStringLiteral(
        "<Customer ckey='Customer'>"
        "<CCusName showfldname='名称' iwidth='180' iorder='2' csort='asc'/>"
        "<Customer.CCusCode showfldname='编码' iwidth='90' iorder='1' csort='desc' bfixed='1' "
        "bmustinput='1'/>"
        "<CustomerClass.cCCName showfldname='分类' bshow='0' iorder='3' csort='asc'/>"
        "</Customer>");
}

const QString kArrangedUserSet = QStringLiteral(
    "<Customer ckey=\"Customer\" icols=\"2\" ifixcols=\"1\">"
    "<Customer.CCusCode showfldname=\"编码\" cOrgCaption=\"客户编码\" bshow=\"1\" iwidth=\"90\" "
    "iorder=\"1\" csort=\"desc\" bmustinput=\"1\" bfixed=\"1\"/>"
    "<CCusName showfldname=\"名称\" cOrgCaption=\"客户名称\" bshow=\"1\" iwidth=\"180\" "
    "iorder=\"2\" csort=\"asc\" bmustinput=\"0\" bfixed=\"0\"/>"
    "<CustomerClass.cCCName showfldname=\"分类\" cOrgCaption=\"客户分类\" bshow=\"0\" "
    "iwidth=\"0\" iorder=\"3\" csort=\"asc\" bmustinput=\"0\" bfixed=\"0\"/>"
    "</Customer>");

} // namespace

TEST_F(ColumnSetTest, DefaultSetComesFromTheRegisteredCatalogue)
{
    auto service = serviceFor(QStringLiteral("demo"));
    const QString info = service->getColInfo(kCustomer, IColumnSet::FullInfo);
    EXPECT_EQ(
        info,
        QStringLiteral(
            "<Customer ckey=\"Customer\" icols=\"4\" ifixcols=\"0\">"
            "<Customer.CCusCode showfldname=\"客户编码\" cOrgCaption=\"客户编码\" bshow=\"1\" "
            "iwidth=\"0\" iorder=\"1\" csort=\"\" bmustinput=\"0\" bfixed=\"0\" "
            "reftype=\"ref\" cRefID=\"Customer_AA\" cRetFld=\"cCusCode\" bmulmodify=\"0\" "
            "bBadStrException=\"0\"/>"
            "<CCusName showfldname=\"客户名称\" cOrgCaption=\"客户名称\" bshow=\"1\" "
            "iwidth=\"0\" iorder=\"2\" csort=\"\" bmustinput=\"0\" bfixed=\"0\" "
            "reftype=\"ref\" cRefID=\"Customer_AA\" cRetFld=\"CCusName\" bmulmodify=\"0\" "
            "bBadStrException=\"0\"/>"
            "<CustomerClass.cCCName showfldname=\"客户分类\" cOrgCaption=\"客户分类\" "
            "bshow=\"1\" iwidth=\"0\" iorder=\"3\" csort=\"\" bmustinput=\"0\" "
            "bfixed=\"0\" reftype=\"\" cRefID=\"\" bmulmodify=\"0\" "
            "bBadStrException=\"0\"/>"
            "<Customer.dEndDate showfldname=\"停用日期\" cOrgCaption=\"停用日期\" "
            "bshow=\"1\" iwidth=\"0\" iorder=\"4\" csort=\"\" bmustinput=\"0\" "
            "bfixed=\"0\" reftype=\"date\" cRefID=\"\" bmulmodify=\"1\" "
            "bBadStrException=\"0\"/>"
            "</Customer>"));
    EXPECT_EQ(service->iCols(), 4);
    EXPECT_EQ(service->GetFixedCols(), 0);
    // The windows ask for "customer" as well as "Customer": the same catalogue answers.
    EXPECT_EQ(fieldsOf(service->getColInfo(QStringLiteral("customer"), IColumnSet::UserSet)),
              QStringList({ "Customer.CCusCode", "CCusName", "CustomerClass.cCCName",
                            "Customer.dEndDate" }));
    EXPECT_EQ(service->GetSqlString(info),
              QStringLiteral("Customer.CCusCode,CCusName,CustomerClass.cCCName,Customer.dEndDate"));
    EXPECT_EQ(service->GetOrderString(info), QString());
}

TEST_F(ColumnSetTest, WithoutCatalogueTheDictionaryGivesTheDefaultOfEachKey)
{
    auto service = serviceFor(QStringLiteral("demo"), false);
    for (const QString &key : { QStringLiteral("Customer"), QStringLiteral("Customer_import") }) {
        const QString info = service->getColInfo(key, IColumnSet::FullInfo);
        const QStringList fields = fieldsOf(info);
        ASSERT_FALSE(fields.isEmpty()) << qPrintable(key);
        EXPECT_EQ(rootOf(info).name(), key);
        EXPECT_EQ(fields.first(), QStringLiteral("cCusCode"));
        EXPECT_EQ(rootOf(info).firstChildElement().attribute(QStringLiteral("showfldname")),
                  QStringLiteral("客户编码"));
        EXPECT_EQ(service->iCols(), fields.size());
    }
    const QStringList importFields =
        fieldsOf(service->getColInfo(QStringLiteral("Customer_import"), IColumnSet::UserSet));
    EXPECT_EQ(importFields.mid(importFields.size() - 6),
              QStringList({ "AutoID", "cAddCode", "pubkvts", "cState", "cSelCol", "cErrorMsg" }));
    const QStringList customerFields =
        fieldsOf(service->getColInfo(kCustomer, IColumnSet::UserSet));
    EXPECT_EQ(importFields.size(), customerFields.size() + 6);
    EXPECT_FALSE(customerFields.contains(QStringLiteral("AutoID")));
}

TEST_F(ColumnSetTest, SavedSetIsReadBackForItsUserOnly)
{
    auto demo = serviceFor(QStringLiteral("demo"));
    QString xml = arrangedCustomerSet();
    ASSERT_TRUE(demo->Save(xml)) << qPrintable(xml);
    EXPECT_EQ(xml, arrangedCustomerSet()) << "a successful save leaves the XML as it was";

    EXPECT_EQ(demo->getColInfo(kCustomer, IColumnSet::UserSet), kArrangedUserSet);
    EXPECT_EQ(demo->iCols(), 2);
    EXPECT_EQ(demo->GetFixedCols(), 1);
    EXPECT_EQ(storedRows(QStringLiteral("demo")),
              QStringList({ "customer/Customer.CCusCode/1", "customer/CCusName/1",
                            "customer/CustomerClass.cCCName/0" }));

    // A later session of the same user, and another user who never saved.
    EXPECT_EQ(serviceFor(QStringLiteral("demo"))->getColInfo(kCustomer, IColumnSet::UserSet),
              kArrangedUserSet);
    auto sales = serviceFor(QStringLiteral("sales1"));
    EXPECT_EQ(sales->iCols(), 0);
    EXPECT_EQ(fieldsOf(sales->getColInfo(kCustomer, IColumnSet::UserSet)),
              QStringList({ "Customer.CCusCode", "CCusName", "CustomerClass.cCCName",
                            "Customer.dEndDate" }));
    EXPECT_EQ(sales->iCols(), 4);
}

TEST_F(ColumnSetTest, ModesShowTheUserSetTheVisibleColumnsOrTheDefaults)
{
    auto service = serviceFor(QStringLiteral("demo"));
    QString xml = arrangedCustomerSet();
    ASSERT_TRUE(service->Save(xml)) << qPrintable(xml);

    const QString full = service->getColInfo(kCustomer, IColumnSet::FullInfo);
    EXPECT_EQ(fieldsOf(full),
              QStringList({ "Customer.CCusCode", "CCusName", "CustomerClass.cCCName",
                            "Customer.dEndDate" }));
    const suite::XmlElement unsaved =
        rootOf(full).selectSingleNode(QStringLiteral("Customer.dEndDate"));
    EXPECT_EQ(unsaved.attribute(QStringLiteral("bshow")), QStringLiteral("0"))
        << "catalogue columns missing from the user's set follow it hidden";
    EXPECT_EQ(unsaved.attribute(QStringLiteral("reftype")), QStringLiteral("date"));

    const QString visible = service->getColInfo(kCustomer, IColumnSet::VisibleOnly);
    EXPECT_EQ(fieldsOf(visible), QStringList({ "Customer.CCusCode", "CCusName" }));
    EXPECT_EQ(rootOf(visible).firstChildElement().attribute(QStringLiteral("cRefID")),
              QStringLiteral("Customer_AA"));

    const QString defaults = service->getColInfo(kCustomer, IColumnSet::Defaults);
    EXPECT_EQ(rootOf(defaults).firstChildElement().attribute(QStringLiteral("showfldname")),
              QStringLiteral("客户编码"));
    EXPECT_EQ(service->iCols(), 4);
    EXPECT_EQ(service->GetFixedCols(), 0);
}

TEST_F(ColumnSetTest, SqlAndOrderStringsLeaveHiddenColumnsOut)
{
    auto service = serviceFor(QStringLiteral("demo"));
    QString xml = arrangedCustomerSet();
    ASSERT_TRUE(service->Save(xml)) << qPrintable(xml);
    const QString set = service->getColInfo(kCustomer, IColumnSet::UserSet);
    EXPECT_EQ(service->GetSqlString(set), QStringLiteral("Customer.CCusCode,CCusName"));
    EXPECT_EQ(service->GetOrderString(set), QStringLiteral("Customer.CCusCode desc,CCusName"));
    EXPECT_EQ(service->GetSqlString(QStringLiteral("<Customer")), QString());
    EXPECT_EQ(service->GetOrderString(QStringLiteral("<Customer")), QString());
}

TEST_F(ColumnSetTest, ColumnSetRecordSetHoldsOneRowPerColumn)
{
    auto service = serviceFor(QStringLiteral("demo"));
    QString xml = arrangedCustomerSet();
    ASSERT_TRUE(service->Save(xml)) << qPrintable(xml);
    suite::RecordSet rows = service->getColSet(kCustomer, IColumnSet::UserSet);
    ASSERT_EQ(rows.RecordCount(), 3);
    rows.MoveFirst();
    EXPECT_EQ(rows.Value(QStringLiteral("cFieldName")).toString(), "Customer.CCusCode");
    EXPECT_EQ(rows.Value(QStringLiteral("cCaption")).toString(), QStringLiteral("编码"));
    EXPECT_EQ(rows.Value(QStringLiteral("cOrgCaption")).toString(), QStringLiteral("客户编码"));
    EXPECT_EQ(rows.Value(QStringLiteral("iWidth")).toInt(), 90);
    EXPECT_EQ(rows.Value(QStringLiteral("cSort")).toString(), "desc");
    EXPECT_TRUE(rows.Value(QStringLiteral("bMustInput")).toBool());
    rows.MoveLast();
    EXPECT_EQ(rows.Value(QStringLiteral("cFieldName")).toString(), "CustomerClass.cCCName");
    EXPECT_FALSE(rows.Value(QStringLiteral("bShow")).toBool());
    EXPECT_EQ(rows.Value(QStringLiteral("iOrder")).toInt(), 3);
}

TEST_F(ColumnSetTest, MustCancelColumnsWithdrawsFieldsFromEverySet)
{
    auto demo = serviceFor(QStringLiteral("demo"));
    QString xml = arrangedCustomerSet();
    ASSERT_TRUE(demo->Save(xml)) << qPrintable(xml);

    // Unqualified and in another case, as callers write field lists.
    demo->MustCancelColumns(QStringLiteral(" ccusname , cccname,"));
    EXPECT_EQ(storedRows(QStringLiteral("demo")), QStringList({ "customer/Customer.CCusCode/1" }));
    EXPECT_EQ(fieldsOf(demo->getColInfo(kCustomer, IColumnSet::FullInfo)),
              QStringList({ "Customer.CCusCode", "Customer.dEndDate" }));
    EXPECT_EQ(fieldsOf(demo->getColInfo(kCustomer, IColumnSet::Defaults)),
              QStringList({ "Customer.CCusCode", "Customer.dEndDate" }));
    EXPECT_EQ(demo->GetSqlString(kArrangedUserSet), QStringLiteral("Customer.CCusCode"));

    // A qualified name withdraws only that table's field.
    demo->MustCancelColumns(QStringLiteral("Vendor.dEndDate"));
    EXPECT_TRUE(fieldsOf(demo->getColInfo(kCustomer, IColumnSet::Defaults))
                    .contains(QStringLiteral("Customer.dEndDate")));
}

TEST_F(ColumnSetTest, KeysKeepSeparateSets)
{
    auto service = serviceFor(QStringLiteral("demo"));
    QString sMsg;
    ASSERT_TRUE(service->setCatalogue(
        QStringLiteral("RefCrm_Contact"),
        QStringLiteral("<Crm_Contact><Crm_Contact.cContactCode showfldname='联系人编码'/>"
                       "<cContactName showfldname='联系人'/><cCusName showfldname='客户'/>"
                       "</Crm_Contact>"),
        sMsg))
        << qPrintable(sMsg);
    QString contacts = QStringLiteral("<Crm_Contact ckey='RefCrm_Contact'>"
                                      "<cContactName csort='asc'/><cCusName bshow='0'/>"
                                      "</Crm_Contact>");
    ASSERT_TRUE(service->Save(contacts)) << qPrintable(contacts);
    QString imports = QStringLiteral("<Customer_import><cErrorMsg/><cCusCode/></Customer_import>");
    ASSERT_TRUE(service->Save(imports)) << qPrintable(imports);

    const QString contactSet =
        service->getColInfo(QStringLiteral("RefCrm_Contact"), IColumnSet::UserSet);
    EXPECT_EQ(rootOf(contactSet).name(), QStringLiteral("Crm_Contact"));
    EXPECT_EQ(rootOf(contactSet).firstChildElement().attribute(QStringLiteral("showfldname")),
              QStringLiteral("联系人"))
        << "a column saved without a caption takes the catalogue's";
    EXPECT_EQ(service->GetSqlString(contactSet), QStringLiteral("cContactName"));
    EXPECT_EQ(service->GetOrderString(contactSet), QStringLiteral("cContactName"));

    const QString importSet =
        service->getColInfo(QStringLiteral("Customer_import"), IColumnSet::UserSet);
    EXPECT_EQ(service->GetSqlString(importSet), QStringLiteral("cErrorMsg,cCusCode"));
    EXPECT_EQ(rootOf(importSet).firstChildElement().attribute(QStringLiteral("showfldname")),
              QStringLiteral("错误信息"));
    EXPECT_EQ(fieldsOf(service->getColInfo(kCustomer, IColumnSet::UserSet)).size(), 4)
        << "the customer list keeps its default";
}

TEST_F(ColumnSetTest, SaveRefusesBadSetsWithTheReasonAndKeepsTheStoredOne)
{
    auto service = serviceFor(QStringLiteral("demo"));
    QString good = arrangedCustomerSet();
    ASSERT_TRUE(service->Save(good)) << qPrintable(good);
    const QStringList before = storedRows(QStringLiteral("demo"));

    const QList<std::pair<QString, QString>> cases{
        { QStringLiteral("<Customer><cCusCode></Customer>"),
          QStringLiteral("The column set was not saved: The column set is not readable XML: ") },
        { QStringLiteral("<Customer><cCusCode iwidth='wide'/></Customer>"),
          QStringLiteral("The column set was not saved: Column cCusCode: iwidth='wide' must be a "
                         "number of 0 or more.") },
        { QStringLiteral("<Customer><cCusCode bshow='yes'/></Customer>"),
          QStringLiteral("The column set was not saved: Column cCusCode: bshow='yes' must be 0 "
                         "or 1.") },
        { QStringLiteral("<Customer><cCusCode csort='up'/></Customer>"),
          QStringLiteral("The column set was not saved: Column cCusCode: csort='up' must be asc, "
                         "desc or empty.") },
        { QStringLiteral("<Customer><cCusCode/><CCUSCODE/></Customer>"),
          QStringLiteral("The column set was not saved: Column CCUSCODE appears twice.") },
        { QStringLiteral("<Customer><cCusCode-1/></Customer>"),
          QStringLiteral("The column set was not saved: Column 1: 'cCusCode-1' is not a field "
                         "name.") },
        { QStringLiteral("<Customer/>"),
          QStringLiteral("The column set was not saved: the column set has no columns.") },
    };
    for (const auto &[bad, reason] : cases) {
        QString sXML = bad;
        EXPECT_FALSE(service->Save(sXML)) << qPrintable(bad);
        EXPECT_TRUE(sXML.startsWith(reason)) << qPrintable(sXML);
    }
    EXPECT_EQ(storedRows(QStringLiteral("demo")), before);
}

TEST_F(ColumnSetTest, QuotesInUsersAndCaptionsStayValues)
{
    auto service = serviceFor(QStringLiteral("O'Brien"));
    QString xml = QStringLiteral("<Customer><cCusCode showfldname=\"客户's code\"/></Customer>");
    ASSERT_TRUE(service->Save(xml)) << qPrintable(xml);
    EXPECT_EQ(storedRows(QStringLiteral("O'Brien")), QStringList({ "customer/cCusCode/1" }));
    EXPECT_EQ(rootOf(service->getColInfo(kCustomer, IColumnSet::UserSet))
                  .firstChildElement()
                  .attribute(QStringLiteral("showfldname")),
              QStringLiteral("客户's code"));
    EXPECT_TRUE(storedRows(QStringLiteral("demo")).isEmpty());
}

TEST_F(ColumnSetTest, ServiceWithoutDatabaseAnswersEmptyAndRefusesToSave)
{
    auto service = suite::createObject<IColumnSet>(IColumnSet::kProgId);
    ASSERT_TRUE(service);
    EXPECT_FALSE(service->Init(QStringLiteral("Provider=SQLite;Data Source=") + m_company.dir()
                                   + QStringLiteral("/missing.db"),
                               QStringLiteral("demo")));
    EXPECT_EQ(service->getColInfo(kCustomer), QString());
    EXPECT_FALSE(service->getColSet(kCustomer).IsOpen());
    QString xml = arrangedCustomerSet();
    EXPECT_FALSE(service->Save(xml));
    EXPECT_EQ(xml,
              QStringLiteral("The column set was not saved: the column-set service has no "
                             "company database."));
}
