#pragma once

#include "import/MarketingOptions.h"
#include "import/MarketingStatements.h"

#include <QList>
#include <QStringList>

namespace suite {
class IClsCommon;
class ILogin;
class IPub;
class XmlElement;
} // namespace suite

namespace customer {

// Told how the download goes, and asked whether to go on.
class DownloadProgress
{
public:
    virtual ~DownloadProgress() = default;
    // The request for a page goes out.
    virtual void requesting(int page) = 0;
    // A page's records landed; rows counts those of every page so far.
    virtual void pageLanded(int page, qint64 rows) = 0;
    // Asked while an answer is awaited and between records; true ends the download with
    // nothing merged.
    virtual bool cancelRequested() = 0;
};

struct DownloadOutcome
{
    // Pages that brought records, and the records they brought.
    int pages = 0;
    qint64 rows = 0;
    // Of those, the records new to the staging table and those that updated a staging row.
    qint64 added = 0;
    qint64 updated = 0;
    bool merged = false;
    bool cancelled = false;
    // The list is to show the staging table anew, and its toolbar the commands for the rows.
    bool refreshList = false;
    // What the user is to read, in this order.
    QStringList messages;
};

// The download of the enterprise's customers from the maker's marketing service into the
// staging table customer_import. The customers modified since the newest modification the
// staging table holds are asked for page by page; each page lands in the temporary table
// #customer_import of the data service's connection, and once the last page is in, the
// temporary table is merged into the staging table: a record whose source key (iSourceId, 8)
// the staging table has updates that row, any other becomes a new row.
//
// Only a download that got every page is merged, in one transaction: a cancel, a failed
// request, an empty answer or an answer that is no JSON leave the staging table as it was. The
// next download asks from the newest modification merged, so a partial merge could skip the
// records of the pages it missed for good.
//
// A record the company refuses is left out and the others land; the outcome counts it and
// says why the first was refused. A text longer than its staging column lands cut to the
// column's length (the outcome and the error log say which), since the server would refuse the
// record, and PostgreSQL the page with it.
class MarketingDownload
{
public:
    MarketingDownload(suite::IClsCommon &service, suite::IPub &pub, MarketingOptions options);

    void setProgress(DownloadProgress *progress) { m_progress = progress; }

    // The whole command: the service code through the framework login, then the download.
    DownloadOutcome run(const suite::ILogin &login);
    DownloadOutcome run(const QString &serviceCode);

    // The newest modification in the staging table as the service's filter takes it
    // ("yyyy-MM-dd HH:mm:ss"); 1900-01-01 when there is none that reads as a time.
    QString lastImportModifyDate();

private:
    bool cancelled() const;
    QString text(const char *key, const QStringList &args = {}) const;
    bool fetchPage(int page, const QString &url, QString &answer, DownloadOutcome &outcome);
    bool landPage(const QList<suite::XmlElement> &records, DownloadOutcome &outcome);
    void land(const marketing::RecordInsert &insert, DownloadOutcome &outcome);
    void reject(const QString &reason);
    void merge(DownloadOutcome &outcome);

    suite::IClsCommon &m_service;
    suite::IPub &m_pub;
    MarketingOptions m_options;
    DownloadProgress *m_progress = nullptr;
    qint64 m_rejected = 0;
    QString m_firstRejection;
    // Records that landed with a text cut to the length of its column.
    qint64 m_cut = 0;
    QString m_firstCut;
};

} // namespace customer
