#pragma once

#include "suite/colset/ColumnSet.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace suite {

class IClsCommon;

// The column sets of the company database (table AA_ColumnSet) and the metadata dictionary
// the default sets fall back to. Keys are kept lower-cased: "Customer" and "customer" are the
// one set the windows ask for under either spelling.
class ColumnSetStore
{
public:
    ColumnSetStore(IClsCommon &service, QString accountId);

    // The user's columns in their order; nothing when the user never saved the key, or when the
    // read failed (sMsg tells which).
    std::optional<QList<Column>> read(const QString &userId, const QString &key, QString &sMsg);
    // Replaces the user's set of the key in one transaction.
    bool write(const QString &userId, const QString &key, const QList<Column> &columns,
               QString &sMsg);
    // Deletes the columns of the withdrawn fields from every stored set.
    bool withdraw(const QStringList &withdrawnFields, QString &sMsg);
    // The key's rows of aa_columndic as columns in the dictionary's order.
    QList<Column> dictionary(const QString &key, QString &sMsg);

private:
    bool deleteField(const QString &field, QString &sMsg);
    bool fail(const QString &what, QString &sMsg);

    IClsCommon &m_service;
    QString m_accountId;
};

} // namespace suite
