#include "merge/DuplicateIndex.h"

#include "merge/NameKey.h"

#include <QHash>

#include <algorithm>
#include <span>
#include <unordered_map>

namespace customer {

namespace {

constexpr int kKeyScores[] = { 100, 95, 85, 80 };

std::uint64_t pairKey(std::uint32_t a, std::uint32_t b)
{
    return std::uint64_t(qMin(a, b)) << 32 | qMax(a, b);
}

// Found pairs by customer numbers, merged as their reasons come in.
class PairTable
{
public:
    DuplicatePair &at(std::uint32_t a, std::uint32_t b, bool &added)
    {
        const auto [slot, inserted] = m_index.try_emplace(pairKey(a, b), m_pairs.size());
        added = inserted;
        if (inserted) {
            m_pairs.emplace_back();
            m_numbers.push_back({ qMin(a, b), qMax(a, b) });
        }
        return m_pairs[slot->second];
    }
    std::vector<DuplicatePair> &pairs() { return m_pairs; }
    const std::vector<std::pair<std::uint32_t, std::uint32_t>> &numbers() const
    {
        return m_numbers;
    }

private:
    std::unordered_map<std::uint64_t, std::size_t> m_index;
    std::vector<DuplicatePair> m_pairs;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> m_numbers;
};

} // namespace

void DuplicateIndex::add(const DuplicateCandidate &customer)
{
    const auto number = std::uint32_t(m_codes.size());
    m_codes.push_back(customer.code);
    const QString group =
        customer.headOffice.trimmed().isEmpty() ? customer.code : customer.headOffice.trimmed();
    m_groups.push_back(qHash(group, size_t(0x5eed)));
    const QString name = normalisedName(customer.name);
    addKey(int(DuplicateReason::TaxNumber), customer.taxNumber.simplified().remove(u' ').toUpper(),
           number);
    addKey(int(DuplicateReason::Name), name, number);
    addKey(int(DuplicateReason::Email), customer.email.trimmed().toLower(), number);
    addKey(int(DuplicateReason::Phone), phoneKey(customer.phone), number);
    for (const quint64 trigram : nameTrigrams(name))
        m_trigrams.push_back(trigram);
    m_trigramStart.push_back(std::uint32_t(m_trigrams.size()));
}

void DuplicateIndex::addKey(int kind, const QString &text, std::uint32_t customer)
{
    if (!text.isEmpty())
        m_keys[kind].push_back({ qHash(text, size_t(0x5eed)), customer });
}

QList<DuplicatePair> DuplicateIndex::pairs(int minScore, int limit) const
{
    std::vector<DuplicatePair> found;
    keyPairs(found, minScore);
    similarPairs(found, minScore);
    std::sort(found.begin(), found.end(), [](const DuplicatePair &a, const DuplicatePair &b) {
        if (a.score != b.score)
            return a.score > b.score;
        return a.code1 != b.code1 ? a.code1 < b.code1 : a.code2 < b.code2;
    });
    if (limit >= 0 && found.size() > std::size_t(limit))
        found.resize(std::size_t(limit));
    return QList<DuplicatePair>(found.begin(), found.end());
}

void DuplicateIndex::keyPairs(std::vector<DuplicatePair> &found, int minScore) const
{
    PairTable table;
    for (int kind = 0; kind < 4; ++kind) {
        if (kKeyScores[kind] < minScore)
            continue;
        std::vector<Keyed> keys = m_keys[kind];
        std::sort(keys.begin(), keys.end());
        for (std::size_t first = 0, end = 0; first < keys.size(); first = end) {
            end = first + 1;
            while (end < keys.size() && keys[end].key == keys[first].key)
                ++end;
            if (end - first < 2 || end - first > std::size_t(kCommonKey))
                continue;
            for (std::size_t a = first; a < end; ++a) {
                for (std::size_t b = a + 1; b < end; ++b) {
                    bool added = false;
                    DuplicatePair &pair = table.at(keys[a].customer, keys[b].customer, added);
                    pair.reasons.append(DuplicateReason(kind));
                    pair.score = qMax(pair.score, kKeyScores[kind]);
                }
            }
        }
    }
    for (std::size_t at = 0; at < table.pairs().size(); ++at) {
        DuplicatePair &pair = table.pairs()[at];
        const auto [a, b] = table.numbers()[at];
        pair.code1 = m_codes[a];
        pair.code2 = m_codes[b];
        const std::span<const quint64> all(m_trigrams);
        const auto ta = all.subspan(m_trigramStart[a], m_trigramStart[a + 1] - m_trigramStart[a]);
        const auto tb = all.subspan(m_trigramStart[b], m_trigramStart[b + 1] - m_trigramStart[b]);
        const int shared = int(sharedTrigrams(ta, tb));
        const auto distinct = int(ta.size() + tb.size()) - shared;
        pair.similarity = distinct > 0 ? shared * 100 / distinct : 0;
        found.push_back(std::move(pair));
    }
}

// Each customer meets only the customers that share one of its rarer trigrams, counted once
// however many they share; the overlap of all their trigrams then decides.
void DuplicateIndex::similarPairs(std::vector<DuplicatePair> &found, int minScore) const
{
    std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> postings;
    for (std::uint32_t customer = 0; customer + 1 < m_trigramStart.size(); ++customer) {
        for (std::uint32_t at = m_trigramStart[customer]; at < m_trigramStart[customer + 1]; ++at)
            postings[m_trigrams[at]].push_back(customer);
    }
    std::unordered_map<std::uint64_t, std::size_t> known;
    for (std::size_t at = 0; at < found.size(); ++at)
        known.emplace(qHash(found[at].code1) ^ (qHash(found[at].code2) << 1), at);

    const std::span<const quint64> all(m_trigrams);
    std::vector<std::uint32_t> lastSeen(m_codes.size(), std::uint32_t(-1));
    for (std::uint32_t a = 0; a + 1 < m_trigramStart.size(); ++a) {
        const auto ta = all.subspan(m_trigramStart[a], m_trigramStart[a + 1] - m_trigramStart[a]);
        for (const quint64 trigram : ta) {
            const std::vector<std::uint32_t> &sharing = postings[trigram];
            if (sharing.size() > std::size_t(kCommonTrigram))
                continue;
            for (const std::uint32_t b : sharing) {
                if (b <= a || lastSeen[b] == a || m_groups[a] == m_groups[b])
                    continue;
                lastSeen[b] = a;
                const auto tb =
                    all.subspan(m_trigramStart[b], m_trigramStart[b + 1] - m_trigramStart[b]);
                const int shared = int(sharedTrigrams(ta, tb));
                const int score = shared * 100 / int(ta.size() + tb.size() - shared);
                if (score < minScore || score >= 100)
                    continue;
                const auto key = qHash(m_codes[a]) ^ (qHash(m_codes[b]) << 1);
                if (const auto same = known.find(key); same != known.end()
                    && found[same->second].code1 == m_codes[a]
                    && found[same->second].code2 == m_codes[b]) {
                    found[same->second].reasons.append(DuplicateReason::SimilarName);
                    continue;
                }
                DuplicatePair pair{
                    m_codes[a], m_codes[b], score, { DuplicateReason::SimilarName }, score
                };
                found.push_back(std::move(pair));
            }
        }
    }
}

} // namespace customer
