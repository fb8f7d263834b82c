#pragma once

#include <QString>

namespace suite {

class IClsCommon;

// The options of one archive that the option dialog offers: whether records may be added and
// modified in the archive's windows (AA_ArchiveOption) and whether the mnemonic code is made
// from the name automatically (the account option AA "AutoCreateMnemCode" + archive).
struct ArchiveOptionValues
{
    bool canAdd = true;
    bool canModify = true;
    bool autoMnemonicCode = false;

    bool operator==(const ArchiveOptionValues &other) const = default;
};

class ArchiveOptionStore
{
public:
    ArchiveOptionStore(IClsCommon &oSrv, const QString &cArch);

    // An archive without a stored row may add and modify, as InitArchEditParam reads it.
    bool read(ArchiveOptionValues &values, QString &sMsg);
    // Stores all three in one transaction.
    bool save(const ArchiveOptionValues &values, QString &sMsg);
    // Only administrators (kvsystem ua_user.bAdmin) change the options of an archive.
    bool mayChange(const QString &cUserId, QString &sMsg);

private:
    bool saveAll(const ArchiveOptionValues &values);
    QString mnemonicOptionName() const;

    IClsCommon &m_srv;
    QString m_arch;
};

} // namespace suite
