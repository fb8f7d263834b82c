#pragma once

#include <QString>
#include <QStringList>

namespace demo {

// Puts the databases built in the folder fresh (a file of each name of finalPaths) in place of
// finalPaths, each by one atomic exchange, so that no step leaves a name without its database.
// The replaced files and their journals end up in fresh. When a step fails, the steps done are
// undone: the folder keeps the whole old company, and sMsg says what failed.
bool swapCompanyFiles(const QString &fresh, const QStringList &finalPaths, QString &sMsg);

} // namespace demo
