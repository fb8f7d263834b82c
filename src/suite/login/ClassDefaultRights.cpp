#include "suite/login/ClassDefaultRights.h"

#include "suite/core/ErrorLog.h"
#include "suite/core/SqlQuote.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/IClsCommon.h"

#include <QStringList>

namespace suite {

namespace {

const QStringList kKinds = { QStringLiteral("class"), QStringLiteral("district"),
                             QStringLiteral("trade") };

QString dataElement(const QString &classId, const QString &classCode)
{
    return QStringLiteral("<Data><cClassID>%1</cClassID><cClassCode>%2</cClassCode></Data>")
        .arg(escapeXmlText(classId), escapeXmlText(classCode));
}

} // namespace

ClassDefaultRights::ClassDefaultRights(IClsCommon &service)
    : m_service(service)
{ }

bool ClassDefaultRights::defaultsXml(const QString &busObId, const QString &kind,
                                     const QString &code, QString &sXml)
{
    sXml.clear();
    if (!kKinds.contains(kind, Qt::CaseInsensitive) || code.isEmpty())
        return false;
    // The nearest node first: the rows of the longest code that starts the asked one.
    const RecordSet rows = m_service.OpenX(
        QStringLiteral("select cCode, iADTID, cADCode from AA_ClassDefaultAuth where cBusObId=%1"
                       " and cKind=%2 and cCode=left(%3, len(cCode)) order by len(cCode) desc,"
                       " AutoID")
            .arg(sqlUnicode(busObId.toLower()), sqlUnicode(kind.toLower()), sqlUnicode(code)));
    if (!rows.IsOpen()) {
        ErrorLog::instance().error(QStringLiteral("suite.login.GetArchiveClass"),
                                   m_service.LastError());
        return false;
    }
    if (rows.RecordCount() == 0)
        return false;
    const QString nearest = rows.valueAt(0, 0).toString();
    QString data;
    for (int row = 0; row < rows.RecordCount() && rows.valueAt(row, 0).toString() == nearest; ++row)
        data += dataElement(rows.valueAt(row, 1).toString(), rows.valueAt(row, 2).toString());
    sXml = QStringLiteral("<TarnRowAuth>") + data + QStringLiteral("</TarnRowAuth>");
    return true;
}

QString ClassDefaultRights::rightsClassSql(const QString &busObId, const QString &code)
{
    return QStringLiteral("select top 1 iAuthClassId from AA_ClassAuthGroup where cBusObId=%1"
                          " and cCode=left(%2, len(cCode)) order by case cKind when N'class'"
                          " then 0 when N'trade' then 1 else 2 end, len(cCode) desc")
        .arg(sqlUnicode(busObId.toLower()), sqlUnicode(code));
}

} // namespace suite
