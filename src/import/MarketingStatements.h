#pragma once

#include <QString>
#include <QStringList>

namespace suite {
class XmlElement;
}

namespace customer {

// The texts of the download from the marketing service: the page address, the temporary table
// #customer_import the pages land in, one record's insert into it and the merge into the
// staging table customer_import.
namespace marketing {

// Records a page asks for; a page with fewer is the last.
constexpr int kRowsPerPage = 2500;
// Staging rows of this service carry this source type beside the service's record id.
constexpr int kSourceType = 8;

QString customerListPath();
// The address of one page of the customers modified since the encoded date (URLEncode). The
// service code is encoded too: whatever it holds, it stays the one value of entcode.
QString pageUrl(const QString &baseUrl, int pageNo, const QString &serviceCode,
                const QString &encodedDate);

// Creates #customer_import with every column of the staging table, or empties it.
QString prepareImportTempTable();
QString lastModifyDateStatement();

// The insert of one record of a page ("//root/data/list" element) into #customer_import.
struct RecordInsert
{
    // Every value a quoted text, its quotes doubled; empty when the record cannot land: its
    // source key is longer than its column, and cut it could be taken for another record.
    QString statement;
    // The record's source key (ID).
    QString id;
    // The columns whose text was longer than the column and was cut to its length: the
    // server refuses a longer text, and a refused insert would cost the whole page.
    QStringList cutColumns;
};

// Child elements the mapping does not know, and a second element of a name already taken, are
// left out.
RecordInsert recordInsert(const suite::XmlElement &record);
// The length of iSourceId, the source key.
int sourceIdLength();

// The records of #customer_import whose source key the staging table does not have yet.
QString newRecordsCount();
QString mergeNewRecords();
QString mergeKnownRecords();

} // namespace marketing

} // namespace customer
