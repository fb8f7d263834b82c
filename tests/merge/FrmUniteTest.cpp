#include "merge/FrmUnite.h"
#include "ListWindowFixture.h"
#include "merge/CustomerUnite.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/RefEdit.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/IPub.h"
#include "suite/pub/MessageScript.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

using customer::CustomerUnite;

namespace {

void press(QWidget *widget, int key, const QString &text = QString())
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &up);
}

void type(QWidget *widget, const QString &text)
{
    widget->setFocus();
    for (const QChar c : text)
        press(widget, c.unicode(), QString(c));
}

// The first customer has a vendor linked to it in every demo company.
const QString kLinked = QStringLiteral("0000004");
const QString kSecond = QStringLiteral("0000005");

} // namespace

TEST(CustomerUnite, TheRequestAndTheVendorLookUpKeepTheirTextsAndQuoteTheirValues)
{
    EXPECT_EQ(CustomerUnite::requestXml("0001", "0002"),
              "<Customer Operating ='Unite'><Code1>0001</Code1><Code2>0002</Code2></Customer>");
    EXPECT_EQ(CustomerUnite::requestXml("R&D<1>", "a>b"),
              "<Customer Operating ='Unite'><Code1>R&amp;D&lt;1&gt;</Code1><Code2>a&gt;b</Code2>"
              "</Customer>");
    EXPECT_EQ(CustomerUnite::vendorLinkStatement("0001"),
              "select top 1 cVenCode,cRelCustomer from vendor where cRelCustomer='0001'");
    EXPECT_EQ(
        CustomerUnite::vendorLinkStatement("x' or '1'='1"),
        "select top 1 cVenCode,cRelCustomer from vendor where cRelCustomer='x'' or ''1''=''1'");
    EXPECT_EQ(CustomerUnite::checkInput("", "0002"), CustomerUnite::Input::Empty);
    EXPECT_EQ(CustomerUnite::checkInput("0001", " \t "), CustomerUnite::Input::Empty);
    EXPECT_EQ(CustomerUnite::checkInput("0001", "0001"), CustomerUnite::Input::Same);
    EXPECT_EQ(CustomerUnite::checkInput("0001", "0001 "), CustomerUnite::Input::Ready)
        << "equal as typed, as the window compares";
}

// The merge window opened from the list as a user opens it, its answers scripted.
class FrmUniteTest : public ListWindowFixture
{
protected:
    void answer(std::deque<int> answers)
    {
        m_messages = std::make_shared<suite::MessageScript>(std::move(answers));
        suite::ClsPub::installMessageScript(m_messages);
    }

    // Opens the window through the list's command and runs steps on it while it is shown.
    void openUnite(const std::function<void(customer::FrmUnite &)> &steps)
    {
        bool opened = false;
        suite::ScopedModalHandler handler([&](QWidget *window) {
            auto *unite = qobject_cast<customer::FrmUnite *>(window);
            ASSERT_NE(unite, nullptr);
            opened = true;
            unite->show();
            settle();
            steps(*unite);
            if (unite->isVisible())
                unite->Cmdcancel->click();
        });
        m_list->Operating(QStringLiteral("UNITE"));
        EXPECT_TRUE(opened);
    }

    static void enter(customer::FrmUnite &window, const QString &code1, const QString &code2)
    {
        window.txtCus1->clear();
        window.txtCus2->clear();
        type(window.txtCus1, code1);
        type(window.txtCus2, code2);
    }

    QString customers() const
    {
        return m_company
            .column(DemoCompanyCopy<20>::Company, "select cCusCode from Customer order by cCusCode")
            .join(u',');
    }
    QString value(const QString &sql) const
    {
        return m_company.column(DemoCompanyCopy<20>::Company, sql).value(0);
    }
};

TEST_F(FrmUniteTest, EmptyBlankAndIdenticalInputIsReportedAndNothingIsAsked)
{
    ASSERT_TRUE(openList());
    const QString before = customers();
    bool openAfterwards = false;
    openUnite([&](customer::FrmUnite &window) {
        EXPECT_EQ(window.txtCus1->maxLength(), 98) << "the length of a customer's name";
        EXPECT_TRUE(window.Cmdok->isDefault());
        window.Cmdok->click();
        enter(window, "   ", kSecond);
        window.Cmdok->click();
        enter(window, kSecond, kSecond);
        press(window.txtCus2, Qt::Key_Return);
        openAfterwards = window.isVisible();
    });
    EXPECT_EQ(shownTexts(),
              (QStringList{ text("Tarn.AA.CUSTOMER.FRMUNITE.16_1"),
                            text("Tarn.AA.CUSTOMER.FRMUNITE.16_1"),
                            text("Tarn.AA.CUSTOMER.FRMUNITE.19_1") }));
    EXPECT_TRUE(openAfterwards);
    EXPECT_EQ(customers(), before);
}

TEST_F(FrmUniteTest, DecliningTheConfirmationClosesAndRefreshesWithoutARequest)
{
    ASSERT_TRUE(openList());
    m_list->Grid->setTextMatrix(1, 1, QStringLiteral("Y"));
    const QString before = customers();
    answer({});
    bool closed = false;
    openUnite([&](customer::FrmUnite &window) {
        enter(window, kLinked, kSecond);
        window.Cmdok->click();
        closed = !window.isVisible();
    });
    EXPECT_TRUE(closed);
    ASSERT_EQ(m_messages->shown().size(), 1);
    EXPECT_EQ(m_messages->shown().first().text,
              text("Tarn.AA.CUSTOMER.FRMUNITE.24_1").arg(kLinked));
    EXPECT_EQ(m_messages->shown().first().style, 308);
    EXPECT_EQ(m_messages->shown().first().title, text("Tarn.AA.ARCHIVE.COMMON.exclamation"));
    EXPECT_EQ(m_list->Grid->TextMatrix(1, 1), QString()) << "the list was read again";
    EXPECT_EQ(customers(), before);
    EXPECT_EQ(value("select count(*) from AA_ArchiveLog"), "0");
}

TEST_F(FrmUniteTest, NoToTheVendorQuestionKeepsTheWindowOpenWithBothCodes)
{
    ASSERT_TRUE(openList());
    const QString vendor = value("select cVenCode from Vendor where cRelCustomer = '0000004'");
    ASSERT_FALSE(vendor.isEmpty());
    const QString before = customers();
    answer({ 6, 7 });
    QStringList kept;
    openUnite([&](customer::FrmUnite &window) {
        enter(window, kLinked, kSecond);
        window.Cmdok->click();
        if (window.isVisible())
            kept = { window.txtCus1->text(), window.txtCus2->text() };
    });
    EXPECT_EQ(kept, (QStringList{ kLinked, kSecond }));
    ASSERT_EQ(m_messages->shown().size(), 2);
    EXPECT_EQ(m_messages->shown().at(1).text,
              text("Tarn.AA.CUSTOMER.FRMUNITE.32_1").arg(kLinked, vendor, vendor));
    EXPECT_EQ(m_messages->shown().at(1).style, 36);
    EXPECT_EQ(customers(), before);
}

TEST_F(FrmUniteTest, AConfirmedMergeFoldsTheFirstCustomerIntoTheSecondAndIsLogged)
{
    ASSERT_TRUE(openList());
    const qint64 receivables =
        value("select count(*) from Ar_Detail where cDwCode in ('0000004', '0000005')")
            .toLongLong();
    answer({ 6, 6 });
    bool closed = false;
    openUnite([&](customer::FrmUnite &window) {
        enter(window, kLinked, kSecond);
        window.Cmdok->click();
        closed = !window.isVisible();
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(m_messages->shown().last().text, text("Tarn.AA.ARCHIVE.COMMON.unitesuccess"));
    EXPECT_EQ(value("select count(*) from Customer where cCusCode = '0000004'"), "0");
    EXPECT_EQ(value("select count(*) from Ar_Detail where cDwCode = '0000005'").toLongLong(),
              receivables);
    EXPECT_EQ(value("select cRelCustomer from Vendor where cRelCustomer in ('0000004', '0000005')"),
              kSecond);
    EXPECT_EQ(value("select cUser_Id || '/' || iOperation || '/' || cId || '/' || cDescription"
                    " from AA_ArchiveLog"),
              "demo/3/0000004/merged into 0000005");
    EXPECT_FALSE(shownCodes().contains(kLinked)) << "the list was read again";
}

TEST_F(FrmUniteTest, Sales1CannotMergeACustomerOutsideItsRights)
{
    ASSERT_TRUE(openList(QStringLiteral("sales1")));
    const QStringList own = shownCodes();
    ASSERT_GE(own.size(), 1);
    const QString outside = value("select cCusCode from Customer where cCusCode not in ('"
                                  + own.join("','") + "') order by cCusCode");
    ASSERT_FALSE(outside.isEmpty());
    const QString before = customers();
    answer({ 6, 6, 6, 6 });
    bool open = false;
    openUnite([&](customer::FrmUnite &window) {
        enter(window, outside, own.first());
        window.Cmdok->click();
        enter(window, own.first(), outside);
        window.Cmdok->click();
        open = window.isVisible();
    });
    EXPECT_TRUE(open);
    EXPECT_EQ(shownTexts(),
              (QStringList{ text("Tarn.AA.CUSTOMER.FRMUNITE.noright").arg(outside),
                            text("Tarn.AA.CUSTOMER.FRMUNITE.noright").arg(outside) }));
    EXPECT_EQ(customers(), before);
}

TEST_F(FrmUniteTest, TheMergeHoldsItsLockWhileTheWindowIsOpenAndGivesItBack)
{
    ASSERT_TRUE(openList());
    const auto other = login(QStringLiteral("sales1"));
    auto otherPub = suite::createObject<suite::IPub>(suite::IPub::kProgId);
    otherPub->Init(other);
    auto service = suite::createObject<suite::IClsCommon>(suite::IClsCommon::kProgId);
    service->Init(connectionText());
    const QString function = QStringLiteral("Customer");
    constexpr int kBatchModify = 7;
    constexpr int kMerge = 3;
    bool refusedWhileOpen = false;
    openUnite([&](customer::FrmUnite &) {
        refusedWhileOpen = otherPub->IsLockFun(service, other, function, kBatchModify);
    });
    EXPECT_TRUE(refusedWhileOpen) << "a batch waits for the merge";
    EXPECT_FALSE(otherPub->IsLockFun(service, other, function, kBatchModify));
    otherPub->IsLockFun(service, other, function, -kBatchModify);
    EXPECT_TRUE(otherPub->IsLockFun(service, other, function, kMerge))
        << "the list holds its own lock again, which a merge elsewhere waits for";
}
