#include "demo/CustomerGenerator.h"

#include "demo/SqlText.h"

#include <cmath>
#include <cstdint>

namespace demo {

namespace C = CustomerColumn;

namespace {

const QDate kDemoYearEnd(2026, 11, 30);

QDate dateBetween(DemoRandom &random, const QDate &first, const QDate &last)
{
    return first.addDays(random.below(int(first.daysTo(last)) + 1));
}

// Office hours, so that creation and change times look like people's work.
int officeSecond(DemoRandom &random)
{
    return random.between(8 * 3600 + 30 * 60, 18 * 3600);
}

QVariant flag(bool value)
{
    return value ? 1 : 0;
}

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

// The check character of a unified social credit code (GB 32100).
QChar creditCodeCheck(const QString &first17)
{
    static const QString alphabet = QStringLiteral("0123456789ABCDEFGHJKLMNPQRTUWXY");
    int sum = 0;
    int weight = 1;
    for (const QChar character : first17) {
        sum += int(alphabet.indexOf(character)) * weight;
        weight = weight * 3 % 31;
    }
    return alphabet[(31 - sum % 31) % 31];
}

QString englishRegion(const QString &nationCode)
{
    if (nationCode == u"HKG")
        return QStringLiteral("Hong Kong, China");
    if (nationCode == u"MAC")
        return QStringLiteral("Macao, China");
    return QStringLiteral("Taiwan, China");
}

// Whether a customer has a position on the map: about one in eight has none. Decided by the
// customer code, not by the generator's random sequence, so that every other value of the demo
// company stays as it was.
bool hasMapPosition(const QString &customerCode)
{
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const QChar character : customerCode) {
        hash ^= character.unicode();
        hash *= 16777619u;
    }
    return hash % 8 != 0;
}

} // namespace

CustomerGenerator::CustomerGenerator(const Places &places, const ReferenceCodes &codes,
                                     Pinyin &pinyin, std::uint64_t seed)
    : m_places(places)
    , m_codes(codes)
    , m_pinyin(pinyin)
    , m_random(seed)
    , m_names(pinyin)
{ }

QString CustomerGenerator::customerCode(int index)
{
    return QStringLiteral("%1").arg(index + 1, 7, 10, QLatin1Char('0'));
}

bool CustomerGenerator::run(int count, const RowSink &sink,
                            const std::function<void(int)> &progress, QString &sMsg)
{
    m_count = count;
    m_vendorTarget = qMin(count, qMax(3, count / 500));
    m_vendorStep = m_vendorTarget > 0 ? qMax(1, count / m_vendorTarget) : 1;
    for (int index = 0; index < count; ++index) {
        if (!emitCustomer(index, sink, sMsg))
            return false;
        if (progress && (index + 1) % 500 == 0)
            progress(index + 1);
    }
    if (!flushCreditGroup(sink, sMsg) || !emitStaging(sink, sMsg))
        return false;
    if (progress)
        progress(count);
    return true;
}

bool CustomerGenerator::emitCustomer(int index, const RowSink &sink, QString &sMsg)
{
    Company company;
    company.code = customerCode(index);
    const Company *head = nullptr;
    bool startsGroup = false;
    if (m_branchesLeft > 0) {
        company.place = m_places.pickElsewhere(m_random, m_head.place.city->code);
        company.name = m_names.branch(m_head.name, m_places.namePrefix(company.place));
        if (!company.name.name.isEmpty())
            head = &m_head;
        --m_branchesLeft;
    }
    if (!head) {
        if (!flushCreditGroup(sink, sMsg))
            return false;
        m_branchesLeft = 0;
        startsGroup = index + 1 < m_count && m_random.chance(0.02);
        company.place = m_places.pick(m_random);
        company.name = m_names.make(m_random, m_places.namePrefix(company.place), startsGroup);
        if (startsGroup)
            m_branchesLeft = qMin(m_random.between(1, 4), m_count - index - 1);
    }

    QVariantList row(C::Count);
    const QDate developed = dateBetween(m_random, QDate(2008, 1, 1), QDate(2025, 12, 31));
    const QString addressGuid = m_random.guid();
    fillIdentity(row, company, developed);
    fillPlace(row, company, addressGuid);
    fillTerms(row, company, head);
    fillCustomFields(row, company, developed);
    fillExport(row, company);
    row[C::cCusHeadCode] = head ? head->code : company.code;
    row[C::cInvoiceCompany] = head ? head->code : company.code;
    if (!head && !startsGroup)
        m_twins.plant(PlantedDuplicates::kindOf(index), row, company.name, m_names);

    QList<QVariantList> receivables;
    if (m_random.chance(0.3)) {
        const Receivables::Owner owner{ company.code, company.department, company.salesperson,
                                        row[C::cCusExch_name].toString(),
                                        qMax(8000.0, company.creditLine * 0.15) };
        const ReceivableSummary summary = m_receivables.make(m_random, owner, receivables);
        row[C::iARMoney] = summary.balance;
        row[C::iFrequency] = summary.invoices;
        row[C::dLastDate] = sqlDateTime(summary.lastSale);
        row[C::iLastMoney] = summary.lastSaleAmount;
        if (summary.lastReceipt.isValid()) {
            row[C::dLRDate] = sqlDateTime(summary.lastReceipt);
            row[C::iLRMoney] = summary.lastReceiptAmount;
        }
        if (company.credit)
            m_creditGroup.used += summary.balance;
    } else {
        row[C::iARMoney] = 0.0;
        row[C::iFrequency] = 0;
    }
    if (!head && company.credit)
        m_creditGroup = { company.code, company.creditLine, m_creditGroup.used };

    QVariantList contact;
    if (m_random.chance(0.35)) {
        const QString id = QStringLiteral("LXR%1").arg(++m_contactNumber, 8, 10, QLatin1Char('0'));
        row[C::cCusContactCode] = m_random.guid();
        contact = { row[C::cCusContactCode],
                    id,
                    id,
                    row[C::cCusPerson],
                    company.code,
                    row[C::cCusHand],
                    row[C::cCusPhone],
                    row[C::cCusEmail],
                    m_random.between(1, 2),
                    m_random.between(11, 15),
                    m_random.chance(0.5) ? QVariant(m_random.between(21, 22)) : QVariant(),
                    m_random.chance(0.3) ? QVariant(m_random.between(31, 34)) : QVariant(),
                    company.salesperson,
                    row[C::dCusDevDate] };
    }

    const bool linked =
        index % m_vendorStep == m_vendorStep / 2 && m_vendorsLinked < m_vendorTarget;
    if (linked)
        row[C::cRelVendor] =
            QStringLiteral("VK%1").arg(m_vendorsLinked + 1, 5, 10, QLatin1Char('0'));

    if (!sink(DemoTable::Customer, row, sMsg)
        || !sink(DemoTable::CustomerExtra, extraRow(company, row), sMsg)
        || !sink(DemoTable::DeliverAddress,
                 { company.code, QStringLiteral("0001"), row[C::cCusAddress], addressGuid,
                   company.name.name, row[C::cCusPerson], row[C::cCusPhone], 1 },
                 sMsg))
        return false;
    if (!row[C::cCusBank].isNull()
        && !sink(DemoTable::CustomerBank,
                 { company.code, row[C::cCusBankCode], row[C::cCusBank], row[C::cCusAccount],
                   company.name.name, 1 },
                 sMsg))
        return false;
    if (!contact.isEmpty() && !sink(DemoTable::Contact, contact, sMsg))
        return false;
    if (head && !sink(DemoTable::InvoiceCorp, { company.code, head->code, 1 }, sMsg))
        return false;
    const QString user = m_codes.userOfPerson.value(company.salesperson);
    if (!user.isEmpty() && !sink(DemoTable::CustomerUser, { company.code, user, 1 }, sMsg))
        return false;
    for (const QVariantList &receivable : receivables) {
        if (!sink(DemoTable::Receivable, receivable, sMsg))
            return false;
    }
    if (linked && !emitVendor(company, row, sink, sMsg))
        return false;
    if (startsGroup)
        m_head = company;
    m_twins.remember(row, company.name);
    if (m_remembered.size() < 4)
        m_remembered.append(company);
    return true;
}

void CustomerGenerator::fillIdentity(QVariantList &row, const Company &company,
                                     const QDate &developed)
{
    const QDate founded = dateBetween(m_random, QDate(1990, 1, 1), developed);
    const int created = officeSecond(m_random);
    const QDate changed = dateBetween(m_random, QDate(2026, 1, 2), kDemoYearEnd);
    row[C::cCusCode] = company.code;
    row[C::cCusName] = company.name.name;
    row[C::cCusAbbName] = company.name.abbreviation;
    row[C::cCusMnemCode] = company.name.mnemonic;
    row[C::cCusTradeCCode] = company.name.industry->tradeClassCode;
    row[C::cTrade] = m_codes.tradeClassNames.value(company.name.industry->tradeClassCode);
    const QString code = creditCode(company.place);
    row[C::cCusRegCode] = textOrNull(code);
    row[C::cCreditAddCode] = textOrNull(code);
    row[C::cCusLPerson] = ChineseWords::personName(m_random);
    static const int capitals[] = { 50, 100, 200, 300, 500, 1000, 2000, 5000, 10000 };
    row[C::cRegCash] = QStringLiteral("%1万元").arg(capitals[m_random.below(9)]);
    row[C::dDepBeginDate] = sqlDateTime(founded);
    row[C::iEmployeeNum] = int(10 * std::pow(500.0, m_random.unit()));
    row[C::dCusDevDate] = sqlDateTime(developed);
    row[C::dEndDate] = m_random.chance(0.02)
        ? QVariant(sqlDateTime(dateBetween(m_random, QDate(2026, 1, 1), kDemoYearEnd)))
        : QVariant();
    row[C::dRecentlyContractTime] = m_random.chance(0.3)
        ? QVariant(sqlDateTime(dateBetween(m_random, QDate(2026, 1, 1), kDemoYearEnd),
                               officeSecond(m_random)))
        : QVariant();
    row[C::dTouchedTime] = m_random.chance(0.5)
        ? QVariant(sqlDateTime(dateBetween(m_random, QDate(2026, 6, 1), kDemoYearEnd),
                               officeSecond(m_random)))
        : QVariant();
    row[C::iId] = QString::number(company.place.profile->authClassId);
    row[C::cCreatePerson] = m_codes.userName;
    row[C::dCusCreateDatetime] = sqlDateTime(developed, created);
    row[C::cModifyPerson] = m_codes.userName;
    row[C::dModifyDate] = sqlDateTime(changed, officeSecond(m_random));
    row[C::cMemo] = m_random.chance(0.08) ? QVariant(ChineseWords::memo(m_random)) : QVariant();
}

void CustomerGenerator::fillPlace(QVariantList &row, const Company &company,
                                  const QString &addressGuid)
{
    const Place &place = company.place;
    row[C::cCCCode] = customerClassOfCity(*place.profile, place.city->code);
    row[C::cDCCode] = QString::fromUtf16(place.profile->districtCode);
    row[C::cCusWhCode] = QString::fromUtf16(place.profile->warehouseCode);
    row[C::cCusAddress] = m_places.address(place, ChineseWords::streetAddress(m_random));
    row[C::cCusAddressGUID] = addressGuid;
    row[C::cCusPostCode] = place.postCode;
    row[C::cProvince] = place.province->name;
    row[C::cCity] = place.city->name;
    row[C::cCounty] = place.county->name;
    row[C::cLocationSite] = hasMapPosition(company.code)
        ? QVariant(
            QStringLiteral("%1,%2").arg(place.latitude, 0, 'f', 6).arg(place.longitude, 0, 'f', 6))
        : QVariant();
    row[C::cCusPerson] = ChineseWords::personName(m_random);
    row[C::cCusPhone] = Places::phone(m_random, place);
    row[C::cCusFax] = m_random.chance(0.6) ? QVariant(Places::phone(m_random, place)) : QVariant();
    row[C::cCusHand] = Places::mobile(m_random);
    QString website;
    row[C::cCusEmail] = email(company, m_random.chance(0.4), website);
    row[C::cURL] = textOrNull(website);
    if (m_random.chance(0.9)) {
        const bool overseas = !QStringView(place.profile->nationCode).isEmpty();
        const CodeAndName &bank = m_random.pick(m_codes.banks);
        row[C::cCusBankCode] = bank.code;
        row[C::cCusBank] = overseas
            ? bank.name + m_places.namePrefix(place) + QStringLiteral("分行")
            : bank.name + m_places.namePrefix(place)
                + ChineseWords::shortPlaceName(place.county->name) + QStringLiteral("支行");
        row[C::cCusAccount] = QString::number(m_random.between(1000, 9999)) + m_random.digits(15);
    }
}

void CustomerGenerator::fillTerms(QVariantList &row, Company &company, const Company *head)
{
    const ProvinceProfile &profile = *company.place.profile;
    const int roll = m_random.below(100);
    static const char16_t *const grades[] = { u"AAA", u"AA", u"A", u"B" };
    const int rank = roll < 5 ? 0 : roll < 25 ? 1 : roll < 75 ? 2 : 3;
    static const double lowest[] = { 1000000, 200000, 20000, 0 };
    static const double highest[] = { 5000000, 1000000, 200000, 0 };
    company.creditLine =
        double(
            qRound64((lowest[rank] + m_random.unit() * (highest[rank] - lowest[rank])) / 10000.0))
        * 10000.0;
    company.rank = m_codes.ranks.value(rank, m_codes.ranks.value(0));
    company.department =
        rank == 0 && QStringView(profile.nationCode).isEmpty() && m_random.chance(0.6)
        ? kKeyAccountDepartment
        : QString::fromUtf16(profile.departmentCode);
    company.salesperson = m_random.pick(m_codes.personsByDepartment.value(company.department));
    const CodeAndName &payment = m_random.pick(m_codes.payConditions);
    company.credit = company.creditLine > 0 && m_random.chance(0.8);
    company.creditDate = company.credit && m_random.chance(0.5);
    company.creditDays = payment.name.toInt();
    company.protocols[0] = m_random.chance(0.5) ? pickAgreement(0, 1) : QString();
    if (!QStringView(profile.nationCode).isEmpty()) {
        company.protocols[1] = pickAgreement(2, 3);
        company.protocols[4] = m_random.chance(0.2) ? pickAgreement(12, 12) : QString();
    }
    company.protocols[2] = m_random.chance(0.05) ? pickAgreement(5, 9) : QString();
    company.protocols[3] = m_random.chance(0.03) ? pickAgreement(5, 5) : QString();
    // A branch takes its group's credit settings, as saving the group's card would give it.
    if (head) {
        company.creditLine = head->creditLine;
        company.credit = head->credit;
        company.creditDate = head->creditDate;
        company.creditDays = head->creditDays;
        for (int n = 0; n < 5; ++n)
            company.protocols[n] = head->protocols[n];
    }

    row[C::cCusDepart] = company.department;
    row[C::cCusPPerson] = company.salesperson;
    row[C::cCusPayCond] = payment.code;
    row[C::cCusSSCode] = m_random.pick(m_codes.settleStyles);
    row[C::cCusOType] = QStringView(profile.nationCode).isEmpty()
        ? m_random.pick(m_codes.shippingChoices)
        : kSeaShipping;
    row[C::CustomerKCode] = company.rank;
    row[C::cCusCreGrade] = QString::fromUtf16(grades[rank]);
    row[C::iCusCreLine] = company.creditLine;
    row[C::iCusCreDate] = company.creditDays;
    row[C::bCredit] = flag(company.credit);
    row[C::bCreditDate] = flag(company.creditDate);
    row[C::bCreditByHead] = flag(head && company.credit);
    row[C::cCusCreditCompany] = head ? head->code : company.code;
    row[C::cCusSAProtocol] = textOrNull(company.protocols[0]);
    row[C::cCusExProtocol] = textOrNull(company.protocols[1]);
    row[C::cCusCMProtocol] = textOrNull(company.protocols[2]);
    row[C::cCusOtherProtocol] = textOrNull(company.protocols[3]);
    row[C::cCusImAgentProtocol] = textOrNull(company.protocols[4]);
    static const char16_t *const types[] = { u"03", u"02", u"01", u"01" };
    row[C::cCusMngTypeCode] =
        m_random.chance(0.04) && m_codes.managementTypes.contains(QStringLiteral("04"))
        ? QStringLiteral("04")
        : m_codes.managementTypes.contains(QString::fromUtf16(types[rank]))
        ? QString::fromUtf16(types[rank])
        : m_codes.defaultManagementType;
    const bool retail = company.name.industry->tradeClassCode == u"0202";
    const int shop = retail ? (m_random.chance(0.6) ? 1 : 2) : 0;
    row[C::bShop] = shop;
    row[C::bOnGPinStore] = flag(shop == 2 && m_random.chance(0.5));
    const int grade = rank == 0 ? 3 : retail ? 2 : m_random.chance(0.1) ? -1 : 1;
    row[C::iCostGrade] = m_codes.priceGrades.contains(grade) || grade == -1 ? grade : -1;
    static const double discounts[] = { 5, 2, 0, 0 };
    row[C::iCusDisRate] = discounts[rank];
    row[C::fAdvancePaymentRatio] = rank == 3 ? 30.0 : 0.0;
    row[C::bLimitSale] = flag(m_random.chance(0.01));
    row[C::bRequestSign] = flag(m_random.chance(0.1));
    row[C::bServiceAttribute] = 0;
    row[C::bCusState] = 0;
    row[C::bLicenceDate] = 0;
    row[C::bBusinessDate] = 0;
    row[C::bProxy] = 0;
    row[C::bHomeBranch] = 0;
    row[C::bIsCusAttachFile] = 0;
}

void CustomerGenerator::fillCustomFields(QVariantList &row, const Company &company,
                                         const QDate &developed)
{
    const auto value = [&](const char16_t *list) -> QVariant {
        const QList<QString> values = m_codes.userDefineValues.value(QString::fromUtf16(list));
        return values.isEmpty() ? QVariant() : QVariant(m_random.pick(values));
    };
    row[C::cCusDefine1] = value(u"01");
    row[C::cCusDefine2] = value(u"02");
    row[C::cCusDefine3] = value(u"03");
    row[C::cCusDefine5] = value(u"05");
    row[C::cCusDefine11] = 2026 - developed.year();
    row[C::cCusDefine13] =
        cents(qMax(company.creditLine, 50000.0) / 10000.0 * (0.5 + m_random.unit() * 2.5));
    row[C::cCusDefine14] = double(m_random.between(600, 999)) / 10.0;
    row[C::cCusDefine15] = sqlDateTime(developed.addDays(m_random.below(60)));
}

void CustomerGenerator::fillExport(QVariantList &row, const Company &company)
{
    const ProvinceProfile &profile = *company.place.profile;
    const QString nation = QString::fromUtf16(profile.nationCode);
    const bool overseas = !nation.isEmpty();
    row[C::cCusExch_name] = QString::fromUtf16(profile.currency);
    row[C::bCusDomestic] = flag(!overseas);
    row[C::bCusOverseas] = flag(overseas);
    row[C::iCusTaxRate] = overseas ? 0.0 : 13.0;
    if (!overseas)
        return;
    row[C::cCusCountryCode] = nation;
    row[C::cCusEnName] = company.name.english.left(100);
    row[C::cCusEnAddr1] =
        m_pinyin.spelling(ChineseWords::shortPlaceName(company.place.county->name))
        + QStringLiteral(" District");
    row[C::cCusEnAddr2] = englishRegion(nation);
    row[C::cCusPortCode] = QString::fromUtf16(profile.portCode);
    row[C::cPrimaryVen] = m_random.pick(m_codes.serviceVendors);
    static const double commissions[] = { 1.5, 2, 3 };
    row[C::fCommisionRate] = commissions[m_random.below(3)];
    row[C::fInsueRate] = 0.3;
}

QVariantList CustomerGenerator::extraRow(const Company &company, const QVariantList &row)
{
    const int employees = row[C::iEmployeeNum].toInt();
    const QList<QString> sizes = m_codes.userDefineValues.value(QStringLiteral("11"));
    const QList<QString> modes = m_codes.userDefineValues.value(QStringLiteral("12"));
    const int size = employees >= 1000 ? 0 : employees >= 300 ? 1 : employees >= 50 ? 2 : 3;
    const QString trade = company.name.industry->tradeClassCode;
    const int mode = trade.startsWith(u"01") ? (m_random.chance(0.7) ? 0 : 3)
        : trade.startsWith(u"02")            ? 1
                                             : 2;
    const QVariant stores =
        row[C::bShop].toInt() > 0 ? QVariant(m_random.between(1, 200)) : QVariant();
    const QVariant visited = m_random.chance(0.6)
        ? QVariant(sqlDateTime(dateBetween(m_random, QDate(2026, 6, 1), kDemoYearEnd),
                               officeSecond(m_random)))
        : QVariant();
    static const QList<QString> invoiceNotes{ QStringLiteral("开票请注明合同号"),
                                              QStringLiteral("发票寄财务部"),
                                              QStringLiteral("按月汇总开票") };
    const QVariant note = m_random.chance(0.1) ? QVariant(m_random.pick(invoiceNotes)) : QVariant();
    return { company.code,
             textOrNull(sizes.value(size)),
             textOrNull(modes.value(mode)),
             row[C::cRegCash].toString().chopped(2).toDouble(),
             row[C::dCusDevDate],
             stores,
             visited,
             note };
}

QString CustomerGenerator::email(const Company &company, bool withWebsite, QString &website)
{
    if (withWebsite) {
        const QString domain = company.name.abbreviationInitials.toLower()
            + (QStringView(company.place.profile->code) == u"81" ? QStringLiteral(".com.hk")
                                                                 : QStringLiteral(".com.cn"));
        website = QStringLiteral("http://www.") + domain;
        static const QList<QString> boxes{ QStringLiteral("sales"), QStringLiteral("info"),
                                           QStringLiteral("purchase"), QStringLiteral("service") };
        return m_random.pick(boxes) + u'@' + domain;
    }
    if (m_random.chance(0.5))
        return QString::number(m_random.between(10000, 99999)) + m_random.digits(4)
            + QStringLiteral("@qq.com");
    static const QList<QString> mailHosts{ QStringLiteral("163.com"), QStringLiteral("126.com"),
                                           QStringLiteral("sina.com"),
                                           QStringLiteral("aliyun.com") };
    return m_pinyin.spelling(company.name.abbreviation.right(2)).toLower() + m_random.digits(3)
        + u'@' + m_random.pick(mailHosts);
}

QString CustomerGenerator::creditCode(const Place &place)
{
    if (!QStringView(place.profile->nationCode).isEmpty())
        return QString();
    static const QString characters = QStringLiteral("0123456789ABCDEFGHJKLMNPQRTUWXY");
    QString code = QStringLiteral("91") + place.county->code.left(6);
    for (int n = 0; n < 9; ++n)
        code.append(characters[m_random.below(int(characters.size()))]);
    return code + creditCodeCheck(code);
}

QString CustomerGenerator::pickAgreement(int firstKind, int lastKind)
{
    QList<QString> candidates;
    for (int kind = firstKind; kind <= lastKind; ++kind)
        candidates += m_codes.agreementsByKind.value(kind);
    return candidates.isEmpty() ? QString() : m_random.pick(candidates);
}

bool CustomerGenerator::flushCreditGroup(const RowSink &sink, QString &sMsg)
{
    const CreditGroup group = m_creditGroup;
    m_creditGroup = CreditGroup();
    if (group.code.isEmpty())
        return true;
    return sink(DemoTable::CreditSum,
                { group.code, group.line, cents(group.used), cents(group.line - group.used),
                  sqlDateTime(kDemoYearEnd, 18 * 3600) },
                sMsg);
}

bool CustomerGenerator::emitVendor(const Company &company, const QVariantList &row,
                                   const RowSink &sink, QString &sMsg)
{
    ++m_vendorsLinked;
    return sink(DemoTable::Vendor,
                { row[C::cRelVendor], company.name.name, company.name.abbreviation, row[C::cDCCode],
                  row[C::cCusTradeCCode], row[C::cCusLPerson], row[C::cCusAddress],
                  row[C::cCusPostCode], row[C::cCusPerson], row[C::cCusPhone], row[C::cCusFax],
                  row[C::cCusEmail], row[C::cCusHand], 0, company.code, row[C::dCusDevDate] },
                sMsg);
}

bool CustomerGenerator::emitStaging(const RowSink &sink, QString &sMsg)
{
    for (int n = 0; n < kStagingRows; ++n) {
        // The last rows are customers the archive already has (the service knows their code).
        const bool known = n >= kStagingRows - m_remembered.size();
        Company company;
        if (known) {
            company = m_remembered[n - (kStagingRows - int(m_remembered.size()))];
        } else {
            company.place = m_places.pick(m_random);
            company.name = m_names.make(m_random, m_places.namePrefix(company.place), false);
        }
        const QDate created = dateBetween(m_random, QDate(2026, 10, 1), QDate(2026, 11, 15));
        const QString department = QString::fromUtf16(company.place.profile->departmentCode);
        const QString owner = m_random.pick(m_codes.personsByDepartment.value(department));
        const QVariantList row{
            QString::number(880001 + n),
            8,
            known ? QVariant(company.code) : QVariant(),
            company.name.name,
            company.name.abbreviation,
            m_places.address(company.place, ChineseWords::streetAddress(m_random)),
            Places::phone(m_random, company.place),
            owner,
            owner,
            sqlDateTime(created, officeSecond(m_random)),
            owner,
            sqlDateTime(created.addDays(m_random.below(15)), officeSecond(m_random)),
            QString::number(m_random.between(10000, 99999)) + QStringLiteral("@qq.com"),
            m_random.chance(0.3) ? QVariant(ChineseWords::memo(m_random)) : QVariant(),
            m_random.chance(0.5) ? QVariant(Places::phone(m_random, company.place)) : QVariant(),
            QStringLiteral("%1,%2")
                .arg(company.place.latitude, 0, 'f', 6)
                .arg(company.place.longitude, 0, 'f', 6),
            m_codes.defaultManagementType,
            0,
            QString(),
            // One new row shows how a refused transfer leaves its reason in the list.
            n == 0 ? QStringLiteral("电话号码格式不正确") : QString(),
            customerClassOfCity(*company.place.profile, company.place.city->code),
            department,
        };
        if (!sink(DemoTable::Staging, row, sMsg))
            return false;
    }
    return true;
}

} // namespace demo
