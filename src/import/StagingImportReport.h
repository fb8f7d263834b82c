#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace customer {

// What an import of a file did. Rows count once each: new in the staging list, or updated
// because an earlier import of the same file put them there; those with errors are counted
// among them as well.
struct StagingImportReport
{
    QString fileName;
    qint64 rowsRead = 0;
    qint64 landed = 0;
    qint64 updated = 0;
    qint64 withErrors = 0;
    QStringList unknownColumns;
    bool cancelled = false;
    // Why the import stopped before the end of the file; empty when it did not.
    QString failure;

    using Texts = std::function<QString(const char *key, const QStringList &args)>;

    // How the import ended when it did not finish: the failure or the cancel; empty otherwise.
    QString outcome(const Texts &texts) const;
    // The counts, then the headers that were not imported.
    QStringList counts(const Texts &texts) const;
    // All of it, lines joined by line breaks, as a user reads it at the end.
    QString summary(const Texts &texts) const;
};

} // namespace customer
