#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace suite {
class IClsCommon;
class IPub;
} // namespace suite

namespace customer {

// A column of the staging table customer_import that a file may fill.
struct StagingColumn
{
    QString name;
    int type = 0; // ADO type code (suite::AdoType)
    int size = 0; // defined size: characters for texts
    QString caption; // as the user's language shows it, for messages
    QStringList captions; // every caption a user may know it by, in either language
};

// The columns of customer_import a file may fill, in the table's order, with their captions.
// The bookkeeping columns (the key, the row version, the source key, the selection, the error
// and the transferred flag) are the import's own and never come from a file.
class StagingColumns
{
public:
    StagingColumns() = default;
    explicit StagingColumns(QList<StagingColumn> columns, int errorSize = 500);

    // The columns as the company database defines them, captioned from its column dictionary
    // (key "Customer_import") and the names of the user-defined fields. False with the reason
    // when they cannot be read.
    bool load(suite::IClsCommon &service, suite::IPub &pub, const QString &accId, QString &sMsg);

    const QList<StagingColumn> &all() const { return m_columns; }
    // The column of that name, whatever its case; -1 for none a file may fill.
    int indexOf(const QString &name) const;
    // The length of cErrorMsg.
    int errorSize() const { return m_errorSize; }

    static bool isBookkeeping(const QString &name);

private:
    QList<StagingColumn> m_columns;
    int m_errorSize = 500;
};

} // namespace customer
