#pragma once

#include <QString>
#include <QStringList>

namespace suite {

class IClsCommon;
class SubRecordList;

// Writes the contacts a dialog edited back to Crm_Contact in one transaction: contacts no
// longer listed are deleted, listed ones updated by their OID, new ones inserted. The default
// contact becomes the customer's contact person (cCusPerson, cCusHand, cCusContactCode).
class ContactStore
{
public:
    explicit ContactStore(IClsCommon &srv)
        : m_srv(srv)
    { }

    // The next free contact code after the highest "LXR" number in use: LXR00000001, ...
    QString nextContactCode(int offset = 0);
    bool save(const QString &cCusCode, const QStringList &originalOids, const SubRecordList &list,
              QString &sMsg);

private:
    bool write(const QString &cCusCode, const QStringList &originalOids, const SubRecordList &list);
    bool updateCustomer(const QString &cCusCode, const SubRecordList &list);

    IClsCommon &m_srv;
};

} // namespace suite
