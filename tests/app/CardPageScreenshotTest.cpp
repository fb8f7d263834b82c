#include "DemoCompanyCopy.h"
#include "ProductRun.h"

#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The card's credit review page rendered by the product, on a company whose account uses the
// shipped plug-in from the build.
class CardPageScreenshotTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_company.ok()) << qPrintable(m_company.error());
        ASSERT_TRUE(m_dir.isValid());
        const QFileInfo library(QStringLiteral(CREDIT_REVIEW_PLUGIN_PATH));
        m_company.run(DemoCompanyCopy<>::System,
                      QStringLiteral("insert into AA_ArchivePlugIn (cAcc_Id, cArchive, "
                                     "cPlugInName, cPlugInFile) values ('001', 'Customer', "
                                     "'CreditReview', '%1')")
                          .arg(library.absoluteFilePath()));
        m_code = m_company
                     .column(DemoCompanyCopy<>::Company,
                             QStringLiteral("select min(cDwCode) from Ar_Detail"))
                     .value(0);
        ASSERT_FALSE(m_code.isEmpty());
    }

    CommandRun shoot(const QString &page, const QString &file) const
    {
        return runProduct({ QStringLiteral("--db"), m_company.database(), QStringLiteral("--lang"),
                            QStringLiteral("en-US"), QStringLiteral("--card"), m_code,
                            QStringLiteral("--card-page"), page, QStringLiteral("--screenshot"),
                            file });
    }

    DemoCompanyCopy<> m_company;
    QTemporaryDir m_dir;
    QString m_code;
};

TEST_F(CardPageScreenshotTest, TheCreditReviewPageIsRenderedAndAPageTheCardLacksIsRefused)
{
    const QString shot = m_dir.filePath(QStringLiteral("card.png"));
    const CommandRun review = shoot(QStringLiteral("8"), shot);
    ASSERT_EQ(review.exitCode, 0) << qPrintable(review.err);
    EXPECT_FALSE(QImage(shot).isNull());

    const QString none = m_dir.filePath(QStringLiteral("none.png"));
    const CommandRun missing = shoot(QStringLiteral("9"), none);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(
        QStringLiteral("the card has no page 9 to show (its pages are 0 to 8)")))
        << qPrintable(missing.err);
    EXPECT_FALSE(QFileInfo::exists(none));

    const CommandRun alone = runProduct({ QStringLiteral("--card-page"), QStringLiteral("1") });
    EXPECT_EQ(alone.exitCode, 2);
    EXPECT_TRUE(alone.err.contains(QStringLiteral("--card-page goes with --card and --screenshot")))
        << qPrintable(alone.err);
    const CommandRun negative = shoot(QStringLiteral("-1"), none);
    EXPECT_EQ(negative.exitCode, 2);
    EXPECT_TRUE(negative.err.contains(QStringLiteral("--card-page takes a page number from 0")))
        << qPrintable(negative.err);
}

} // namespace
