#include "LoginCompany.h"

#include "suite/core/ErrorLog.h"
#include "suite/login/IColAuth.h"

using namespace suite;

namespace {

const QString kReadOnly = QStringLiteral("<tarnColAuth cBusObId='customer' cFuncId='R'/>");
const QString kHidden = QStringLiteral("<tarnColAuth cBusObId='customer' cFuncId='N'/>");

using ColAuthTest = LoginCompanyTest;

TEST_F(ColAuthTest, Sales1MayOnlyReadTheCreditLine)
{
    const std::shared_ptr<IColAuth> sales = login(QStringLiteral("sales1"))->ColAuth();
    EXPECT_EQ(sales->GetAuthString(kReadOnly), QStringLiteral("iCusCreLine"));
    EXPECT_EQ(sales->GetAuthString(kHidden), QString());

    const std::shared_ptr<IColAuth> demo = login(QStringLiteral("demo"))->ColAuth();
    EXPECT_EQ(demo->GetAuthString(kReadOnly), QString());
    EXPECT_EQ(demo->GetAuthString(kHidden), QString());
}

TEST_F(ColAuthTest, FieldsAreListedPerObjectAndLevelInTheOrderTheyWereGranted)
{
    run(Company,
        QStringLiteral("insert into AA_HoldColAuth (cUser_Id, cBusObId, cFieldName, cLevel)"
                       " values ('sales1', 'customer', 'cCusBank', 'N'),"
                       " ('sales1', 'customer', 'cCusAccount', 'N'),"
                       " ('sales1', 'Customer_import', 'cCusPhone', 'R'),"
                       " ('demo', 'customer', 'cMemo', 'N')"));
    const std::shared_ptr<IColAuth> sales = login(QStringLiteral("sales1"))->ColAuth();
    EXPECT_EQ(sales->GetAuthString(kHidden), QStringLiteral("cCusBank,cCusAccount"));
    EXPECT_EQ(sales->GetAuthString(
                  QStringLiteral("<tarnColAuth cBusObId='Customer_import' cFuncId='r'/>")),
              QStringLiteral("cCusPhone"));
    // An administrator's rows do not restrict him.
    EXPECT_EQ(login(QStringLiteral("demo"))->ColAuth()->GetAuthString(kHidden), QString());
}

TEST_F(ColAuthTest, ABadRequestAnswersNothingAndIsLogged)
{
    const std::shared_ptr<IColAuth> sales = login(QStringLiteral("sales1"))->ColAuth();
    for (const QString &request :
         { QStringLiteral("<tarnColAuth cBusObId='customer'"),
           QStringLiteral("<tarnColAuth cBusObId='customer' cFuncId='W'/>"),
           QStringLiteral("<tarnColAuth cFuncId='R'/>") }) {
        ErrorLog::instance().clear();
        EXPECT_EQ(sales->GetAuthString(request), QString()) << qPrintable(request);
        const QList<ErrorLog::Entry> entries = ErrorLog::instance().entries();
        ASSERT_EQ(entries.size(), 1) << qPrintable(request);
        EXPECT_TRUE(entries.first().text.contains(request)) << qPrintable(entries.first().text);
    }
}

} // namespace
