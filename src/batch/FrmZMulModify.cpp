#include "batch/FrmZMulModify.h"

#include "batch/BatchModify.h"
#include "catalogue/SharedUtilities.h"
#include "entry/ArchiveEntry.h"
#include "entry/GuardedProcedure.h"
#include "entry/SessionContext.h"
#include "list/FrmCus.h"
#include "suite/controls/FindControl.h"
#include "suite/controls/Grid.h"
#include "suite/controls/KeyHook.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <QVBoxLayout>

namespace customer {

namespace {

constexpr int kEscape = 27;

const QString kFieldColumnsStatement =
    QStringLiteral("select  * from CustomerClass,DistrictClass,Person,PayCondition,ShippingChoice,"
                   "warehouse,Department,Vendor,customer where 1=2");

} // namespace

FrmZMulModify::FrmZMulModify(ArchiveEntry *cls, QWidget *parent)
    : QDialog(parent)
    , m_cls(cls)
    , Find(new suite::FindControl(this))
{
    setObjectName(QStringLiteral("FrmZMulModify"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Find);
    connect(Find, &suite::FindControl::confirmed, this,
            [this](const QString &field, const QString &caption, const QString &value,
                   const QString &condition, const QString &description, bool) {
                runGuarded(QStringLiteral("FrmZMulModify.Find_Confirm"),
                           [&] { Find_Confirm(field, caption, value, condition, description); });
            });
    connect(Find, &suite::FindControl::cancelled, this, &QDialog::reject);
    Form_Load();
}

void FrmZMulModify::Form_Load()
{
    if (g_oPub) {
        g_oPub->FrmUniteFont(this);
        setWindowTitle(g_oPub->GetResString(QStringLiteral("Tarn.AA.PUB.LOCK.task7")));
        if (suite::KeyHook *hook = g_oPub->hook(this)) {
            connect(hook, &suite::KeyHook::keyDown, this, [this](int key, int) {
                if (key == kEscape)
                    reject();
            });
        }
    }
    resize(560, 320);
    m_firstActivation = true;
}

void FrmZMulModify::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_firstActivation)
        runGuarded(QStringLiteral("FrmZMulModify.Form_Activate"), [this] { Form_Activate(); });
}

void FrmZMulModify::Form_Activate()
{
    m_firstActivation = false;
    if (g_oSrv)
        m_fieldColumns = g_oSrv->OpenX(kFieldColumnsStatement);
    QString error;
    const QString caption =
        g_oPub ? g_oPub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.modify")) : QString();
    if (!Find->Setup(g_oLogin, g_cFieldCatalogXml, m_fieldColumns, error, caption,
                     QStringLiteral("(F8)"))) {
        ShowInfoMsg(error);
        reject();
        return;
    }
    handOverTickedRows();
}

void FrmZMulModify::handOverTickedRows()
{
    QMap<QString, QString> codes;
    if (FrmCus *list = listWindow()) {
        for (int row = 1; row < list->Grid->Rows(); ++row) {
            if (list->Grid->TextMatrix(row, 1) == u"Y")
                codes.insert(QString::number(row), list->Grid->TextMatrix(row, list->iKeyPos));
        }
    }
    Find->SetSelected(QStringLiteral("cCusCode"), codes, QStringLiteral("Customer"));
}

void FrmZMulModify::Find_Confirm(const QString &field, const QString &caption, const QString &value,
                                 const QString &condition, const QString &description)
{
    BatchModify batch;
    batch.confirm({ field, caption, value, condition, description });
}

void FrmZMulModify::done(int result)
{
    if (!m_unloaded) {
        m_unloaded = true;
        runGuarded(QStringLiteral("FrmZMulModify.Form_Unload"), [this] { Form_Unload(); });
    }
    QDialog::done(result);
}

void FrmZMulModify::Form_Unload()
{
    if (g_bCardSaved) {
        g_bCardSaved = false;
        if (FrmCus *list = listWindow())
            list->Operating(QStringLiteral("Refresh"));
    }
    if (g_oPub) {
        g_oPub->unhook(this);
        g_oPub->FrmUnLoad();
    }
}

FrmCus *FrmZMulModify::listWindow() const
{
    return m_cls ? qobject_cast<FrmCus *>(m_cls->listWindow()) : nullptr;
}

} // namespace customer
