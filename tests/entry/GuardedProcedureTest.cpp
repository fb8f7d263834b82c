#include "entry/GuardedProcedure.h"

#include "suite/core/ErrorLog.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

using customer::runGuarded;
using suite::ErrorLog;

TEST(GuardedProcedure, BodyThatSucceedsRunsAndLeavesNoEntry)
{
    ErrorLog::instance().clear();
    int runs = 0;
    EXPECT_TRUE(runGuarded(QStringLiteral("FrmCus.Form_Load"), [&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(ErrorLog::instance().entries().isEmpty());
}

TEST(GuardedProcedure, ThrownErrorsAreSwallowedAndLoggedWithTheProcedure)
{
    ErrorLog::instance().clear();
    EXPECT_FALSE(runGuarded(QStringLiteral("FrmCus.Grid_DblClick"),
                            [] { throw std::runtime_error("grid row 7 vanished"); }));
    EXPECT_FALSE(runGuarded(QStringLiteral("FrmCusAM.Form_Unload"), [] { throw 42; }));

    const auto entries = ErrorLog::instance().entries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].where, QStringLiteral("FrmCus.Grid_DblClick"));
    EXPECT_EQ(entries[0].text, QStringLiteral("grid row 7 vanished"));
    EXPECT_EQ(entries[1].where, QStringLiteral("FrmCusAM.Form_Unload"));
    EXPECT_EQ(entries[1].text, QStringLiteral("unknown exception"));
}

TEST(ErrorLogFile, EntriesAreAppendedAsLinesAndTheMemoryIsBounded)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("archive.log"));
    ErrorLog &log = ErrorLog::instance();
    log.clear();
    log.setLogFile(path);
    log.warning(QStringLiteral("ColSet"), QStringLiteral("column cCusAbbName 未找到"));
    log.error(QStringLiteral("Print"), QStringLiteral("no printer"));
    log.setLogFile(QString());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" warning ColSet: column cCusAbbName 未找到")));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(" error Print: no printer")));

    for (int i = 0; i < ErrorLog::kKeptEntries + 5; ++i)
        log.warning(QStringLiteral("loop"), QString::number(i));
    const auto entries = log.entries();
    EXPECT_EQ(entries.size(), ErrorLog::kKeptEntries);
    EXPECT_EQ(entries.last().text, QString::number(ErrorLog::kKeptEntries + 4));
    log.clear();
}
