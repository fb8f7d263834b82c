#include "demo/MarketingRecords.h"

#include "demo/ChineseWords.h"
#include "demo/DemoRandom.h"

#include <algorithm>
#include <vector>

namespace demo {

namespace {

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
constexpr qint64 kMinute = 60;

// A city the service's customers are in: its name, its telephone area code and where it lies.
struct City
{
    const char16_t *name;
    const char *areaCode;
    double latitude;
    double longitude;
};

constexpr City kCities[] = {
    { u"北京", "010", 39.9042, 116.4074 },  { u"上海", "021", 31.2304, 121.4737 },
    { u"广州", "020", 23.1291, 113.2644 },  { u"深圳", "0755", 22.5431, 114.0579 },
    { u"杭州", "0571", 30.2741, 120.1551 }, { u"苏州", "0512", 31.2990, 120.5853 },
    { u"南京", "025", 32.0603, 118.7969 },  { u"成都", "028", 30.5728, 104.0668 },
    { u"武汉", "027", 30.5928, 114.3055 },  { u"西安", "029", 34.3416, 108.9398 },
    { u"天津", "022", 39.0842, 117.2010 },  { u"重庆", "023", 29.5630, 106.5516 },
};

constexpr const char16_t *kBanks[] = { u"中国工商银行", u"中国建设银行", u"中国农业银行",
                                       u"中国银行",     u"招商银行",     u"交通银行" };

QString phoneOf(DemoRandom &random, const City &city)
{
    const QString area = QLatin1String(city.areaCode);
    return area + u'-' + QString::number(random.between(2, 8))
        + random.digits(area.size() == 3 ? 7 : 6);
}

QString salesperson(DemoRandom &random)
{
    return QStringLiteral("MK%1").arg(random.between(1, 40), 4, 10, QLatin1Char('0'));
}

QString coordinate(double value)
{
    return QString::number(value, 'f', 6);
}

} // namespace

const QDateTime MarketingRecords::kFirstModified(QDate(2026, 12, 1), QTime(8, 0));

MarketingRecords::MarketingRecords(int count, std::uint64_t seed)
    : m_count(count)
    , m_seed(seed)
{ }

QDateTime MarketingRecords::modifiedAt(int index) const
{
    const auto change = m_changes.constFind(index);
    const qint64 minutes = change == m_changes.cend() ? index : m_count + change->serial;
    return kFirstModified.addSecs(minutes * kMinute);
}

MarketingRecord MarketingRecords::record(int index) const
{
    const auto change = m_changes.constFind(index);
    const int revision = change == m_changes.cend() ? 0 : change->revision;
    MarketingRecord record;
    if (change != m_changes.cend() && change->replaced) {
        record = *change->replaced;
    } else {
        DemoRandom random(m_seed * 1000003ULL + std::uint64_t(index));
        const City &city = kCities[random.below(int(std::size(kCities)))];
        const QString place = QString::fromUtf16(city.name);
        const QString trade = random.pick(ChineseWords::tradeNames());
        const Industry &industry = random.pick(ChineseWords::industries());
        record.Name = place + trade + industry.name + ChineseWords::companySuffix(random);
        // Every tenth record has no short name: the staging list takes the name's start then.
        record.ShortName = index % 10 == 9 ? QString() : place + trade + industry.name;
        record.OwnerID = salesperson(random);
        record.CreatedByID = salesperson(random);
        record.CreatedTime = kFirstModified.addDays(-random.between(1, 400))
                                 .addSecs(random.between(0, 36000))
                                 .toString(kTimeFormat);
        record.Bank = QString::fromUtf16(kBanks[random.below(int(std::size(kBanks)))]) + place
            + QStringLiteral("分行");
        record.BankAccount = random.digits(19);
        record.Email = random.digits(9) + QStringLiteral("@qq.com");
        record.Beizhu = random.chance(0.3) ? ChineseWords::memo(random) : QString();
        record.Fax = random.chance(0.5) ? phoneOf(random, city) : QString();
        record.Lat = coordinate(city.latitude + (random.unit() - 0.5) * 0.2);
        record.Lng = coordinate(city.longitude + (random.unit() - 0.5) * 0.2);
        // What changes with a record's revisions.
        DemoRandom changing(m_seed * 7919ULL + std::uint64_t(index) * 31ULL
                            + std::uint64_t(revision));
        record.Address = place + QStringLiteral("市") + ChineseWords::streetAddress(changing);
        record.Phone = phoneOf(changing, city);
        record.ModifiedByID = salesperson(changing);
    }
    record.ID = QString::number(kFirstId + index);
    record.ModifiedTime = modifiedAt(index).toString(kTimeFormat);
    return record;
}

void MarketingRecords::change(int index, std::optional<MarketingRecord> replaced)
{
    Change &changed = m_changes[index];
    changed.serial = ++m_serial;
    ++changed.revision;
    if (replaced)
        changed.replaced = std::move(replaced);
}

void MarketingRecords::modify(int index)
{
    change(index, std::nullopt);
}

void MarketingRecords::replace(int index, MarketingRecord record)
{
    change(index, std::move(record));
}

QList<MarketingRecord> MarketingRecords::page(const QDateTime &since, int pageNo, int rowsPerPage,
                                              int &total) const
{
    // The unchanged records come in their order, the changed ones after them in the order of
    // their changes.
    const qint64 late = kFirstModified.secsTo(since);
    const int first = int(std::clamp<qint64>((late + kMinute - 1) / kMinute, 0, m_count));
    std::vector<int> changed;
    for (auto it = m_changes.cbegin(); it != m_changes.cend(); ++it) {
        if (it.key() < m_count && modifiedAt(it.key()) >= since)
            changed.push_back(it.key());
    }
    std::sort(changed.begin(), changed.end(), [this](int a, int b) {
        return m_changes.value(a).serial < m_changes.value(b).serial;
    });
    int changedFromFirst = 0;
    for (auto it = m_changes.cbegin(); it != m_changes.cend(); ++it) {
        if (it.key() >= first && it.key() < m_count)
            ++changedFromFirst;
    }
    const int unchanged = m_count - first - changedFromFirst;
    total = unchanged + int(changed.size());
    QList<MarketingRecord> records;
    const qint64 start = qint64(pageNo - 1) * rowsPerPage;
    qint64 position = 0;
    for (int index = first; index < m_count && records.size() < rowsPerPage; ++index) {
        if (m_changes.contains(index))
            continue;
        if (position++ >= start)
            records.append(record(index));
    }
    for (const int index : changed) {
        if (records.size() >= rowsPerPage)
            break;
        if (position++ >= start)
            records.append(record(index));
    }
    return records;
}

} // namespace demo
