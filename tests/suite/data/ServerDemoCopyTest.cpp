#include "ServerDemoCopy.h"
#include "DemoCompanyCopy.h"
#include "PostgresCompany.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

QString scalar(const ServerDemoCopy &copy, const QString &sql)
{
    QString sMsg;
    const suite::RecordSet rows = copy.query(false, sql, sMsg);
    return rows.RecordCount() == 1 ? rows.valueAt(0, 0).toString()
                                   : QStringLiteral("error: ") + sMsg;
}

} // namespace

// Each test's company on the server is a database of its own: what one test writes, another
// never sees, and the database goes when the test ends.
TEST(ServerDemoCopy, CopiesAreApartAndDroppedWithTheirTest)
{
    SKIP_WITHOUT_POSTGRES();
    ServerDemoCopy kept(20);
    ASSERT_TRUE(kept.ok()) << qPrintable(kept.error());
    auto gone = std::make_unique<ServerDemoCopy>(20);
    ASSERT_TRUE(gone->ok()) << qPrintable(gone->error());
    EXPECT_NE(gone->database(), kept.database());
    EXPECT_EQ(scalar(kept, QStringLiteral("select count(*) from Customer")), QStringLiteral("20"));

    QString sMsg;
    ASSERT_TRUE(gone->execute(false, QStringLiteral("delete from Customer"), sMsg))
        << qPrintable(sMsg);
    EXPECT_EQ(scalar(*gone, QStringLiteral("select count(*) from Customer")), QStringLiteral("0"));
    EXPECT_EQ(scalar(kept, QStringLiteral("select count(*) from Customer")), QStringLiteral("20"));
    EXPECT_TRUE(scalar(kept, QStringLiteral("select count(*) from ua_user"))
                    .startsWith(QStringLiteral("error: relation \"ua_user\" does not exist")))
        << "the company's schema is searched, not the system's";
    ASSERT_TRUE(kept.execute(true, QStringLiteral("select 1 from ua_user"), sMsg))
        << qPrintable(sMsg);

    const QString name = gone->database();
    gone.reset();
    EXPECT_EQ(
        scalar(kept,
               QStringLiteral("select count(*) from pg_database where datname = '%1'").arg(name)),
        QStringLiteral("0"));
}
