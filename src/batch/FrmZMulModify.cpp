#include "batch/FrmZMulModify.h"

#include "batch/BatchModify.h"
#include "catalogue/SharedUtilities.h"
#include "entry/ArchiveEntry.h"
#include "entry/GuardedProcedure.h"
#include "entry/SessionContext.h"
#include "list/FrmCus.h"
#include "suite/controls/FindControl.h"
#include "suite/controls/FindFields.h"
#include "suite/controls/Grid.h"
#include "suite/controls/KeyHook.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <QVBoxLayout>

namespace customer {

namespace {

constexpr int kEscape = 27;

QString fieldColumnsStatement(const QString &mainTable)
{
    const bool archive = mainTable.compare(u"Customer", Qt::CaseInsensitive) == 0;
    return QStringLiteral("select  * from CustomerClass,DistrictClass,Person,PayCondition,"
                          "ShippingChoice,warehouse,Department,Vendor,")
        + (archive ? QStringLiteral("customer") : mainTable) + QStringLiteral(" where 1=2");
}

// The class field as the column information names it, bare or qualified with its table.
QString classField(const QString &colInfoXml)
{
    for (const suite::FindField &field : suite::findFieldsFromColInfo(colInfoXml)) {
        if (field.element.section(u'.', -1).compare(u"cCCCode", Qt::CaseInsensitive) == 0)
            return field.element;
    }
    return {};
}

} // namespace

FrmZMulModify::FrmZMulModify(ArchiveEntry *cls, QWidget *parent, bool classSetting)
    : QDialog(parent)
    , m_cls(cls)
    , Find(new suite::FindControl(this))
    , m_classSetting(classSetting)
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
        setWindowTitle(g_oPub->GetResString(
            m_classSetting ? QStringLiteral("Tarn.AA.ARCHIVE.TOOLBAR.setcusclass")
                           : QStringLiteral("Tarn.AA.PUB.LOCK.task7")));
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
        m_fieldColumns = g_oSrv->OpenX(fieldColumnsStatement(mainTable()));
    QString error;
    const QString caption =
        g_oPub ? g_oPub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.modify")) : QString();
    if (!Find->Setup(g_oLogin, g_cFieldCatalogXml, m_fieldColumns, error, caption,
                     QStringLiteral("(F8)"))) {
        ShowInfoMsg(error);
        reject();
        return;
    }
    if (m_classSetting && !Find->fixField(classField(g_cFieldCatalogXml))) {
        ShowInfoMsg(
            g_oPub->GetResFormatString(QStringLiteral("Tarn.AA.CUSTOMER.FRMMULMODIFY.nofield"),
                                       { QStringLiteral("cCCCode") }));
        reject();
        return;
    }
    handOverTickedRows();
}

void FrmZMulModify::handOverTickedRows()
{
    QMap<QString, QString> keys;
    QString keyField = QStringLiteral("cCusCode");
    if (FrmCus *list = listWindow()) {
        // The staging rows are told apart by their AutoID, the list's last column; many of them
        // have no customer code yet.
        const bool archive = list->variant().isCustomerList();
        const int column = archive ? list->iKeyPos : list->Grid->Cols() - 1;
        keyField = list->variant().keyField;
        for (int row = 1; row < list->Grid->Rows(); ++row) {
            if (list->Grid->TextMatrix(row, 1) == u"Y")
                keys.insert(QString::number(row), list->Grid->TextMatrix(row, column));
        }
    }
    Find->SetSelected(keyField, keys, mainTable());
}

void FrmZMulModify::Find_Confirm(const QString &field, const QString &caption, const QString &value,
                                 const QString &condition, const QString &description)
{
    BatchModify batch(mainTable(), columnKey());
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

QString FrmZMulModify::mainTable() const
{
    const FrmCus *list = listWindow();
    return list ? list->variant().mainTable : QStringLiteral("Customer");
}

QString FrmZMulModify::columnKey() const
{
    const FrmCus *list = listWindow();
    return list ? list->variant().columnKey : QStringLiteral("customer");
}

} // namespace customer
