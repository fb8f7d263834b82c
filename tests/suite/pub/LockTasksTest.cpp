#include "LockMatrix.h"

#include "suite/pub/LockTasks.h"
#include "suite/pub/ResourceTable.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace suite;

TEST(LockTasks, EveryPairConflictsExactlyAsTheArchivesNeed)
{
    for (size_t held = 0; held < kLockTasks.size(); ++held) {
        for (size_t wanted = 0; wanted < kLockTasks.size(); ++wanted) {
            const LockTask heldTask = *lockTaskOf(kLockTasks[held]);
            const LockTask wantedTask = *lockTaskOf(kLockTasks[wanted]);
            EXPECT_EQ(tasksConflict(heldTask, wantedTask), kRefuses[held][wanted])
                << "held " << kLockTasks[held] << ", wanted " << kLockTasks[wanted];
        }
    }
}

TEST(LockTasks, CodesNameTheirTaskWhateverTheSignAndOtherCodesNone)
{
    EXPECT_EQ(lockTaskOf(11), LockTask::Add);
    EXPECT_EQ(lockTaskOf(-11), LockTask::Add);
    EXPECT_EQ(lockTaskOf(-7), LockTask::BatchModify);
    EXPECT_EQ(lockTaskOf(3), LockTask::Merge);
    for (const int code : { 0, 4, 5, 6, 9, 10, 12, -12, 111 })
        EXPECT_FALSE(lockTaskOf(code).has_value()) << code;
}

TEST(LockTasks, EachTaskHasItsOwnNameInBothLanguages)
{
    QSet<QString> chinese;
    for (const int code : kLockTasks) {
        const QString key = lockTaskNameKey(*lockTaskOf(code));
        EXPECT_EQ(key, QStringLiteral("Tarn.AA.PUB.LOCK.task%1").arg(code));
        EXPECT_TRUE(ResourceTable::builtIn(QStringLiteral("en-us")).contains(key));
        chinese.insert(ResourceTable::builtIn(QStringLiteral("zh-cn")).text(key));
    }
    EXPECT_EQ(chinese.size(), int(kLockTasks.size()));
    EXPECT_TRUE(chinese.contains(QStringLiteral("批量修改")));
}
