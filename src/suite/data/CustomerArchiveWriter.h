#pragma once

#include "suite/data/RecordXmlWriter.h"

#include <QString>
#include <QVariant>

namespace suite {

class CustomerRecord;
class DataBackend;

// The data service's writes of the customer archive: the customer record XML of the card and of
// the import transfer (see CustomerRecord) with its sub-records, picture and contact; the credit
// recomputation ("<Customer Operating='Credit' />") and the merge request (CustomerMerge)
// that reach Modify; and the delete of a customer that nothing references (CustomerReferences).
//
// Each call is one transaction. Messages name the customer and the reason, in English as the
// data service knows no language.
class CustomerArchiveWriter
{
public:
    CustomerArchiveWriter(DataBackend &backend, RecordXmlWriter &writer);

    // Whether a table name of Add, Modify or Delete means the customer archive.
    static bool handles(const QString &table);

    // alongWith runs in the insert's transaction (the numbering's serial).
    bool add(const QString &xml, QString &sMsg,
             const RecordXmlWriter::AlongWithInsert &alongWith = {});
    // On success of a credit recomputation sMsg tells how many customers it updated.
    bool modify(const QString &xml, QString &sMsg);
    bool remove(const QVariant &id, const QString &idName, QString &sMsg);

private:
    bool checkRecord(const CustomerRecord &record, bool adding, QString &sMsg);
    bool storedCode(const QString &code, QString &stored, QString &sMsg);
    bool recomputeCredit(QString &sMsg);
    bool writeDetails(const CustomerRecord &record, const QString &code, QString &sMsg);
    bool writePicture(const CustomerRecord &record, const QString &code, QString &sMsg);
    bool linkContact(const QString &contact, const QString &code, QString &sMsg);
    bool takeOwnAddress(const QString &code, QString &sMsg);

    DataBackend &m_backend;
    RecordXmlWriter &m_writer;
};

} // namespace suite
