#include "DemoCompanyCopy.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct ProductRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ProductRun runProduct(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(CUSTOMER_ARCHIVE_PATH), arguments);
    ProductRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace

class CatalogueCommand : public ::testing::Test
{
protected:
    DemoCompanyCopy<20> m_company;
};

TEST_F(CatalogueCommand, PrintsTheUsersCatalogueAndNothingAfterIt)
{
    ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
    const ProductRun demo = runProduct(
        { QStringLiteral("catalogue"), QStringLiteral("--db"), m_company.connectionText() });
    ASSERT_EQ(demo.exitCode, 0) << demo.err.constData();
    EXPECT_TRUE(demo.out.startsWith("<Customer bWeb='0' url='' noauthflds=''><Customer.CCusCode "
                                    "showfldname='客户编码'  reftype='ref' cRefID='Customer_AA'"))
        << demo.out.left(200).constData();
    EXPECT_TRUE(demo.out.endsWith("bBadStrException='0'/></Customer>"))
        << demo.out.right(100).constData();

    const ProductRun sales = runProduct({ QStringLiteral("catalogue"), QStringLiteral("--db"),
                                          m_company.connectionText(), QStringLiteral("--user"),
                                          QStringLiteral("sales1") });
    ASSERT_EQ(sales.exitCode, 0) << sales.err.constData();
    EXPECT_TRUE(sales.out.startsWith("<Customer bWeb='0' url='' noauthflds='icuscreline'>"));
    EXPECT_EQ(sales.out.mid(sales.out.indexOf('>')), demo.out.mid(demo.out.indexOf('>')))
        << "column rights change the root only";
}

TEST_F(CatalogueCommand, ExplainsWhyThereIsNone)
{
    const ProductRun missing =
        runProduct({ QStringLiteral("catalogue"), QStringLiteral("--db"),
                     QStringLiteral("Provider=SQLite;Data Source=/nonexistent/KVDATA_001_2026.db;"
                                    "Initial Catalog=KVDATA_001_2026") });
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains("customer-archive catalogue: ")) << missing.err.constData();

    const ProductRun unknownUser = runProduct(
        { QStringLiteral("catalogue"), QStringLiteral("--db"), m_company.connectionText(),
          QStringLiteral("--user"), QStringLiteral("nobody") });
    EXPECT_EQ(unknownUser.exitCode, 1);
    EXPECT_TRUE(unknownUser.out.isEmpty());

    EXPECT_EQ(runProduct({ QStringLiteral("catalogue"), QStringLiteral("extra") }).exitCode, 2);
}
