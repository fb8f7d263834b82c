#include "LoginCompany.h"

#include "suite/login/BusinessObject.h"
#include "suite/login/FormEnvironment.h"

#include <QTabWidget>

using namespace suite;

namespace {

// A portal made of a tab widget, as the host's main window is.
class BusinessObjectTest : public LoginCompanyTest
{
protected:
    void SetUp() override
    {
        LoginCompanyTest::SetUp();
        session = login(QStringLiteral("sales1"));
        business = std::make_shared<BusinessObject>(
            session,
            PortalHost{ [this](QWidget *form, const QString &title) {
                           portal.addTab(form, title);
                           titles.append(title);
                       },
                        [this](QWidget *form) {
                            portal.setCurrentWidget(form);
                        } });
        portal.addTab(new QWidget, QStringLiteral("home"));
    }

    QWidget *newForm(const QString &title = QString())
    {
        auto *form = new QWidget;
        form->setWindowTitle(title);
        return form;
    }

    std::shared_ptr<ClsLogin> session;
    std::shared_ptr<BusinessObject> business;
    QTabWidget portal;
    QStringList titles;
};

TEST_F(BusinessObjectTest, ShowsAFormAsATabAndReturnsAtOnce)
{
    EXPECT_EQ(business->GetVBclsLogin(), session);
    QWidget *list = newForm(QStringLiteral("客户档案"));
    const SuiteObjectPtr env = business->CreateFormEnv(QStringLiteral("Customer.FrmCus"), list);
    const auto environment = std::dynamic_pointer_cast<FormEnvironment>(env);
    ASSERT_TRUE(environment);
    EXPECT_EQ(environment->formKey(), QStringLiteral("Customer.FrmCus"));
    EXPECT_EQ(environment->form(), list);
    EXPECT_EQ(environment->login(), session);

    ASSERT_TRUE(business->ShowForm(list, QStringLiteral("AA"), QStringLiteral("FrmCus_key"), false,
                                   true, env));
    EXPECT_EQ(portal.count(), 2);
    EXPECT_EQ(portal.currentWidget(), list);
    EXPECT_EQ(titles, QStringList{ QStringLiteral("客户档案") });

    QWidget *card = newForm();
    ASSERT_TRUE(
        business->ShowForm(card, QStringLiteral("AA"), QStringLiteral("frmModify_key"), false, true,
                           business->CreateFormEnv(QStringLiteral("Customer.frmModify"), card)));
    EXPECT_EQ(titles.last(), QStringLiteral("Customer.frmModify"));
    EXPECT_EQ(portal.currentWidget(), card);
}

TEST_F(BusinessObjectTest, SetFormActiveBringsTheLastFormOfAKeyForward)
{
    QWidget *first = newForm(QStringLiteral("a"));
    QWidget *second = newForm(QStringLiteral("b"));
    QWidget *other = newForm(QStringLiteral("c"));
    business->ShowForm(first, QStringLiteral("AA"), QStringLiteral("frmAdd_key"), false, true, {});
    business->ShowForm(second, QStringLiteral("AA"), QStringLiteral("frmAdd_key"), false, false,
                       {});
    business->ShowForm(other, QStringLiteral("AA"), QStringLiteral("FrmCus_key"), false, true, {});
    EXPECT_EQ(portal.currentWidget(), other);

    EXPECT_TRUE(business->SetFormActive(QStringLiteral("aa"), QStringLiteral("FRMADD_KEY")));
    EXPECT_EQ(portal.currentWidget(), second);
    delete second;
    EXPECT_TRUE(business->SetFormActive(QStringLiteral("AA"), QStringLiteral("frmAdd_key")));
    EXPECT_EQ(portal.currentWidget(), first);
    EXPECT_FALSE(business->SetFormActive(QStringLiteral("SA"), QStringLiteral("frmAdd_key")));
    EXPECT_FALSE(business->SetFormActive(QStringLiteral("AA"), QStringLiteral("frmModify_key")));
}

TEST_F(BusinessObjectTest, AReusedKeyBringsItsFormForwardInsteadOfAddingAnother)
{
    QWidget *list = newForm(QStringLiteral("list"));
    business->ShowForm(list, QStringLiteral("AA"), QStringLiteral("FrmCus_key"), true, true, {});
    business->ShowForm(newForm(), QStringLiteral("AA"), QStringLiteral("frmAdd_key"), false, true,
                       {});
    QWidget *again = newForm(QStringLiteral("again"));
    EXPECT_TRUE(business->ShowForm(again, QStringLiteral("AA"), QStringLiteral("FrmCus_key"), true,
                                   true, {}));
    EXPECT_EQ(portal.count(), 3);
    EXPECT_EQ(portal.currentWidget(), list);
    delete again;
}

TEST_F(BusinessObjectTest, WithoutAFormOrAPortalNothingIsShown)
{
    EXPECT_FALSE(business->ShowForm(nullptr, QStringLiteral("AA"), QStringLiteral("FrmCus_key"),
                                    false, true, {}));
    BusinessObject withoutPortal(session, {});
    QWidget form;
    EXPECT_FALSE(withoutPortal.ShowForm(&form, QStringLiteral("AA"), QStringLiteral("FrmCus_key"),
                                        false, true, {}));
    EXPECT_FALSE(withoutPortal.SetFormActive(QStringLiteral("AA"), QStringLiteral("FrmCus_key")));
    EXPECT_EQ(portal.count(), 1);
}

} // namespace
