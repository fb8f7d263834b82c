#pragma once

#include "import/HeaderMapping.h"
#include "import/StagingImportReport.h"

#include <functional>
#include <memory>
#include <optional>

namespace suite {
class IClsCommon;
class IPub;
} // namespace suite

namespace customer {

class StagingColumns;
class TableSource;

// Lands the rows of a CSV or XLSX file in the staging table customer_import, where the user
// reviews them in the import list before transferring them into the archive. The file is read
// a row at a time; each row is checked (StagingRowCheck) and lands with iSourceType 1 and its
// source key (sourceIdOf) in iSourceId, so that importing the same file again updates its rows
// instead of adding them twice. A row with problems lands too, with them in cErrorMsg and its
// bad values left empty.
//
// Rows are written in transactions of kBatchRows, so that other users of the company are not
// kept waiting for the whole file. A cancel or a failure rolls back the batch that is open;
// the batches written before it stay (importing the file again updates them).
class StagingFileImport
{
public:
    static constexpr qint64 kBatchRows = 2000;
    // Progress is told, and a cancel looked for, every kReportRows rows.
    static constexpr qint64 kReportRows = 100;

    using Progress = std::function<void(qint64 rowsRead, qint64 bytesDone, qint64 bytesTotal)>;
    using Cancelled = std::function<bool()>;
    using Texts = std::function<QString(const char *key, const QStringList &args)>;

    // Works on the data service and public service of the session (its data rights decide the
    // codes a row may refer to).
    StagingFileImport(suite::IClsCommon &service, suite::IPub &pub);

    // An explicit mapping of headers to columns instead of the one by names and captions.
    void setMapping(const QList<HeaderMapping::Pair> &pairs);
    // The mapping of a mapping file (HeaderMapping::readFile); false with the user's message.
    bool setMappingFile(const QString &path, QString &sMsg);
    void setProgress(Progress progress) { m_progress = std::move(progress); }
    void setCancelled(Cancelled cancelled) { m_cancelled = std::move(cancelled); }

    StagingImportReport run(const QString &path);

    // The source key of a row of a file: a tag of the file's name, a colon and the row's
    // number ("5e1f0c3a:12"). Files of another name keep their rows apart; the same file
    // moved to another folder, or corrected and saved again, finds its rows again.
    static QString sourceIdOf(const QString &path, qint64 row);

    // The resource texts of the session's language.
    Texts texts() const;

private:
    struct Batch;

    std::unique_ptr<TableSource> openSource(const QString &path, QString &sMsg);
    bool importRows(TableSource &source, const QString &path, const StagingColumns &columns,
                    const HeaderMapping &mapping, StagingImportReport &report);
    bool landedBefore(const QString &path, bool &landed);
    bool landRow(const QString &sourceId, bool mayExist, const QVariantList &values,
                 const QString &error, const QString &update, const QString &insert, Batch &batch);
    bool cancelledNow(const TableSource &source, qint64 rowsRead) const;

    suite::IClsCommon &m_service;
    suite::IPub &m_pub;
    std::optional<QList<HeaderMapping::Pair>> m_pairs;
    Progress m_progress;
    Cancelled m_cancelled;
};

} // namespace customer
