#pragma once

#include "suite/plugin/IArchivePlugIn.h"

#include <QString>

#include <functional>
#include <memory>

namespace suite {

// A loaded plug-in as the card and the list call it. Every call runs guarded: whatever the
// plug-in throws is written to the error log under the plug-in's name and goes no further, so
// a failing plug-in never takes its card down. Init works on copies of the code and the record
// set: a plug-in that fails half-way changes neither, and a record set it hands back closed is
// not taken in place of the card's open one.
class GuardedArchivePlugIn : public IArchivePlugIn
{
public:
    GuardedArchivePlugIn(QString name, std::shared_ptr<IArchivePlugIn> plugIn);

    const QString &name() const { return m_name; }

    void SetTarnArchiveDbSrv(std::shared_ptr<IClsCommon> oDbSrv) override;
    // False when the plug-in threw.
    bool Init(QString &cCode, RecordSet &rs, std::shared_ptr<ILogin> oLogin) override;
    void StartAdd() override;
    void StartModify() override;
    void LoadPlugInControls(QWidget *card, QTabWidget *tabs, qint16 reserved1, qint16 reserved2,
                            qint16 reserved3, qint16 reserved4) override;
    void UnLoadPlugInControls() override;
    void TabPageChanged(qint16 newIndex, qint16 previousIndex) override;
    void TarnArchiveDataChanged(const QString &xml) override;
    void setCurrentState(qint16 state) override;

private:
    // False when the call threw.
    bool guarded(const char *member, const std::function<void()> &call) const;

    QString m_name;
    std::shared_ptr<IArchivePlugIn> m_plugIn;
};

} // namespace suite
