#pragma once

#include <QString>

#include <optional>

namespace suite {

// The tasks a session runs in a function, by the codes the archives pass to IsLockFun.
enum class LockTask { List = 1, Modify = 2, Merge = 3, BatchModify = 7, Delete = 8, Add = 11 };

// The task of a code, whatever its sign (a negative code releases the task); nullopt for a
// code that names no task.
std::optional<LockTask> lockTaskOf(int code);

// Whether two sessions may not run the two tasks in one function at the same time. Merging
// rewrites customers under every other task; a batch modification rewrites them under adding,
// modifying, deleting and other batch modifications; only the list lives with all but merging.
bool tasksConflict(LockTask first, LockTask second);

// The resource key of the task's name, as the user reads it in a refusal.
QString lockTaskNameKey(LockTask task);

} // namespace suite
