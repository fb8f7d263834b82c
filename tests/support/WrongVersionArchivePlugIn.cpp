#include "suite/plugin/IArchivePlugIn.h"

// A customer-archive plug-in built against an older version of the plug-in interfaces: its
// metadata declares that version, and the manager must refuse it without running any of it.
class WrongVersionArchivePlugInFactory : public QObject, public suite::IArchivePlugInFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "suite.ArchivePlugIn/0.9")
    Q_INTERFACES(suite::IArchivePlugInFactory)

public:
    WrongVersionArchivePlugInFactory() { qFatal("a refused plug-in must never be created"); }

    std::shared_ptr<suite::IArchivePlugIn> createPlugIn(const QString &) override
    {
        return nullptr;
    }
};

#include "WrongVersionArchivePlugIn.moc"
