#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace suite {
class SqlConnection;
}

namespace demo {

// The department that looks after the largest customers wherever they are.
inline const QString kKeyAccountDepartment = QStringLiteral("0207");
// The shipping choice of customers overseas.
inline const QString kSeaShipping = QStringLiteral("04");

struct CodeAndName
{
    QString code;
    QString name;
};

// The codes of the company's reference tables that generated customers point at, read back
// from the tables once their rows are in, so that the seed script alone decides them.
struct ReferenceCodes
{
    QHash<QString, QString> tradeClassNames; // end trade classes
    QList<QString> endCustomerClasses;
    QList<QString> endDistricts;
    QList<QString> endDepartments;
    QHash<QString, QList<QString>> personsByDepartment;
    QList<QString> warehouses;
    QList<CodeAndName> payConditions; // name holds the credit days
    QList<QString> shippingChoices;
    QList<QString> settleStyles; // end styles only
    QList<QString> managementTypes; // customer types in use
    QString defaultManagementType;
    QList<QString> ranks;
    QHash<int, QList<QString>> agreementsByKind; // iLZYJ -> codes
    QList<CodeAndName> banks;
    QList<QString> serviceVendors;
    QList<int> priceGrades; // in use
    QHash<QString, QList<QString>> userDefineValues; // UserDefine.cID -> values
    QHash<QString, QString> userOfPerson; // salesperson -> the user who logs in as them
    QString userName; // who created and changed the demo data
};

// Reads the codes from an open company database; sMsg names the table that let it down. Lists
// without an order of their own come in the order the seed inserted them, which the backend's
// hidden row identity keeps (rowid on SQLite, ctid on PostgreSQL).
bool readReferenceCodes(suite::SqlConnection &company, ReferenceCodes &codes, QString &sMsg,
                        const QString &rowIdentity = QStringLiteral("rowid"));

// Checks that every code the province profiles and company names rely on exists as an end
// node of its table, and that every list the generator picks from has something in it.
bool checkProfileCodes(const ReferenceCodes &codes, QString &sMsg);

} // namespace demo
