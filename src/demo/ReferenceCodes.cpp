#include "demo/ReferenceCodes.h"

#include "demo/ChineseWords.h"
#include "demo/ProvinceProfiles.h"

#include "suite/data/SqlConnection.h"

namespace demo {

namespace {

class Reader
{
public:
    Reader(suite::SqlConnection &connection, QString rowIdentity)
        : m_connection(connection)
        , m_rowIdentity(std::move(rowIdentity))
    { }

    // The hidden column whose order is the order the rows were inserted in.
    QString rowIdentity() const { return m_rowIdentity; }

    // The first column of every row.
    bool column(const QString &sql, QList<QString> &values)
    {
        return rows(sql, [&](const suite::RecordSet &rs) { values.append(text(rs, 0)); });
    }

    bool pairs(const QString &sql, QList<CodeAndName> &values)
    {
        return rows(sql, [&](const suite::RecordSet &rs) {
            values.append({ text(rs, 0), text(rs, 1) });
        });
    }

    template<typename Visit> bool rows(const QString &sql, Visit visit)
    {
        suite::RecordSet rs = m_connection.queryStatement(sql, {}, m_error);
        if (!rs.IsOpen())
            return false;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            visit(rs);
        return true;
    }

    static QString text(const suite::RecordSet &rs, int field)
    {
        return rs.Value(field).toString();
    }

    QString error() const { return m_error; }

private:
    suite::SqlConnection &m_connection;
    QString m_rowIdentity;
    QString m_error;
};

bool readGroups(Reader &reader, ReferenceCodes &codes)
{
    QList<CodeAndName> trades;
    QList<CodeAndName> persons;
    QList<CodeAndName> agreements;
    QList<CodeAndName> defineValues;
    QList<CodeAndName> users;
    QList<QString> grades;
    QList<QString> defaults;
    const bool ok = reader.pairs(QStringLiteral("select cTradeCCode, cTradeCName from TradeClass "
                                                "where bTradeCEnd = 1"),
                                 trades)
        && reader.pairs(QStringLiteral("select cDepCode, cPersonCode from Person "
                                       "order by cPersonCode"),
                        persons)
        && reader.pairs(QStringLiteral("select iLZYJ, cCode from AA_Agreement order by cCode"),
                        agreements)
        && reader.pairs(QStringLiteral("select cID, cValue from UserDefine order by cID, ")
                            + reader.rowIdentity(),
                        defineValues)
        && reader.pairs(QStringLiteral("select cPsn_Num, cUser_Id from UserHRPersonContro"), users)
        && reader.column(QStringLiteral("select cPriceID from sa_pricedef where bused = 1 "
                                        "order by cPriceID"),
                         grades)
        && reader.column(QStringLiteral("select type_code from tc_type where obj_type = 1 "
                                        "and stop_flag = 0 and bdefault = 1"),
                         defaults);
    for (const CodeAndName &trade : trades)
        codes.tradeClassNames.insert(trade.code, trade.name);
    for (const CodeAndName &person : persons)
        codes.personsByDepartment[person.code].append(person.name);
    for (const CodeAndName &agreement : agreements)
        codes.agreementsByKind[agreement.code.toInt()].append(agreement.name);
    for (const CodeAndName &value : defineValues)
        codes.userDefineValues[value.code].append(value.name);
    for (const CodeAndName &user : users)
        codes.userOfPerson.insert(user.code, user.name);
    for (const QString &grade : grades)
        codes.priceGrades.append(grade.toInt());
    codes.defaultManagementType = defaults.value(0);
    return ok;
}

bool readLists(Reader &reader, ReferenceCodes &codes)
{
    const bool ok = reader.column(QStringLiteral("select cCCCode from CustomerClass "
                                                 "where bCCEnd = 1 order by cCCCode"),
                                  codes.endCustomerClasses)
        && reader.column(QStringLiteral("select cDCCode from DistrictClass where bDCEnd = 1 "
                                        "order by cDCCode"),
                         codes.endDistricts)
        && reader.column(QStringLiteral("select cDepCode from Department where bDepEnd = 1 "
                                        "order by cDepCode"),
                         codes.endDepartments)
        && reader.column(QStringLiteral("select cWhCode from Warehouse order by cWhCode"),
                         codes.warehouses)
        && reader.pairs(QStringLiteral("select cPayCode, iPayCreDays from PayCondition "
                                       "order by cPayCode"),
                        codes.payConditions)
        && reader.column(QStringLiteral("select cSCCode from ShippingChoice order by cSCCode"),
                         codes.shippingChoices)
        && reader.column(QStringLiteral("select cSSCode from SettleStyle where bSSEnd = 1 "
                                        "order by cSSCode"),
                         codes.settleStyles)
        && reader.column(QStringLiteral("select type_code from tc_type where obj_type = 1 "
                                        "and stop_flag = 0 order by type_code"),
                         codes.managementTypes)
        && reader.column(QStringLiteral("select cCusRankCode from CustomerRank "
                                        "order by cCusRankCode"),
                         codes.ranks)
        && reader.pairs(QStringLiteral("select cBankCode, cBankName from AA_Bank "
                                       "order by cBankCode"),
                        codes.banks)
        && reader.column(QStringLiteral("select cVenCode from Vendor where bVenService = 1 "
                                        "order by cVenCode"),
                         codes.serviceVendors);
    return ok;
}

} // namespace

bool readReferenceCodes(suite::SqlConnection &company, ReferenceCodes &codes, QString &sMsg,
                        const QString &rowIdentity)
{
    Reader reader(company, rowIdentity);
    codes = ReferenceCodes();
    codes.userName = QStringLiteral("演示管理员");
    if (!readLists(reader, codes) || !readGroups(reader, codes)) {
        sMsg = QStringLiteral("cannot read the reference tables: %1").arg(reader.error());
        return false;
    }
    return true;
}

bool checkProfileCodes(const ReferenceCodes &codes, QString &sMsg)
{
    QStringList missing;
    const auto require = [&](const QList<QString> &present, const QString &code, const char *what) {
        if (!present.contains(code))
            missing.append(QStringLiteral("%1 %2").arg(QLatin1String(what), code));
    };
    const auto requireSome = [&](bool present, const char *what) {
        if (!present)
            missing.append(QLatin1String(what));
    };
    requireSome(!codes.payConditions.isEmpty(), "payment conditions");
    requireSome(codes.shippingChoices.contains(kSeaShipping), "the shipping choice by sea");
    requireSome(!codes.settleStyles.isEmpty(), "settle styles");
    requireSome(!codes.ranks.isEmpty(), "customer ranks");
    requireSome(!codes.banks.isEmpty(), "banks");
    requireSome(!codes.serviceVendors.isEmpty(), "service vendors");
    requireSome(!codes.personsByDepartment.value(kKeyAccountDepartment).isEmpty(),
                "salespersons of the key account department");
    for (const ProvinceProfile &profile : provinceProfiles()) {
        const QString classCode = QString::fromUtf16(profile.classCode);
        if (!codes.endCustomerClasses.contains(classCode)) {
            require(codes.endCustomerClasses, classCode + QStringLiteral("01"), "customer class");
            require(codes.endCustomerClasses, classCode + QStringLiteral("02"), "customer class");
        }
        require(codes.endDistricts, QString::fromUtf16(profile.districtCode), "district");
        const QString department = QString::fromUtf16(profile.departmentCode);
        require(codes.endDepartments, department, "department");
        if (codes.personsByDepartment.value(department).isEmpty())
            missing.append(QStringLiteral("salespersons of department %1").arg(department));
        require(codes.warehouses, QString::fromUtf16(profile.warehouseCode), "warehouse");
    }
    for (const Industry &industry : ChineseWords::industries()) {
        if (!codes.tradeClassNames.contains(industry.tradeClassCode))
            missing.append(QStringLiteral("trade class %1").arg(industry.tradeClassCode));
    }
    if (codes.defaultManagementType.isEmpty())
        missing.append(QStringLiteral("a default customer management type"));
    missing.removeDuplicates();
    if (!missing.isEmpty())
        sMsg =
            QStringLiteral("the reference data lacks %1").arg(missing.join(QStringLiteral(", ")));
    return missing.isEmpty();
}

} // namespace demo
