// The map module's entry: what the program finds when it loads the module.
#include "map/MapWindow.h"
#include "map/frmmap.h"

#include <QObject>

namespace map {

class MapWindowPlugIn : public QObject, public MapWindowFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID MAP_WINDOW_FACTORY_IID)
    Q_INTERFACES(map::MapWindowFactory)

public:
    std::unique_ptr<MapWindow> create(std::shared_ptr<suite::IPub> pub,
                                      std::shared_ptr<suite::ILogin> login,
                                      std::shared_ptr<suite::IClsCommon> srv) override
    {
        return std::make_unique<frmmap>(std::move(pub), std::move(login), std::move(srv));
    }
};

} // namespace map

#include "MapWindowPlugIn.moc"
