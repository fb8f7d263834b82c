#pragma once

#include <QString>
#include <QStringList>

namespace suite {
class RecordSet;
} // namespace suite

namespace customer {

// One confirmed request of the condition control: set field (its caption for messages) to value
// for the customers under condition; description tells the archive log which customers those
// were.
struct BatchModifyRequest
{
    QString field;
    QString caption;
    QString value;
    QString condition;
    QString description;
};

// The batch modification of the customers on the session's services: the value checked for its
// field, the customers counted, then one update with its follow-up work (delivery addresses,
// salesperson rights, contact mobile numbers, credit sums) in one transaction on the data
// service's connection, under the function lock of batch modify. Every message goes through the
// public service; every road that took the function lock gives it back.
class BatchModify
{
public:
    enum class Outcome { Refused, NoCustomers, Declined, Failed, Saved };

    // mainTable is the table the batch writes and columnKey its column set and rights object:
    // the archive's by default, the staging table's for the import list. Staging rows are no
    // customers yet, so the follow-up work on the archive's addresses, user rights, contacts and
    // credit sums is the archive's alone.
    explicit BatchModify(QString mainTable = QStringLiteral("Customer"),
                         QString columnKey = QStringLiteral("customer"));

    // The window's road: prepare, ask the user with the count, run.
    Outcome confirm(BatchModifyRequest request);

    // The value check (which may narrow request.condition), the must-input check and the count
    // of the customers concerned. False when the request goes no further (the user was told):
    // count is 0 for a request that matches no customer.
    bool prepare(BatchModifyRequest &request, int &count);

    // The count question; true when the user answers yes.
    static bool userAgrees(int count);

    // The modification of a prepared request; true when it was committed.
    bool run(const BatchModifyRequest &request);

private:
    bool isOffered(const BatchModifyRequest &request);
    bool checkMustInput(const QString &field, const QString &value);
    bool readCount(const QString &condition, int &count);
    QString rightsFragment(const QString &field, const QString &value);
    bool followUp(const BatchModifyRequest &request, QList<QVariantHash> &salespersonMoves);
    bool followRows(const suite::RecordSet &targets, const BatchModifyRequest &request,
                    bool address, bool salesperson, bool mobile,
                    QList<QVariantHash> &salespersonMoves);
    bool modifyInTransaction(const BatchModifyRequest &request, const QString &update);
    bool updateCreditSums(const QString &condition);
    bool isArchive() const;
    bool logArchive(const BatchModifyRequest &request, const QString &state) const;
    bool passHooks(const BatchModifyRequest &request) const;

    QString m_mainTable;
    QString m_columnKey;
};

} // namespace customer
