#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace suite {

class DataBackend;

// Where a company database holds customer codes, in one place for delete and merge.
//
// A reference is a row of another record that names a customer: a receivable, another customer
// as its head office, credit company or invoice company, a vendor as its related customer, a
// contact, an invoice unit of another customer. A customer that is referenced is not deleted;
// a merge moves the references to the surviving customer.
//
// Own rows belong to the customer and go with it: the user-defined fields, the sub-records of
// the card's dialogs, its users, credit sum, attachments, picture and the row rights given on
// its code.
struct CustomerReference
{
    QString table;
    QString column;
    // The code column of the referencing row when a customer may name itself there; such
    // self-references do not count.
    QString selfColumn;
    // What a row of the table is, for the message: "receivable entries".
    QString rows;
};

struct CustomerOwnRows
{
    QString table;
    // The condition that picks the customer's rows, with ? for the code.
    QString condition;
};

const QList<CustomerReference> &customerReferences();
const QList<CustomerOwnRows> &customerOwnRows();

// Tables and columns the company database lacks are skipped: a company without receivables
// has no references there.
class CustomerReferences
{
public:
    explicit CustomerReferences(DataBackend &backend);

    // The references to a customer, one text per kind ("3 receivable entries (Ar_Detail)").
    bool usesOf(const QString &code, QStringList &uses, QString &sMsg);
    // Every reference to one customer names the other instead.
    bool move(const QString &from, const QString &to, QString &sMsg);
    // The customer's own rows, its row of Customer left in place.
    bool removeOwnRows(const QString &code, QString &sMsg);

private:
    bool exists(const QString &table, const QString &column = QString());

    DataBackend &m_backend;
};

} // namespace suite
