#pragma once

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
