#pragma once

#include <QString>

namespace suite {
class IClsCommon;
class IPub;
class IRowAuth;
class RecordSet;
} // namespace suite

namespace customer {

// The card as the customer's privilege list depends on it.
struct PrivilegeListOwner
{
    QString customerCode;
    // The card's operating state: 1 adding, 2 modifying.
    int opt = 1;
    bool readOnly = false;
    // The field-right level of the rights.
    int rightRights = 2;
    QString refUrl;
};

// The customer's data-rights rows as the card carries them to the save: the privilege list
//
//     <cusprivilege> <ccuscode>C001</ccuscode><row> <privilege_type>1</privilege_type> ...
//     </row><btextdata>1</btextdata></cusprivilege>
//
// which the marker btextdata declares complete. Choosing a class, district or trade gives the
// customer the rights that kind of class starts its records with, in place of the rights it
// had in those dimensions.
class PrivilegeList
{
public:
    PrivilegeList(suite::IClsCommon &service, suite::IPub &pub, suite::IRowAuth *rowAuth);

    // The list after the class code of kind ("class", "district", "trade") was chosen. A list
    // not yet complete is first completed from the rights stored for a customer being
    // modified, so the database is read once per card.
    QString RefreshCusPrivilege(const QString &rightsXml, const PrivilegeListOwner &owner,
                                const QString &kind, const QString &code);

    // The names of a rights dimension and of a value in it; empty when unknown or unreadable.
    QString GetADTName(const QString &value);
    QString GetADName(const QString &cADType, const QString &cADCode);

    static QString createdList(const PrivilegeListOwner &owner);
    static QString rebuiltList(const QString &customerCode, const suite::RecordSet &rights);
    static QString withCompleteMarker(QString list);
    static bool isComplete(const QString &list);
    static QString dimensionNameStatement(const QString &value);
    static QString valueNameStatement(const QString &cADType, const QString &cADCode);

private:
    QString completed(const QString &rightsXml, const PrivilegeListOwner &owner);
    QString withClassDefaults(const QString &list, const QString &defaultsXml);
    QString firstText(const QString &sql, const QString &column);

    suite::IClsCommon &m_service;
    suite::IPub &m_pub;
    suite::IRowAuth *m_rowAuth;
};

} // namespace customer
