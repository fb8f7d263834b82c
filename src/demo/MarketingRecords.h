#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

namespace demo {

// A customer as the maker's marketing service keeps it; the names are those of its answer.
struct MarketingRecord
{
    QString ID;
    QString Name;
    QString ShortName;
    QString Address;
    QString Phone;
    QString OwnerID;
    QString CreatedByID;
    QString CreatedTime;
    QString ModifiedByID;
    QString ModifiedTime;
    QString Bank;
    QString BankAccount;
    QString Email;
    QString Beizhu;
    QString Fax;
    QString Lat;
    QString Lng;
    QString TarnCode;
};

// The customers of the local marketing service: Chinese companies made from their number and
// a seed, so that nothing but the changes is kept and any number of them costs no memory. The
// records were modified a minute apart in their order from kFirstModified on; a record changed
// later moves behind every other, as its modification time is then the newest.
class MarketingRecords
{
public:
    static constexpr int kFirstId = 100001;
    static const QDateTime kFirstModified;

    explicit MarketingRecords(int count = 0, std::uint64_t seed = 2026);

    int count() const { return m_count; }
    MarketingRecord record(int index) const;

    // The record changes: a new phone, address and contact person, modified after every other.
    void modify(int index);
    // The record becomes the one given (its ID and modification time are the service's).
    void replace(int index, MarketingRecord record);

    // Page pageNo (from 1) of rowsPerPage records modified at since or later, in the order of
    // their modification; total receives how many there are in all.
    QList<MarketingRecord> page(const QDateTime &since, int pageNo, int rowsPerPage,
                                int &total) const;

private:
    struct Change
    {
        int serial = 0; // the order of the changes, for their modification times
        int revision = 0;
        std::optional<MarketingRecord> replaced;
    };

    QDateTime modifiedAt(int index) const;
    void change(int index, std::optional<MarketingRecord> replaced);

    int m_count = 0;
    std::uint64_t m_seed = 0;
    QHash<int, Change> m_changes;
    int m_serial = 0;
};

} // namespace demo
