#pragma once

#include "suite/card/SubRecordKind.h"

#include <QString>

#include <memory>
#include <utility>

namespace suite {

class IClsCommon;
class IColumnSet;
class ILogin;
class IPub;
class RefClient;

// The one road of every sub-record dialog: read the parameters and rows, show the grid, give
// the fragment back on OK when the rows changed (false, fragment untouched, otherwise).
bool showSubRecordDialog(const SubRecordKind &kind, const std::shared_ptr<ILogin> &oLogin,
                         const std::shared_ptr<IPub> &oPub, const std::shared_ptr<IClsCommon> &oSrv,
                         QString &sXml);

// One sub-record kind behind its own interface.
template<class Interface> class ClsSubRecordDialog : public Interface
{
public:
    explicit ClsSubRecordDialog(SubRecordKind kind)
        : m_kind(std::move(kind))
    { }

    bool Show(const std::shared_ptr<ILogin> &oLogin, const std::shared_ptr<IPub> &oPub,
              const std::shared_ptr<IClsCommon> &oSrv, const std::shared_ptr<IColumnSet> &,
              QString &sXml, bool, RefClient *) override
    {
        return showSubRecordDialog(m_kind, oLogin, oPub, oSrv, sXml);
    }

private:
    SubRecordKind m_kind;
};

// Registers the five sub-record dialogs and the contact dialog under their ProgIDs.
void registerSubRecordDialogs();

} // namespace suite
