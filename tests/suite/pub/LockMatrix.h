#pragma once

#include "suite/pub/FunctionLocks.h"

#include <gtest/gtest.h>

#include <array>

// The task codes of the function locks and which pairs two sessions may not hold at once,
// written out as the archives need them: kRefuses[held][wanted].
inline constexpr std::array<int, 6> kLockTasks{ 1, 11, 2, 8, 3, 7 };

inline constexpr std::array<std::array<bool, 6>, 6> kRefuses{ {
    //           list   add    modify delete merge  batch
    /* list   */ { false, false, false, false, true, false },
    /* add    */ { false, false, false, false, true, true },
    /* modify */ { false, false, false, false, true, true },
    /* delete */ { false, false, false, false, true, true },
    /* merge  */ { true, true, true, true, true, true },
    /* batch  */ { false, true, true, true, true, true },
} };

// Holder takes each task of the customer archive in turn; other asks for every task meanwhile
// and is refused exactly where kRefuses says. Each task is given back before the next.
inline void expectTheConflictMatrix(suite::FunctionLocks &holder, suite::FunctionLocks &other)
{
    const QString customer = QStringLiteral("Customer");
    QString sMsg;
    for (size_t held = 0; held < kLockTasks.size(); ++held) {
        ASSERT_FALSE(holder.isLocked(customer, kLockTasks[held], nullptr, sMsg))
            << qPrintable(sMsg);
        for (size_t wanted = 0; wanted < kLockTasks.size(); ++wanted) {
            const bool refused = other.isLocked(customer, kLockTasks[wanted], nullptr, sMsg);
            EXPECT_EQ(refused, kRefuses[held][wanted])
                << "held " << kLockTasks[held] << ", wanted " << kLockTasks[wanted] << ": "
                << qPrintable(sMsg);
            EXPECT_FALSE(other.isLocked(customer, -kLockTasks[wanted], nullptr, sMsg));
        }
        EXPECT_FALSE(holder.isLocked(customer, -kLockTasks[held], nullptr, sMsg));
    }
}
