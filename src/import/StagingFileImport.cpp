#include "import/StagingFileImport.h"

#include "catalogue/SharedUtilities.h"
#include "import/CsvEncoding.h"
#include "import/CsvReader.h"
#include "import/StagingColumns.h"
#include "import/StagingReferences.h"
#include "import/StagingRowCheck.h"
#include "import/StagingStatements.h"
#include "import/XlsxReader.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace customer {

namespace {

// A CSV file as a table: the reader and the file it reads, kept together.
class CsvFileSource final : public TableSource
{
public:
    bool open(const QString &path, QString &sMsg)
    {
        m_file.setFileName(path);
        if (!m_file.open(QIODevice::ReadOnly)) {
            sMsg = m_file.errorString();
            return false;
        }
        m_reader = std::make_unique<CsvReader>(m_file, detectCsvEncoding(m_file));
        return true;
    }

    bool next(SourceRow &row) override { return m_reader->next(row); }
    QString error() const override { return m_reader->error(); }
    qint64 bytesDone() const override { return m_reader->bytesDone(); }
    qint64 bytesTotal() const override { return m_reader->bytesTotal(); }

private:
    QFile m_file;
    std::unique_ptr<CsvReader> m_reader;
};

} // namespace

// The rows of the transaction that is open, counted into the report once it is committed.
struct StagingFileImport::Batch
{
    bool open = false;
    qint64 rows = 0;
    qint64 landed = 0;
    qint64 updated = 0;
    qint64 withErrors = 0;
};

StagingFileImport::StagingFileImport(suite::IClsCommon &service, suite::IPub &pub)
    : m_service(service)
    , m_pub(pub)
{ }

StagingFileImport::Texts StagingFileImport::texts() const
{
    suite::IPub *pub = &m_pub;
    return [pub](const char *key, const QStringList &args) {
        return pub->GetResFormatString(QLatin1StringView(key), args);
    };
}

void StagingFileImport::setMapping(const QList<HeaderMapping::Pair> &pairs)
{
    m_pairs = pairs;
}

bool StagingFileImport::setMappingFile(const QString &path, QString &sMsg)
{
    QList<HeaderMapping::Pair> pairs;
    qint64 badRow = 0;
    QString reason;
    if (HeaderMapping::readFile(path, pairs, badRow, reason)) {
        setMapping(pairs);
        return true;
    }
    sMsg = badRow > 0 ? texts()("Tarn.AA.IMPORT.FILE.mappingrow", { QString::number(badRow) })
                      : texts()("Tarn.AA.IMPORT.FILE.cannotopen", { path, reason });
    return false;
}

QString StagingFileImport::sourceIdOf(const QString &path, qint64 row)
{
    const QByteArray name = QFileInfo(path).fileName().toUtf8();
    const QByteArray tag = QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex().left(8);
    return QString::fromLatin1(tag) + u':' + QString::number(row);
}

std::unique_ptr<TableSource> StagingFileImport::openSource(const QString &path, QString &sMsg)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QString reason;
    if (suffix == u"csv") {
        auto csv = std::make_unique<CsvFileSource>();
        if (csv->open(path, reason))
            return csv;
    } else if (suffix == u"xlsx") {
        auto xlsx = std::make_unique<XlsxReader>();
        if (xlsx->open(path, reason))
            return xlsx;
    } else {
        sMsg = texts()("Tarn.AA.IMPORT.FILE.unknownformat", { path });
        return nullptr;
    }
    sMsg = texts()("Tarn.AA.IMPORT.FILE.cannotopen", { path, reason });
    return nullptr;
}

StagingImportReport StagingFileImport::run(const QString &path)
{
    StagingImportReport report;
    report.fileName = QFileInfo(path).fileName();
    std::unique_ptr<TableSource> source = openSource(path, report.failure);
    if (!source)
        return report;
    SourceRow header;
    if (!source->next(header)) {
        report.failure = source->error().isEmpty()
            ? texts()("Tarn.AA.IMPORT.FILE.noheader", { path })
            : texts()("Tarn.AA.IMPORT.FILE.cannotread", { path, source->error() });
        return report;
    }
    StagingColumns columns;
    HeaderMapping mapping;
    QString reason;
    if (!columns.load(m_service, m_pub, GetAccId(), reason)) {
        report.failure = texts()("Tarn.AA.IMPORT.FILE.cannotwrite", { reason });
        return report;
    }
    if (m_pairs && !HeaderMapping::explicitly(header.cells, *m_pairs, columns, mapping, reason)) {
        report.failure = texts()("Tarn.AA.IMPORT.FILE.mappingcolumn", { reason });
        return report;
    }
    if (!m_pairs)
        mapping = HeaderMapping::automatic(header.cells, columns);
    report.unknownColumns = mapping.unknown();
    if (!mapping.mapsAny()) {
        report.failure = texts()("Tarn.AA.IMPORT.FILE.nocolumn", { path });
        return report;
    }
    importRows(*source, path, columns, mapping, report);
    return report;
}

bool StagingFileImport::cancelledNow(const TableSource &source, qint64 rowsRead) const
{
    if (m_progress)
        m_progress(rowsRead, source.bytesDone(), source.bytesTotal());
    return m_cancelled && m_cancelled();
}

bool StagingFileImport::importRows(TableSource &source, const QString &path,
                                   const StagingColumns &columns, const HeaderMapping &mapping,
                                   StagingImportReport &report)
{
    StagingReferences references(m_service);
    const StagingRowCheck check(
        columns, mapping,
        [&references](const QString &column, const QString &code) {
            return references.exists(column, code);
        },
        texts());
    const QString update = staging::updateStatement(columns, check.columns());
    const QString insert = staging::insertStatement(columns, check.columns());
    bool mayExist = true;
    if (!landedBefore(path, mayExist)) {
        report.failure = texts()("Tarn.AA.IMPORT.FILE.cannotwrite", { m_service.LastError() });
        return false;
    }
    Batch batch;
    auto rollBack = [&] {
        if (batch.open)
            m_service.m_cnn().RollbackTrans();
        batch = Batch();
    };
    auto commit = [&] {
        if (batch.open && !m_service.m_cnn().CommitTrans())
            return false;
        report.landed += batch.landed;
        report.updated += batch.updated;
        report.withErrors += batch.withErrors;
        batch = Batch();
        return true;
    };
    auto fail = [&](const char *key, const QStringList &args) {
        rollBack();
        report.failure = texts()(key, args);
        return false;
    };

    SourceRow row;
    while (source.next(row)) {
        if (++report.rowsRead % kReportRows == 0 && cancelledNow(source, report.rowsRead)) {
            rollBack();
            report.cancelled = true;
            return true;
        }
        const CheckedRow checked = check.check(row);
        if (!batch.open && !(batch.open = m_service.m_cnn().BeginTrans()))
            return fail("Tarn.AA.IMPORT.FILE.cannotwrite", { m_service.LastError() });
        const QString error = check.errorMessage(checked.problems);
        if (!landRow(sourceIdOf(path, row.number), mayExist, checked.values, error, update, insert,
                     batch))
            return fail("Tarn.AA.IMPORT.FILE.cannotwrite", { m_service.LastError() });
        if (++batch.rows == kBatchRows && !commit())
            return fail("Tarn.AA.IMPORT.FILE.cannotwrite", { m_service.LastError() });
    }
    if (!source.error().isEmpty())
        return fail("Tarn.AA.IMPORT.FILE.cannotread", { path, source.error() });
    if (!commit())
        return fail("Tarn.AA.IMPORT.FILE.cannotwrite", { m_service.LastError() });
    if (m_progress)
        m_progress(report.rowsRead, source.bytesTotal(), source.bytesTotal());
    return true;
}

bool StagingFileImport::landedBefore(const QString &path, bool &landed)
{
    const QString tag = sourceIdOf(path, 0).chopped(1) + u'%';
    const suite::RecordSet found =
        m_service.OpenWith(staging::fileStatement(), { { QStringLiteral("tag"), tag } });
    landed = found.IsOpen() && found.RecordCount() > 0;
    return found.IsOpen();
}

bool StagingFileImport::landRow(const QString &sourceId, bool mayExist, const QVariantList &values,
                                const QString &error, const QString &update, const QString &insert,
                                Batch &batch)
{
    suite::RecordSet found;
    if (mayExist) {
        found =
            m_service.OpenWith(staging::findStatement(), { { QStringLiteral("sid"), sourceId } });
        if (!found.IsOpen())
            return false;
    }
    QVariantHash variables{ { QStringLiteral("sid"), sourceId },
                            { QStringLiteral("err"), error.isEmpty() ? QVariant() : error } };
    for (int i = 0; i < values.size(); ++i)
        variables.insert(staging::valueVariable(i), values[i]);
    const bool known = mayExist && found.RecordCount() > 0;
    if (known)
        variables.insert(QStringLiteral("id"), found.valueAt(0, 0));
    if (!m_service.ExecuteWith(known ? update : insert, variables))
        return false;
    ++(known ? batch.updated : batch.landed);
    if (!error.isEmpty())
        ++batch.withErrors;
    return true;
}

} // namespace customer
