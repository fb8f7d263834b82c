#include "card/PlugInTalkData.h"

#include "suite/core/XmlDocument.h"

namespace customer {

namespace {

QString talkData(const QString &fieldName, const QString &value)
{
    return QStringLiteral("<TalkData FieldName=\"") + fieldName + QStringLiteral("\">")
        + suite::escapeXmlText(value) + QStringLiteral("</TalkData>");
}

} // namespace

QString plugInTalkXml(const QString &requestID, const PlugInTalkFields &fields)
{
    return QStringLiteral("<PlugInTalkData RequestID=\"") + suite::escapeXmlAttribute(requestID)
        + QStringLiteral("\" From=\"DRP\">") + talkData(QStringLiteral("cCusCode"), fields.code)
        + talkData(QStringLiteral("cCusName"), fields.name)
        + talkData(QStringLiteral("cCusCCode"), fields.classCode)
        + talkData(QStringLiteral("cSendWh"), fields.sendWarehouse)
        + talkData(QStringLiteral("cCusCreGrade"), fields.creditGrade)
        + talkData(QStringLiteral("iCusCreLine"), fields.creditLine)
        + QStringLiteral("</PlugInTalkData>");
}

} // namespace customer
