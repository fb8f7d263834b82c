#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

namespace customer {

// Why two customers look like one.
enum class DuplicateReason {
    TaxNumber, // the same unified credit code or tax number
    Name, // names that normalise to the same text
    Email,
    Phone,
    SimilarName, // names whose trigrams overlap by the score or more
};

struct DuplicatePair
{
    QString code1;
    QString code2;
    // 0 to 100: 100 for a shared tax number, 95 for one normalised name, 85 for one e-mail,
    // 80 for one phone; for similar names the percentage of their shared trigrams. The pair
    // scores its best reason.
    int score = 0;
    QList<DuplicateReason> reasons;
    // The trigram overlap of the two names in per cent, also when names are not a reason.
    int similarity = 0;
};

// What the scan knows of one customer.
struct DuplicateCandidate
{
    QString code;
    QString name;
    QString taxNumber;
    QString phone;
    QString email;
    // The head office the customer names (its own code, or empty, for a head office itself):
    // the branches of one group are named alike on purpose and are no duplicates by name.
    QString headOffice;
};

// The customers of a duplicate scan, held as compactly as a million of them need: the code,
// hashes of the keys and the trigrams of the normalised name. Pairs come only from customers
// that share a key or a name trigram that few customers have (blocking), never from all pairs:
// a trigram that many names share ("有限公") says nothing about any two of them.
class DuplicateIndex
{
public:
    // Trigrams shared by more customers than this do not make pairs on their own.
    static constexpr int kCommonTrigram = 64;
    // A key shared by more customers than this is a switchboard or a placeholder, not a
    // duplicate.
    static constexpr int kCommonKey = 16;

    void add(const DuplicateCandidate &customer);
    qsizetype size() const { return qsizetype(m_codes.size()); }

    // The pairs scoring minScore or more, best first (then by codes), at most limit of them.
    QList<DuplicatePair> pairs(int minScore, int limit) const;

private:
    struct Keyed
    {
        std::uint64_t key;
        std::uint32_t customer;
        bool operator<(const Keyed &other) const
        {
            return key != other.key ? key < other.key : customer < other.customer;
        }
    };

    void addKey(int kind, const QString &text, std::uint32_t customer);
    void keyPairs(std::vector<DuplicatePair> &found, int minScore) const;
    void similarPairs(std::vector<DuplicatePair> &found, int minScore) const;

    std::vector<QString> m_codes;
    std::vector<std::uint64_t> m_groups;
    std::vector<Keyed> m_keys[4]; // per reason TaxNumber .. Phone
    // The trigrams of customer i are m_trigrams[m_trigramStart[i] .. m_trigramStart[i + 1]).
    std::vector<quint64> m_trigrams;
    std::vector<std::uint32_t> m_trigramStart{ 0 };
};

} // namespace customer
