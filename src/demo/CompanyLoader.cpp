#include "demo/CompanyLoader.h"

#include "demo/CustomerGenerator.h"
#include "demo/RowPipeline.h"

#include "suite/data/SqlConnection.h"

#include <thread>
#include <utility>

namespace demo {

namespace {

// Rows per batch handed from the generating thread to the inserting one, and how many batches
// the generator may run ahead.
constexpr qsizetype kBatchRows = 4096;
constexpr std::size_t kBatchesAhead = 16;

} // namespace

CompanyLoader::CompanyLoader(suite::SqlConnection &company, std::unique_ptr<TableWriter> writer,
                             QString rowIdentity, std::uint64_t seed)
    : m_company(company)
    , m_writer(std::move(writer))
    , m_rowIdentity(std::move(rowIdentity))
    , m_seed(seed)
{ }

bool CompanyLoader::prepare(QString &sMsg)
{
    return m_pinyin.isValid(sMsg) && m_divisions.loadBuiltIn(sMsg)
        && m_places.build(m_divisions, sMsg)
        && readReferenceCodes(m_company, m_codes, sMsg, m_rowIdentity)
        && checkProfileCodes(m_codes, sMsg);
}

bool CompanyLoader::inTransaction(const std::function<bool(QString &)> &work, QString &sMsg)
{
    QString reason;
    if (!m_company.beginTransaction(reason)) {
        sMsg = QStringLiteral("cannot start loading: %1").arg(reason);
        return false;
    }
    if (!m_writer->beginLoad(sMsg) || !work(sMsg)) {
        m_company.rollbackTransaction(reason);
        return false;
    }
    if (!m_company.commitTransaction(reason)) {
        sMsg = QStringLiteral("cannot finish loading: %1").arg(reason);
        return false;
    }
    return true;
}

bool CompanyLoader::loadDivisions(QString &sMsg)
{
    PackedRows rows;
    for (const Division &division : m_divisions.all()) {
        const QVariant parent =
            division.parentCode.isEmpty() ? QVariant() : QVariant(division.parentCode);
        rows.append(DemoTable::Division,
                    { division.code, parent, division.name, m_divisions.fullName(division),
                      division.level - 1 });
    }
    return inTransaction(
        [&](QString &error) {
            return m_writer->insertAll(*m_writer->encode(std::move(rows)), error);
        },
        sMsg);
}

bool CompanyLoader::loadCustomers(int count, const Progress &progress, QString &sMsg)
{
    RowPipeline pipeline(kBatchesAhead);
    bool generated = false;
    QString generatorError;
    // The generator runs in its own thread; it alone uses the generator's state and Pinyin.
    std::jthread producer([&] {
        CustomerGenerator generator(m_places, m_codes, m_pinyin, m_seed);
        PackedRows rows;
        int done = 0;
        // The writer's encoding is done here too, beside the inserting of the batch before.
        const auto push = [&](int customersDone) {
            return pipeline.push(
                { m_writer->encode(std::exchange(rows, PackedRows())), customersDone });
        };
        const RowSink sink = [&](DemoTable table, const QVariantList &row, QString &error) {
            rows.append(table, row);
            if (rows.rowCount() < kBatchRows || push(done))
                return true;
            error = QStringLiteral("the load was stopped");
            return false;
        };
        generated = generator.run(
            count, sink, [&](int customers) { done = customers; }, generatorError);
        generated = generated && push(count);
        pipeline.finish();
    });
    const bool loaded = inTransaction(
        [&](QString &error) {
            RowPipeline::Batch batch;
            while (pipeline.pop(batch)) {
                if (!m_writer->insertAll(*batch.rows, error)) {
                    pipeline.abort();
                    return false;
                }
                progress(QStringLiteral("customers"), batch.customersDone, count);
            }
            producer.join();
            error = generatorError;
            return generated;
        },
        sMsg);
    // A load that stopped early leaves the generator waiting for room; release it.
    pipeline.abort();
    if (producer.joinable())
        producer.join();
    return loaded;
}

} // namespace demo
