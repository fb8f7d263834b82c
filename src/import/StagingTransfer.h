#pragma once

#include "import/TransferXml.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace suite {
class IClsCommon;
class IPub;
} // namespace suite

namespace customer {

// Told of a transfer's progress, and asked after every row whether to go on.
class TransferProgress
{
public:
    virtual ~TransferProgress() = default;
    virtual void started(int rows) = 0;
    virtual void rowDone(int done) = 0;
    virtual bool cancelRequested() = 0;
};

struct TransferOutcome
{
    int transferred = 0;
    // The row the transfer stopped at and the data service's reason; empty when none failed.
    QString failedAutoId;
    QString message;
    bool cancelled = false;
    bool failed() const { return !message.isEmpty(); }
};

// The transfer of the selected staging rows into the customer archive. The selection is marked
// in the staging table (cSelCol) first; then each marked row, in AutoID order, modifies the
// archive customer whose code it carries or is added under a new code from the numbering rule.
// A transferred row keeps that code and an empty cErrorMsg; the first row the data service
// refuses gets its reason in cErrorMsg and ends the transfer, the rows before it staying
// transferred. Rows are read and written a batch at a time, each batch in one transaction, so
// memory stays flat and a cancel stops after the current row with what was done kept.
class StagingTransfer
{
public:
    StagingTransfer(std::shared_ptr<suite::IClsCommon> service, std::shared_ptr<suite::IPub> pub,
                    TransferXmlContext context, QString dbName);

    // The statement that marks the rows whose AutoIDs are given (each a number) and unmarks
    // all others; nothing is marked for an empty list.
    static QString selectionStatement(const QStringList &autoIds);
    // The defaults of the transfer XML that come from the database: the default customer type
    // and the account's currency.
    static TransferXmlContext withDatabaseDefaults(suite::IClsCommon &service,
                                                   TransferXmlContext context,
                                                   const QString &accountId);

    // False with the reason when an id is not a number or the statement fails.
    bool markSelection(const QStringList &autoIds, QString &sMsg);
    TransferOutcome run(TransferProgress *progress = nullptr);

    int batchRows = 200;

private:
    int markedRows();
    bool transferRow(StagingRow &row, QString &sMsg);
    QString newCode(const StagingRow &row);
    void recordError(const QString &autoId, const QString &message);
    void beginBatch();
    void endBatch();

    std::shared_ptr<suite::IClsCommon> m_service;
    std::shared_ptr<suite::IPub> m_pub;
    TransferXmlContext m_context;
    QString m_dbName;
    bool m_inTransaction = false;
};

} // namespace customer
