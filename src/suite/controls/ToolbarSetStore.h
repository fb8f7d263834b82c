#pragma once

#include <QList>
#include <QString>

namespace suite {

class IClsCommon;

// One button of a stored toolbar set, in the set's order.
struct ToolbarSetEntry
{
    QString key;
    bool visible = true;
};

// The toolbar sets of the company database (table AA_ToolbarSet): per subsystem, set name and
// user, which buttons a toolbar shows and in which order. A user without a set of his own gets
// the set stored for every user (the empty user id).
class ToolbarSetStore
{
public:
    explicit ToolbarSetStore(IClsCommon &service);

    // The user's set, else the shared one; an empty list when neither exists. False (with
    // the reason in sMsg) when the sets cannot be read.
    bool read(const QString &cSubSysId, const QString &cSetName, const QString &cUserId,
              QList<ToolbarSetEntry> &entries, QString &sMsg);
    // Replaces the user's set in one transaction; an empty user id replaces the shared set.
    bool save(const QString &cSubSysId, const QString &cSetName, const QString &cUserId,
              const QList<ToolbarSetEntry> &entries, QString &sMsg);

private:
    bool readOf(const QString &cSubSysId, const QString &cSetName, const QString &cUserId,
                QList<ToolbarSetEntry> &entries, QString &sMsg);
    bool replace(const QString &cSubSysId, const QString &cSetName, const QString &cUserId,
                 const QList<ToolbarSetEntry> &entries);

    IClsCommon &m_service;
};

} // namespace suite
