#pragma once

#include <QString>

namespace suite {

class DataBackend;

// The merge request of the merge window: "<Customer Operating ='Unite'><Code1>A</Code1>
// <Code2>B</Code2></Customer>". Customer A is folded into customer B: every reference to A
// names B instead (see CustomerReferences), A goes with its own rows, and B's credit figures are
// recomputed, since A's receivables are now B's. All of it is one transaction.
class CustomerMerge
{
public:
    explicit CustomerMerge(DataBackend &backend);

    bool unite(const QString &requestXml, QString &sMsg);

private:
    bool readCodes(const QString &requestXml, QString &from, QString &to, QString &sMsg);
    bool checkCodes(QString &from, QString &to, QString &sMsg);
    bool merge(const QString &from, const QString &to, QString &sMsg);

    DataBackend &m_backend;
};

} // namespace suite
