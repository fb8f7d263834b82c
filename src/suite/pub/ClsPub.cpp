#include "suite/pub/ClsPub.h"

#include "suite/core/ErrorLog.h"
#include "suite/core/ObjectFactory.h"
#include "suite/core/SqlQuote.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/ConnectionText.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ILogin.h"
#include "suite/pub/FunctionLocks.h"
#include "suite/pub/MessageScript.h"
#include "suite/pub/ResourceTable.h"
#include "suite/pub/XmlTextRepair.h"

#include <QDateTime>
#include <QMessageBox>

namespace suite {

namespace {

constexpr const char *kWhere = "TarnPub.IPub";
constexpr int kInformation = 64;

std::shared_ptr<MessageScript> &installedScript()
{
    static std::shared_ptr<MessageScript> script;
    return script;
}

QMessageBox::Icon iconOf(const MessageStyle &style)
{
    switch (style.icon) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton buttonOf(int answer)
{
    switch (answer) {
    case MessageStyle::kCancel:
        return QMessageBox::Cancel;
    case MessageStyle::kYes:
        return QMessageBox::Yes;
    case MessageStyle::kNo:
        return QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

int showMessageBox(const QString &cText, const MessageStyle &style, const QString &cTitle)
{
    QMessageBox box(iconOf(style), cTitle, cText);
    const QList<int> answers = style.answers();
    for (int answer : answers)
        box.addButton(buttonOf(answer));
    box.setDefaultButton(buttonOf(style.defaultAnswer()));
    box.setEscapeButton(
        buttonOf(answers.contains(MessageStyle::kCancel) ? MessageStyle::kCancel : answers.last()));
    const auto pressed = QMessageBox::StandardButton(box.exec());
    for (int answer : answers) {
        if (buttonOf(answer) == pressed)
            return answer;
    }
    return style.defaultAnswer();
}

// The account and year whose modules count: those of the connection text, else the login's.
std::pair<QString, QString> accountYear(const QString &cDBName, const ILogin *login)
{
    QString sMsg;
    const std::optional<ConnectionText> connection = ConnectionText::parse(cDBName, sMsg);
    if (connection && !connection->accountId.isEmpty())
        return { connection->accountId, connection->year };
    if (login)
        return { login->cAcc_id(), login->cIYear() };
    return {};
}

} // namespace

void registerPubService()
{
    ObjectFactory::instance().registerClass(QLatin1String(IPub::kProgId),
                                            [] { return std::make_shared<ClsPub>(); });
}

ClsPub::ClsPub() = default;
ClsPub::~ClsPub() = default;

void ClsPub::installMessageScript(std::shared_ptr<MessageScript> script)
{
    installedScript() = std::move(script);
}

void ClsPub::Init(const std::shared_ptr<ILogin> &oLogin)
{
    m_login = oLogin;
    m_ownService.reset();
}

QString ClsPub::languageRegion() const
{
    return m_login ? m_login->LanguageRegion() : QString();
}

const ResourceTable &ClsPub::resources() const
{
    return ResourceTable::builtIn(languageRegion());
}

QString ClsPub::GetResString(const QString &cKey)
{
    return resources().text(cKey);
}

QString ClsPub::GetResFormatString(const QString &cKey, const QStringList &aArgs)
{
    return resources().format(cKey, aArgs);
}

QString ClsPub::GetFldCaption(const RecordSet &rsMeta, const QString &cField)
{
    const bool english = ResourceTable::tableLanguage(languageRegion()) == u"en-US";
    const int key = rsMeta.FieldIndex(QStringLiteral("cFieldName"));
    const int chinese = rsMeta.FieldIndex(QStringLiteral("cCaption"));
    const int localised = english ? rsMeta.FieldIndex(QStringLiteral("cEnCaption")) : chinese;
    if (!rsMeta.IsOpen() || key < 0 || chinese < 0)
        return cField;
    for (int row = 0; row < rsMeta.RecordCount(); ++row) {
        if (rsMeta.valueAt(row, key).toString().compare(cField, Qt::CaseInsensitive) != 0)
            continue;
        const QString caption =
            localised < 0 ? QString() : rsMeta.valueAt(row, localised).toString();
        return caption.isEmpty() ? rsMeta.valueAt(row, chinese).toString() : caption;
    }
    return cField;
}

int ClsPub::MsgBox(const QString &cText, int iStyle, const QString &cTitle)
{
    if (const std::shared_ptr<MessageScript> script = installedScript())
        return script->answer(cText, iStyle, cTitle);
    return showMessageBox(cText, MessageStyle::decode(iStyle), cTitle);
}

void ClsPub::inform(const QString &cText)
{
    MsgBox(cText, kInformation, GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information")));
}

FunctionLocks *ClsPub::locksFor(const ILogin &oLogin, QString &sMsg)
{
    const QString session = oLogin.KvDbName() + u'\n' + oLogin.cUserId().toLower();
    std::shared_ptr<FunctionLocks> &locks = m_locks[session];
    if (!locks) {
        locks = FunctionLocks::open(oLogin.KvDbName(), oLogin.cUserId(), oLogin.cUserName(),
                                    oLogin.LanguageRegion(), sMsg);
    }
    if (!locks)
        m_locks.remove(session);
    return locks.get();
}

bool ClsPub::IsLockFun(const std::shared_ptr<IClsCommon> &, const std::shared_ptr<ILogin> &oLogin,
                       const QString &cFunId, int iTask)
{
    if (!oLogin) {
        inform(GetResString(QStringLiteral("Tarn.AA.PUB.COMMON.nologin")));
        return true;
    }
    QString sMsg;
    FunctionLocks *locks = locksFor(*oLogin, sMsg);
    if (!locks) {
        inform(sMsg);
        return true;
    }
    const bool locked = locks->isLocked(cFunId, iTask, nullptr, sMsg);
    // In a read-only company the user is told that changes are not possible even when reading
    // may go on.
    if (locked || (locks->isReadOnly() && !sMsg.isEmpty()))
        inform(sMsg);
    else if (!sMsg.isEmpty())
        ErrorLog::instance().warning(kWhere, sMsg);
    return locked;
}

bool ClsPub::hasRow(IClsCommon &oSrv, const QString &sql, const char *where)
{
    const RecordSet found = oSrv.OpenX(sql);
    if (!found.IsOpen())
        ErrorLog::instance().error(QLatin1StringView(where), oSrv.LastError());
    return found.IsOpen() && found.RecordCount() > 0;
}

bool ClsPub::GetSysStart(const QString &cSysId, const QString &cDBName,
                         const std::shared_ptr<IClsCommon> &oSrv)
{
    const auto [account, year] = accountYear(cDBName, m_login.get());
    if (!oSrv || account.isEmpty() || year.toInt() == 0)
        return false;
    return hasRow(
        *oSrv,
        QStringLiteral("select bStarted from kvsystem..ua_account_sub where cAcc_Id=%1"
                       " and iYear=%2 and upper(cSub_Id)=%3 and bStarted=1")
            .arg(sqlUnicode(account), QString::number(year.toInt()), sqlUnicode(cSysId.toUpper())),
        "TarnPub.IPub.GetSysStart");
}

bool ClsPub::GetSysStart(const QString &cSysId, const QString &cDBName,
                         const std::shared_ptr<IClsCommon> &oSrv, const QString &)
{
    return GetSysStart(cSysId, cDBName, oSrv);
}

void ClsPub::InitArchEditParam(const std::shared_ptr<IClsCommon> &oSrv, const QString &cArch,
                               bool &bCanAdd, bool &bCanModify)
{
    bCanAdd = bCanModify = false;
    if (!oSrv)
        return;
    const RecordSet option = oSrv->OpenX(
        QStringLiteral("select bCanAdd, bCanModify from AA_ArchiveOption where cArch=%1")
            .arg(sqlUnicode(cArch)));
    if (!option.IsOpen()) {
        ErrorLog::instance().error(kWhere, oSrv->LastError());
        return;
    }
    bCanAdd = option.RecordCount() == 0 || option.valueAt(0, 0).toBool();
    bCanModify = option.RecordCount() == 0 || option.valueAt(0, 1).toBool();
}

QString ClsPub::GetSrvTime(const std::shared_ptr<IClsCommon> &oSrv)
{
    if (!oSrv)
        return {};
    const RecordSet now = oSrv->OpenX(QStringLiteral("select getdate()"));
    if (!now.IsOpen() || now.RecordCount() == 0) {
        ErrorLog::instance().error(kWhere, oSrv->LastError());
        return {};
    }
    const QVariant value = now.valueAt(0, 0);
    const QDateTime time = value.toDateTime();
    return time.isValid() ? time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : value.toString();
}

void ClsPub::UtoLCase(QString &sXML)
{
    sXML = lowerXmlNames(sXML);
}

QString ClsPub::geteleval(const XmlElement &oElement, const QString &cName)
{
    for (const auto &[name, value] : oElement.attributes()) {
        if (name.compare(cName, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

QString ClsPub::FormatNum(const QVariant &vValue, int iDigits)
{
    const QString text = vValue.toString().trimmed();
    if (vValue.isNull() || text.isEmpty())
        return {};
    bool isNumber = false;
    const double number = text.toDouble(&isNumber);
    return isNumber ? QString::number(number, 'f', qMax(0, iDigits)) : vValue.toString();
}

void ClsPub::FrmUnLoad()
{
    ++m_unloadCount;
}

void ClsPub::ConvertValidStr(QString &sXML)
{
    sXML = repairRecordXml(sXML);
}

IClsCommon *ClsPub::ownService()
{
    if (m_ownService)
        return m_ownService.get();
    if (!m_login) {
        ErrorLog::instance().error(kWhere,
                                   GetResString(QStringLiteral("Tarn.AA.PUB.COMMON.nologin")));
        return nullptr;
    }
    auto service = createObject<IClsCommon>(QString::fromLatin1(IClsCommon::kProgId));
    if (!service) {
        ErrorLog::instance().error(kWhere, QStringLiteral("the data service cannot be created"));
        return nullptr;
    }
    service->Init(m_login->KvDbName());
    if (!service->Status()) {
        ErrorLog::instance().error(kWhere, service->LastError());
        return nullptr;
    }
    m_ownService = std::move(service);
    return m_ownService.get();
}

} // namespace suite
