#include "map/MapModule.h"

#include "map/MapWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace map {

QString MapModule::path()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral(CUSTOMER_ARCHIVE_MAP_MODULE));
}

MapWindowFactory *MapModule::factory(QString &sMsg)
{
    static MapWindowFactory *loaded = nullptr;
    if (loaded)
        return loaded;
    QPluginLoader loader(path());
    // Every symbol the module takes from the program is looked up now, so that a program
    // that does not export them gets a message instead of a crash later.
    loader.setLoadHints(QLibrary::ResolveAllSymbolsHint | QLibrary::PreventUnloadHint);
    QObject *root = loader.instance();
    loaded = qobject_cast<MapWindowFactory *>(root);
    if (!loaded) {
        // Qt names the library in some of its reasons only.
        const QString reason =
            root ? QStringLiteral("it is not the map module") : loader.errorString();
        sMsg = reason.contains(path()) ? reason : path() + QStringLiteral(": ") + reason;
    }
    return loaded;
}

} // namespace map
