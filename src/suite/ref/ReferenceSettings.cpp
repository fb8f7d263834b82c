#include "suite/ref/ReferenceSettings.h"

#include "suite/core/XmlDocument.h"

namespace suite {

namespace {

QString attributeOf(const XmlElement &element, const QString &name)
{
    for (const auto &[attribute, value] : element.attributes()) {
        if (attribute.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return QString();
}

bool load(const QString &xml, XmlDocument &document, const QString &what, QString &sMsg)
{
    if (document.loadXml(xml))
        return true;
    sMsg = QStringLiteral("The %1 XML does not read: %2").arg(what, document.parseError());
    return false;
}

} // namespace

bool ReferenceSettings::read(const QString &refSetXml, ReferenceSettings &settings, QString &sMsg)
{
    if (refSetXml.trimmed().isEmpty()) {
        settings = ReferenceSettings();
        return true;
    }
    XmlDocument document;
    if (!load(refSetXml, document, QStringLiteral("reference-set"), sMsg))
        return false;
    const XmlElement refSet = document.selectSingleNode(QStringLiteral("//RefSet"));
    ReferenceSettings read;
    read.filterSql = attributeOf(refSet, QStringLiteral("cRefFilterSql")).trimmed();
    read.returnField = attributeOf(refSet, QStringLiteral("cRetFld")).trimmed();
    read.showField = attributeOf(refSet, QStringLiteral("cShowFld")).trimmed();
    const QString style = attributeOf(refSet, QStringLiteral("iRetStyle")).trimmed();
    if (!style.isEmpty()) {
        bool ok = false;
        read.returnStyle = style.toInt(&ok);
        if (!ok) {
            sMsg = QStringLiteral("iRetStyle='%1' is not a number.").arg(style);
            return false;
        }
    }
    settings = read;
    return true;
}

bool readReferenceConditions(const QString &conditionXml, ReferenceParameters &parameters,
                             QString &sMsg)
{
    if (conditionXml.trimmed().isEmpty()) {
        parameters.clear();
        return true;
    }
    XmlDocument document;
    if (!load(conditionXml, document, QStringLiteral("condition"), sMsg))
        return false;
    ReferenceParameters read;
    for (const XmlElement &condition : document.selectNodes(QStringLiteral("//Condition"))) {
        QString name = attributeOf(condition, QStringLiteral("paramName")).trimmed();
        if (name.isEmpty() || name == u"@") {
            sMsg =
                QStringLiteral("A reference condition names no parameter: %1").arg(condition.xml());
            return false;
        }
        if (!name.startsWith(u'@'))
            name.prepend(u'@');
        read.append({ name, attributeOf(condition, QStringLiteral("paramValue")) });
    }
    parameters = read;
    return true;
}

} // namespace suite
