#include "ProductRun.h"

#include "demo/DemoCompany.h"
#include "suite/data/SqliteConnection.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// One value of the system database of the company made in dir.
QString systemValue(const QString &dir, const QString &sql)
{
    suite::SqliteConnection db;
    QString sMsg;
    if (!db.open(demo::DemoCompany::paths(dir).at(1), sMsg))
        return QStringLiteral("error: ") + sMsg;
    const suite::RecordSet rows = db.query(sql, {}, sMsg);
    if (!rows.IsOpen())
        return QStringLiteral("error: ") + sMsg;
    return rows.RecordCount() > 0 ? rows.valueAt(0, 0).toString() : QString();
}

} // namespace

TEST(InitDemoCommand, TheDemoCompanyUsesTheShippedCreditReviewUnlessToldNot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const CommandRun withPlugIns =
        runProduct({ QStringLiteral("init-demo"), QStringLiteral("--dir"), dir.path(),
                     QStringLiteral("--customers"), QStringLiteral("3") });
    ASSERT_EQ(withPlugIns.exitCode, 0) << qPrintable(withPlugIns.err);
    EXPECT_EQ(systemValue(dir.path(),
                          QStringLiteral("select cPlugInName || '|' || cPlugInFile || '|' || "
                                         "cArchive from AA_ArchivePlugIn where cAcc_Id='001'")),
              QStringLiteral("CreditReview|libcreditreview.so|Customer"));
    EXPECT_EQ(systemValue(dir.path(),
                          QStringLiteral("select cPlugInPath from ua_account where cAcc_Id='001'")),
              QStringLiteral("plugins"));

    const CommandRun without =
        runProduct({ QStringLiteral("init-demo"), QStringLiteral("--dir"), dir.path(),
                     QStringLiteral("--customers"), QStringLiteral("3"), QStringLiteral("--force"),
                     QStringLiteral("--no-plugins") });
    ASSERT_EQ(without.exitCode, 0) << qPrintable(without.err);
    EXPECT_EQ(systemValue(dir.path(), QStringLiteral("select count(*) from AA_ArchivePlugIn")),
              QStringLiteral("0"));
    EXPECT_EQ(systemValue(dir.path(),
                          QStringLiteral("select cPlugInPath from ua_account where cAcc_Id='001'")),
              QString());
}
