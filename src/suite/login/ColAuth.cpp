#include "suite/login/ColAuth.h"

#include "suite/core/ErrorLog.h"
#include "suite/core/SqlQuote.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/SuiteUser.h"

#include <QStringList>

namespace suite {

namespace {

const QString kWhere = QStringLiteral("suite.login.ColAuth");

} // namespace

ColAuth::ColAuth(std::shared_ptr<IClsCommon> service, const QString &userId)
    : m_service(std::move(service))
    , m_userId(userId)
{ }

QString ColAuth::GetAuthString(const QString &cXml)
{
    XmlDocument request;
    if (!request.loadXml(cXml)) {
        ErrorLog::instance().warning(kWhere,
                                     QStringLiteral("the column-rights request %1 does"
                                                    " not parse: %2")
                                         .arg(cXml, request.parseError()));
        return {};
    }
    const XmlElement root = request.documentElement();
    const QString busObId = root.attribute(QStringLiteral("cBusObId"));
    const QString level = root.attribute(QStringLiteral("cFuncId")).toUpper();
    if (busObId.isEmpty() || (level != u"R" && level != u"N")) {
        ErrorLog::instance().warning(
            kWhere,
            QStringLiteral("the column-rights request %1 needs a cBusObId and a cFuncId"
                           " of R or N")
                .arg(cXml));
        return {};
    }
    if (userKind(*m_service, m_userId) == UserKind::Administrator)
        return {};
    return fieldsOfLevel(busObId, level);
}

QString ColAuth::fieldsOfLevel(const QString &busObId, const QString &level)
{
    const RecordSet found = m_service->OpenX(
        QStringLiteral("select cFieldName from AA_HoldColAuth where cUser_Id=%1 and cBusObId=%2"
                       " and cLevel=%3 order by AutoID")
            .arg(sqlUnicode(m_userId), sqlUnicode(busObId.toLower()), sqlUnicode(level)));
    if (!found.IsOpen()) {
        ErrorLog::instance().error(kWhere, m_service->LastError());
        return {};
    }
    QStringList fields;
    for (int row = 0; row < found.RecordCount(); ++row)
        fields.append(found.valueAt(row, 0).toString());
    return fields.join(u',');
}

} // namespace suite
