#include "suite/card/ClsContact.h"

#include "suite/card/ContactStore.h"
#include "suite/card/SubRecordDialog.h"
#include "suite/card/SubRecordList.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ILogin.h"
#include "suite/pub/IPub.h"
#include "suite/pub/ResourceTable.h"

namespace suite {

namespace {

constexpr int kCritical = 16;
constexpr int kExclamation = 48;

QStringList oidsOf(const SubRecordList &list)
{
    const int oid = list.kind().storedIndex(QStringLiteral("OID"));
    QStringList oids;
    for (int i = 0; i < list.rowCount(); ++i)
        oids.append(list.row(i).values.value(oid));
    return oids;
}

} // namespace

void registerContactDialog()
{
    ObjectFactory::instance().registerClass(QLatin1String(IContact::kProgId),
                                            [] { return std::make_shared<ClsContact>(); });
}

void ClsContact::SetServices(const std::shared_ptr<IPub> &oPub,
                             const std::shared_ptr<IClsCommon> &oSrv)
{
    m_pub = oPub;
    m_srv = oSrv;
}

bool ClsContact::makeServices(const std::shared_ptr<ILogin> &oLogin)
{
    if (!m_pub && oLogin) {
        m_pub = createObject<IPub>(QLatin1String(IPub::kProgId));
        if (m_pub)
            m_pub->Init(oLogin);
    }
    if (!m_srv && oLogin) {
        m_srv = createObject<IClsCommon>(QLatin1String(IClsCommon::kProgId));
        if (m_srv)
            m_srv->Init(oLogin->KvDbName());
    }
    return m_pub && m_srv && m_srv->Status();
}

bool ClsContact::showCalledByCusomterArchive(const std::shared_ptr<ILogin> &oLogin,
                                             const QString &cCusCode, const QString &cCusName)
{
    if (!makeServices(oLogin))
        return false;
    const QString title = m_pub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information"));
    if (cCusCode.isEmpty()) {
        m_pub->MsgBox(m_pub->GetResString(QStringLiteral("Tarn.AA.SUBREC.CONTACT.nocustomer")),
                      kExclamation, title);
        return false;
    }
    SubRecordList list(contactKind());
    list.setCustomerCode(cCusCode);
    QString sMsg;
    if (!list.readRows(*m_srv, sMsg)) {
        m_pub->MsgBox(
            m_pub->GetResFormatString(QStringLiteral("Tarn.AA.SUBREC.COMMON.readfail"), { sMsg }),
            kCritical, title);
        return false;
    }
    const QStringList originalOids = oidsOf(list);
    ContactStore store(*m_srv);
    const int code = list.kind().storedIndex(QStringLiteral("cContactCode"));
    list.setRowInitializer([&store, code](SubRecordRow &row, int addedBefore) {
        row.values[code] = store.nextContactCode(addedBefore);
    });
    const ResourceTable &texts = ResourceTable::builtIn(oLogin->LanguageRegion());
    SubRecordDialog dialog(list, *m_srv, texts,
                           [&](const QString &text) { m_pub->MsgBox(text, kExclamation, title); });
    dialog.setWindowTitle(texts.format(list.kind().titleKey, { cCusName }));
    showModal(&dialog);
    if (dialog.result() != QDialog::Accepted)
        return false;
    if (store.save(cCusCode, originalOids, list, sMsg))
        return true;
    m_pub->MsgBox(
        m_pub->GetResFormatString(QStringLiteral("Tarn.AA.SUBREC.COMMON.savefail"), { sMsg }),
        kCritical, title);
    return false;
}

} // namespace suite
