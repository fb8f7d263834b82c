#pragma once

#include <QString>

namespace suite {

class CustomerReferences;
class DataBackend;
struct CustomerOwnRows;

// The merge request of the merge window: "<Customer Operating ='Unite'><Code1>A</Code1>
// <Code2>B</Code2></Customer>". Customer A is folded into customer B and nothing of A is lost:
// every reference to A names B instead; A's delivery addresses (renumbered after B's), banks,
// invoice units, persons, attachments, rights rows and users go to B, less the rows B has
// alike; B takes A's picture when it has none. A's row is kept in the delete log before it
// goes, and B's credit figures are recomputed, since A's receivables are now B's.
//
// All of it is one transaction (a savepoint inside the caller's, so that the caller can add
// its archive log to the same commit).
class CustomerMerge
{
public:
    explicit CustomerMerge(DataBackend &backend);

    bool unite(const QString &requestXml, QString &sMsg);

private:
    bool readCodes(const QString &requestXml, QString &from, QString &to, QString &sMsg);
    bool checkCodes(QString &from, QString &to, QString &sMsg);
    bool merge(const QString &from, const QString &to, QString &sMsg);
    bool handOver(CustomerReferences &references, const QString &from, const QString &to,
                  QString &sMsg);
    bool dropAlike(const CustomerOwnRows &own, const QString &from, const QString &to,
                   QString &sMsg);
    bool moveRows(const CustomerOwnRows &own, const QString &from, const QString &to,
                  QString &sMsg);
    bool renumberAddresses(const QString &from, const QString &to, QString &sMsg);
    bool takePicture(const QString &from, const QString &to, QString &sMsg);

    DataBackend &m_backend;
};

} // namespace suite
