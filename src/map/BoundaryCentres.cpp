#include "map/BoundaryCentres.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace map {

namespace {

struct RegisteredMap
{
    QString name;
    QJsonArray features;
};

// A boundary script calls registerMap('name', {GeoJSON}); the call's object is plain JSON.
bool readRegisteredMap(const QString &file, RegisteredMap &registered, QString &sMsg)
{
    QFile script(file);
    if (!script.open(QIODevice::ReadOnly)) {
        sMsg = script.errorString() + QStringLiteral(": ") + file;
        return false;
    }
    const QString text = QString::fromUtf8(script.readAll());
    const qsizetype call = text.indexOf(QLatin1String("registerMap('"));
    const qsizetype nameEnd = call < 0 ? -1 : text.indexOf(u'\'', call + 13);
    const qsizetype objectStart = nameEnd < 0 ? -1 : text.indexOf(u'{', nameEnd);
    // The call ends with "});", the script's wrapper after it with "}));".
    const qsizetype objectEnd = text.lastIndexOf(QLatin1String("});"));
    if (objectStart < 0 || objectEnd < objectStart) {
        sMsg = QStringLiteral("no map registered in ") + file;
        return false;
    }
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(
        text.mid(objectStart, objectEnd - objectStart + 1).toUtf8(), &error);
    if (!json.isObject()) {
        sMsg = error.errorString() + QStringLiteral(": ") + file;
        return false;
    }
    registered.name = text.mid(call + 13, nameEnd - call - 13);
    registered.features = json.object().value(QLatin1String("features")).toArray();
    return true;
}

template<typename AddCentre> void forEachCentre(const QJsonArray &features, AddCentre addCentre)
{
    for (const QJsonValue &feature : features) {
        const QJsonObject properties =
            feature.toObject().value(QLatin1String("properties")).toObject();
        const QJsonArray cp = properties.value(QLatin1String("cp")).toArray();
        const QString name = properties.value(QLatin1String("name")).toString();
        if (cp.size() == 2 && !name.isEmpty())
            addCentre(name, cp.at(0).toDouble(), cp.at(1).toDouble());
    }
}

} // namespace

QString boundaryScriptFolder(const QString &pageFolder)
{
    return QDir(pageFolder).filePath(QStringLiteral("node_modules/echarts/map/js"));
}

bool loadBoundaryCentres(const QString &pageFolder, OfflineGeocoder &geocoder, QString &sMsg)
{
    const QDir folder(boundaryScriptFolder(pageFolder));
    RegisteredMap china;
    if (!readRegisteredMap(folder.filePath(QStringLiteral("china.js")), china, sMsg))
        return false;
    forEachCentre(china.features, [&](const QString &name, double longitude, double latitude) {
        geocoder.addProvinceCentre(name, longitude, latitude);
    });
    const QDir provinces(folder.filePath(QStringLiteral("province")));
    for (const QString &file : provinces.entryList({ QStringLiteral("*.js") }, QDir::Files)) {
        RegisteredMap province;
        QString ignored;
        if (!readRegisteredMap(provinces.filePath(file), province, ignored))
            continue;
        forEachCentre(province.features,
                      [&](const QString &name, double longitude, double latitude) {
                          geocoder.addCentre(province.name, name, longitude, latitude);
                      });
    }
    return true;
}

} // namespace map
