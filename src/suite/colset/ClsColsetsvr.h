#pragma once

#include "suite/colset/ColumnSet.h"
#include "suite/colset/IColumnSet.h"

#include <QHash>

#include <memory>
#include <optional>

namespace suite {

class ColumnSetStore;
class IClsCommon;

// The column-set service over the company database: the user's sets live in AA_ColumnSet,
// the default sets come from the registered catalogues or from the metadata dictionary.
class ClsColsetsvr : public IColumnSet
{
public:
    ClsColsetsvr();
    ~ClsColsetsvr() override;

    bool Init(const QString &cDBName, const QString &cUserId) override;
    bool setCatalogue(const QString &cKey, const QString &sXML, QString &sMsg) override;
    void MustCancelColumns(const QString &cList) override;
    QString getColInfo(const QString &cKey, int iReturnMode = FullInfo) override;
    RecordSet getColSet(const QString &cKey, int iReturnMode = FullInfo) override;
    QString GetSqlString(const QString &sXML) override;
    QString GetOrderString(const QString &sXML) override;
    bool Save(QString &sXML) override;
    int iCols() override;
    int GetFixedCols() override;

private:
    // The set of a mode, remembered for iCols and GetFixedCols; nullopt when not initialised.
    std::optional<ColumnSet> columnSet(const QString &cKey, int iReturnMode);
    ColumnSet defaultSet(const QString &cKey);
    ColumnSet userSet(const QString &cKey, const ColumnSet &defaults);
    bool refuse(QString &sXML, const QString &reason);

    std::shared_ptr<IClsCommon> m_service;
    std::unique_ptr<ColumnSetStore> m_store;
    QString m_userId;
    // Registered catalogues by lower-cased key.
    QHash<QString, ColumnSet> m_catalogues;
    // Lower-cased names given to MustCancelColumns.
    QStringList m_withdrawn;
    int m_visibleColumns = 0;
    int m_fixedColumns = 0;
};

// Makes ClsColsetsvr the class of "TarnColumnSetSvr.clsColsetsvr".
void registerColumnSetService();

} // namespace suite
