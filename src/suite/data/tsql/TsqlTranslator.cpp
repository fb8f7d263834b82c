#include "suite/data/tsql/TsqlTranslator.h"

#include "suite/data/tsql/BatchParser.h"
#include "suite/data/tsql/SqlLexer.h"

namespace suite::tsql {

namespace {

constexpr int kExcerptLength = 200;

QString excerpt(const QString &text)
{
    const QString simplified = text.simplified();
    return simplified.size() <= kExcerptLength
        ? simplified
        : simplified.left(kExcerptLength) + QStringLiteral("...");
}

} // namespace

TsqlTranslator::TsqlTranslator(std::shared_ptr<const SqlDialect> dialect, int cacheSize)
    : m_dialect(std::move(dialect))
    , m_cache(cacheSize)
{ }

void TsqlTranslator::setTextColumnLookup(TextColumnLookup lookup)
{
    m_isTextColumn = std::move(lookup);
    m_cache.clear();
}

void TsqlTranslator::setCoarseColumnLookup(CoarseColumnLookup lookup)
{
    m_isCoarseColumn = std::move(lookup);
    m_cache.clear();
}

std::shared_ptr<const Batch> TsqlTranslator::translate(const QString &tsql, QString &sMsg)
{
    if (const std::shared_ptr<const Batch> *cached = m_cache.object(tsql))
        return *cached;
    TokenList tokens;
    QString reason;
    if (!tokenize(tsql, tokens, reason)) {
        sMsg = QStringLiteral("The SQL text cannot be read: %1 in: %2").arg(reason, excerpt(tsql));
        return nullptr;
    }
    if (tokens.tokens.empty()) {
        sMsg = QStringLiteral("The SQL text is empty.");
        return nullptr;
    }
    auto batch = std::make_shared<Batch>();
    BatchParser parser(tokens, *m_dialect, m_isTextColumn, m_isCoarseColumn);
    if (!parser.parse(*batch, reason)) {
        sMsg = QStringLiteral("The SQL text cannot be translated: %1 in: %2")
                   .arg(reason, excerpt(tsql));
        return nullptr;
    }
    std::shared_ptr<const Batch> result = std::move(batch);
    m_cache.insert(tsql, new std::shared_ptr<const Batch>(result));
    return result;
}

} // namespace suite::tsql
