#include "CardFixture.h"

#include "suite/card/ICusBank.h"
#include "suite/card/ICusDimension.h"
#include "suite/card/ICusInvoiceCorp.h"
#include "suite/card/ICusPerson.h"
#include "suite/card/IDeliverAdd.h"

#include <QRegularExpression>

using namespace suite;

namespace {

class SubRecordDialogTest : public CardTest
{
protected:
    void SetUp() override
    {
        CardTest::SetUp();
        m_code = column(QStringLiteral("select cCusCode from Customer order by cCusCode")).value(0);
        ASSERT_FALSE(m_code.isEmpty());
        run(QStringLiteral("delete from CusDeliverAdd where cCusCode='%1'").arg(m_code));
        run(QStringLiteral("insert into CusDeliverAdd (cCusCode,cAddCode,cDeliverAdd,"
                           "cCusAddressGUID,cDeliverUnit,cLinkPerson,cPhone,bDefault) values "
                           "('%1','0001','R&D <Park> \"A\"','AAAA-1',NULL,'O''Brien','010',1)")
                .arg(m_code));
    }

    template<class Interface> bool show(QString &sXml)
    {
        auto dialog = createObject<Interface>(QLatin1String(Interface::kProgId));
        EXPECT_TRUE(dialog);
        return dialog && dialog->Show(m_login, m_pub, m_srv, nullptr, sXml, false, nullptr);
    }

    QString addressParameters(const QString &right = QStringLiteral("2")) const
    {
        return QStringLiteral("<addr><ccuscode>%1</ccuscode><rw>%2</rw><url></url></addr>")
            .arg(m_code, right);
    }

    QString m_code;
};

QString guidIn(const QString &fragment, int index)
{
    static const QRegularExpression guid(
        QStringLiteral("<cCusAddressGUID>([^<]*)</cCusAddressGUID>"));
    QStringList found;
    for (const auto &match : guid.globalMatch(fragment))
        found.append(match.captured(1));
    return found.value(index);
}

} // namespace

TEST_F(SubRecordDialogTest, AnAddedDefaultAddressComesBackEscapedWithTheStoredRowFirst)
{
    QString sXml = addressParameters();
    bool accepted = false;
    withDialog(
        [](SubRecordDialog &dialog, QTableWidget &table) {
            ASSERT_EQ(table.rowCount(), 1);
            EXPECT_EQ(table.item(0, 1)->text(), QStringLiteral("R&D <Park> \"A\""));
            click(dialog, "add");
            type(table, 1, 0, QStringLiteral("0002"));
            type(table, 1, 1, QStringLiteral("北京 & <东>"));
            type(table, 1, 3, QStringLiteral("Tom 'T'"));
            table.setCurrentCell(1, 0);
            click(dialog, "setDefault");
            clickOk(dialog);
        },
        [&] { accepted = show<IDeliverAdd>(sXml); });

    ASSERT_TRUE(accepted);
    const QString added = guidIn(sXml, 1);
    EXPECT_EQ(added.size(), 36);
    EXPECT_EQ(sXml,
              QStringLiteral("<Addr><ccuscode>%1</ccuscode><rw>2</rw><url></url><Rows>"
                             "<Row><cAddCode>0001</cAddCode><cDeliverAdd>R&amp;D &lt;Park&gt; "
                             "\"A\"</cDeliverAdd><cDeliverUnit></cDeliverUnit><cLinkPerson>"
                             "O'Brien</cLinkPerson><cPhone>010</cPhone><cCusAddressGUID>AAAA-1"
                             "</cCusAddressGUID><bDefault>0</bDefault></Row>"
                             "<Row><cAddCode>0002</cAddCode><cDeliverAdd>北京 &amp; &lt;东&gt;"
                             "</cDeliverAdd><cDeliverUnit></cDeliverUnit><cLinkPerson>Tom 'T'"
                             "</cLinkPerson><cPhone></cPhone><cCusAddressGUID>%2"
                             "</cCusAddressGUID><bDefault>1</bDefault></Row></Rows>"
                             "<GUID>%2</GUID></Addr>")
                  .arg(m_code, added));
    EXPECT_EQ(
        column(
            QStringLiteral("select count(*) from CusDeliverAdd where cCusCode='%1'").arg(m_code)),
        QStringList{ QStringLiteral("1") });
}

TEST_F(SubRecordDialogTest, AKeptFragmentIsShownInsteadOfTheTableAndCancelKeepsIt)
{
    QString sXml = addressParameters();
    withDialog(
        [](SubRecordDialog &dialog, QTableWidget &table) {
            type(table, 0, 4, QStringLiteral("020"));
            clickOk(dialog);
        },
        [&] { EXPECT_TRUE(show<IDeliverAdd>(sXml)); });
    run(QStringLiteral("delete from CusDeliverAdd"));
    const QString kept = sXml;

    withDialog(
        [](SubRecordDialog &dialog, QTableWidget &table) {
            ASSERT_EQ(table.rowCount(), 1);
            EXPECT_EQ(table.item(0, 3)->text(), QStringLiteral("O'Brien"));
            click(dialog, "remove");
            table.setCurrentCell(0, 0);
            click(dialog, "remove");
            EXPECT_EQ(table.rowCount(), 0);
            dialog.reject();
        },
        [&] { EXPECT_FALSE(show<IDeliverAdd>(sXml)); });
    EXPECT_EQ(sXml, kept);
}

TEST_F(SubRecordDialogTest, ReadOnlyRightRefusesEveryEditAndReturnsNothing)
{
    QString sXml = addressParameters(QStringLiteral("1"));
    withDialog(
        [](SubRecordDialog &dialog, QTableWidget &table) {
            EXPECT_EQ(table.editTriggers(), QAbstractItemView::NoEditTriggers);
            EXPECT_FALSE(dialog.findChild<QPushButton *>(QStringLiteral("add"))->isEnabled());
            dialog.addRow();
            type(table, 0, 0, QStringLiteral("changed"));
            EXPECT_EQ(table.rowCount(), 1);
            EXPECT_EQ(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                      nullptr);
            dialog.accept();
        },
        [&] { EXPECT_FALSE(show<IDeliverAdd>(sXml)); });
    EXPECT_EQ(sXml, addressParameters(QStringLiteral("1")));
}

TEST_F(SubRecordDialogTest, InvalidRowsKeepTheDialogOpenWithAMessageUntilCorrected)
{
    QString sXml = addressParameters();
    bool accepted = false;
    withDialog(
        [this](SubRecordDialog &dialog, QTableWidget &table) {
            click(dialog, "add");
            clickOk(dialog);
            EXPECT_NE(dialog.result(), QDialog::Accepted);
            type(table, 1, 0, QStringLiteral("0001"));
            type(table, 1, 1, QStringLiteral("somewhere"));
            clickOk(dialog);
            EXPECT_NE(dialog.result(), QDialog::Accepted);
            type(table, 1, 0, QString(31, u'9'));
            clickOk(dialog);
            type(table, 1, 0, QStringLiteral("0002"));
            clickOk(dialog);
            EXPECT_EQ(shownTexts().size(), 3);
        },
        [&] { accepted = show<IDeliverAdd>(sXml); });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(shownTexts(),
              (QStringList{ QStringLiteral("第2行的\"地址编码\"不能为空。"),
                            QStringLiteral("第2行的\"地址编码\"与前面的行重复。"),
                            QStringLiteral("第2行的\"地址编码\"超过30个字符。") }));
}

TEST_F(SubRecordDialogTest, BanksShowTheBankNameAndRefuseAnUnknownBank)
{
    run(QStringLiteral("delete from CustomerBank where cCusCode='%1'").arg(m_code));
    const QString bank = column(QStringLiteral("select cBankCode from AA_Bank")).value(0);
    const QString bankName =
        column(QStringLiteral("select cBankName from AA_Bank where cBankCode='%1'").arg(bank))
            .value(0);
    QString sXml = QStringLiteral("<Bank><cCusCode>%1</cCusCode><cCusName>A&amp;B</cCusName>"
                                  "<RW>2</RW><url></url></Bank>")
                       .arg(m_code);
    bool accepted = false;
    withDialog(
        [&](SubRecordDialog &dialog, QTableWidget &table) {
            ASSERT_EQ(table.rowCount(), 0);
            click(dialog, "add");
            type(table, 0, 0, QStringLiteral("NOSUCHBANK"));
            type(table, 0, 2, QStringLiteral("Branch"));
            type(table, 0, 3, QStringLiteral("6222"));
            clickOk(dialog);
            EXPECT_EQ(table.item(0, 1)->text(), QString());
            type(table, 0, 0, bank);
            EXPECT_EQ(table.item(0, 1)->text(), bankName);
            clickOk(dialog);
        },
        [&] { accepted = show<ICusBank>(sXml); });
    ASSERT_TRUE(accepted);
    EXPECT_EQ(shownTexts(), QStringList{ QStringLiteral("第1行的编码\"NOSUCHBANK\"不存在。") });
    EXPECT_EQ(sXml,
              QStringLiteral("<Bank><cCusCode>%1</cCusCode><cCusName>A&amp;B</cCusName><RW>2</RW>"
                             "<url></url><Rows><Row><cBankCode>%2</cBankCode><cBranch>Branch"
                             "</cBranch><cAccountNum>6222</cAccountNum><cAccountName>"
                             "</cAccountName><bDefault>1</bDefault></Row></Rows></Bank>")
                  .arg(m_code, bank));
}

TEST_F(SubRecordDialogTest, InvoiceUnitsPersonsAndRightsReadTheStoredRows)
{
    const QStringList others = column(QStringLiteral("select cCusCode from Customer where "
                                                     "cCusCode<>'%1' order by cCusCode")
                                          .arg(m_code));
    const QString person = column(QStringLiteral("select cPersonCode from Person")).value(0);
    run(QStringLiteral("delete from CustomerInvoiceCorp where cCusCode='%1'").arg(m_code));
    run(QStringLiteral("insert into CustomerInvoiceCorp (cCusCode,cInvoiceCompany,bDefault) "
                       "values ('%1','%2',0),('%1','%3',1)")
            .arg(m_code, others.at(0), others.at(1)));
    run(QStringLiteral("insert into CustomerPerson (cCusCode,cPersonCode,bDefault) values "
                       "('%1','%2',1)")
            .arg(m_code, person));
    run(QStringLiteral("insert into customer_auth (Account_ID,Privilege_Type,Privilege_ID) "
                       "values ('%1',0,'D''1')")
            .arg(m_code));

    QString invoice = QStringLiteral("<cusinvoicecorp> <ccuscode>%1</ccuscode><RW>2</RW>"
                                     "<RowAuthCusR>a!=1</RowAuthCusR><RowAuthCusW></RowAuthCusW>"
                                     "<url></url></cusinvoicecorp>")
                          .arg(m_code);
    const QString invoiceParameters = invoice;
    withDialog(
        [&](SubRecordDialog &dialog, QTableWidget &table) {
            ASSERT_EQ(table.rowCount(), 2);
            EXPECT_EQ(table.item(0, 0)->text(), others.at(0));
            EXPECT_EQ(table.item(1, 0)->text(), others.at(1));
            clickOk(dialog);
        },
        [&] { EXPECT_FALSE(show<ICusInvoiceCorp>(invoice)); });
    EXPECT_EQ(invoice, invoiceParameters) << "rows accepted as they were leave the fragment";
    withDialog(
        [](SubRecordDialog &dialog, QTableWidget &table) {
            table.setCurrentCell(0, 0);
            click(dialog, "setDefault");
            clickOk(dialog);
        },
        [&] { EXPECT_TRUE(show<ICusInvoiceCorp>(invoice)); });
    EXPECT_EQ(invoice,
              QStringLiteral("<cusinvoicecorp><ccuscode>%1</ccuscode><RW>2</RW><RowAuthCusR>a!=1"
                             "</RowAuthCusR><RowAuthCusW></RowAuthCusW><url></url><Rows><Row>"
                             "<cInvoiceCompany>%2</cInvoiceCompany><bDefault>1</bDefault></Row>"
                             "<Row><cInvoiceCompany>%3</cInvoiceCompany><bDefault>0</bDefault>"
                             "</Row></Rows></cusinvoicecorp>")
                  .arg(m_code, others.at(0), others.at(1)));

    QString persons = QStringLiteral("<cusstuff> <ccuscode>%1</ccuscode><RW>2</RW><url></url>"
                                     "</cusstuff>")
                          .arg(m_code);
    withDialog(
        [&](SubRecordDialog &dialog, QTableWidget &table) {
            ASSERT_EQ(table.rowCount(), 1);
            EXPECT_EQ(table.item(0, 0)->text(), person);
            click(dialog, "add");
            click(dialog, "remove");
            clickOk(dialog);
        },
        [&] { EXPECT_FALSE(show<ICusPerson>(persons)) << "a row added and removed again"; });

    QString rights = QStringLiteral("<cusprivilege> <ccuscode>%1</ccuscode><RW>2</RW><url></url>"
                                    "</cusprivilege>")
                         .arg(m_code);
    withDialog(
        [](SubRecordDialog &dialog, QTableWidget &table) {
            ASSERT_EQ(table.columnCount(), 4);
            EXPECT_EQ(table.item(0, 2)->text(), QStringLiteral("D'1"));
            type(table, 0, 0, QStringLiteral("zero"));
            clickOk(dialog);
            type(table, 0, 0, QStringLiteral("0"));
            type(table, 0, 2, QStringLiteral("D'2"));
            clickOk(dialog);
        },
        [&] { EXPECT_FALSE(show<ICusDimension>(rights)); });
    EXPECT_EQ(shownTexts(),
              (QStringList{ QStringLiteral("第1行的\"维度类型\"必须是整数。"),
                            QStringLiteral("第1行的编码\"D'2\"不存在。") }));
}

TEST_F(SubRecordDialogTest, ABrokenParameterXmlIsToldAndLeftAsItWas)
{
    QString sXml = QStringLiteral("<addr><ccuscode>x</addr>");
    EXPECT_FALSE(show<IDeliverAdd>(sXml));
    EXPECT_EQ(sXml, QStringLiteral("<addr><ccuscode>x</addr>"));
    ASSERT_EQ(shownTexts().size(), 1);
    EXPECT_TRUE(shownTexts().first().startsWith(QStringLiteral("读取子表数据失败：")));
}
