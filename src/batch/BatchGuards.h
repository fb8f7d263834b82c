#pragma once

#include <QString>

namespace customer {

// The function lock of a batch on the customer archive, held from take until release or the
// end of the scope: a batch never leaves the lock behind, whichever road it ends on.
class BatchFunctionLock
{
public:
    // function is the table the batch writes: the archive's lock does not hold the staging
    // list's batches back, nor theirs the archive's.
    explicit BatchFunctionLock(QString function = QStringLiteral("Customer"))
        : m_function(std::move(function))
    { }
    ~BatchFunctionLock();
    BatchFunctionLock(const BatchFunctionLock &) = delete;
    BatchFunctionLock &operator=(const BatchFunctionLock &) = delete;

    // False when another session holds the function (the public service tells the user).
    bool take();
    void release();
    bool isHeld() const { return m_held; }

private:
    QString m_function;
    bool m_held = false;
};

// A transaction on the data service's connection that is rolled back unless it was committed.
class BatchTransaction
{
public:
    BatchTransaction() = default;
    ~BatchTransaction();
    BatchTransaction(const BatchTransaction &) = delete;
    BatchTransaction &operator=(const BatchTransaction &) = delete;

    bool begin();
    bool commit();
    void rollback();

private:
    bool m_open = false;
};

} // namespace customer
