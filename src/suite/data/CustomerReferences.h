#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace suite {

class DataBackend;

// Where a company database holds customer codes, in one place for delete and merge: a table
// that gains a column of customer codes belongs in one of these two lists, or a merge would
// leave its rows naming a customer that is gone.
//
// A reference is a row of another record that names a customer: a receivable, another customer
// as its head office, credit company or invoice company, a vendor as its related customer, a
// contact, an invoice unit of another customer, a staging row waiting for transfer. A customer
// that is referenced is not deleted (staging rows aside: they are not records yet); a merge
// moves the references to the surviving customer.
//
// Own rows belong to the customer: the user-defined fields, the sub-records of the card's
// dialogs, its users, credit sum, attachments, picture and the row rights given on its code.
// They go when the customer is deleted; a merge hands each kind over as its rule says.
struct CustomerReference
{
    QString table;
    QString column;
    // The code column of the referencing row when a customer may name itself there; such
    // self-references do not count.
    QString selfColumn;
    // What a row of the table is, for the message: "receivable entries".
    QString rows;
    bool blocksDelete = true;
};

struct CustomerOwnRows
{
    enum class OnMerge {
        // The survivor keeps its own; the merged customer's rows are only logged.
        Drop,
        // The rows go to the survivor; a row alike to one the survivor has is dropped.
        Move,
    };

    QString table;
    // The condition that picks the customer's rows, with ?1 for the code.
    QString condition;
    // The column that holds the code.
    QString codeColumn;
    OnMerge onMerge = OnMerge::Drop;
    // Move only: the columns that make two rows alike. Empty: no two rows are alike.
    QStringList alikeWhen = {};
};

const QList<CustomerReference> &customerReferences();
const QList<CustomerOwnRows> &customerOwnRows();

// Tables and columns the company database lacks are skipped: a company without receivables
// has no references there.
class CustomerReferences
{
public:
    explicit CustomerReferences(DataBackend &backend);

    // The references that keep a customer from being deleted, one text per kind
    // ("3 receivable entries (Ar_Detail)").
    bool usesOf(const QString &code, QStringList &uses, QString &sMsg);
    // Every reference to one customer names the other instead.
    bool move(const QString &from, const QString &to, QString &sMsg);
    // The customer's own rows, its row of Customer left in place.
    bool removeOwnRows(const QString &code, QString &sMsg);
    // Whether the company database has the table (and the column, when one is named).
    bool exists(const QString &table, const QString &column = QString());

private:
    DataBackend &m_backend;
};

} // namespace suite
