#include "list/FrmSet.h"

#include "catalogue/SharedUtilities.h"
#include "entry/ArchiveEntry.h"
#include "entry/SessionContext.h"
#include "list/FrmCus.h"
#include "suite/colset/IColumnSet.h"
#include "suite/controls/ColumnSettings.h"
#include "suite/pub/IPub.h"
#include "suite/pub/ResourceTable.h"

#include <QScreen>
#include <QVBoxLayout>

namespace customer {

namespace {

constexpr int kWidthPixels = 700;
constexpr int kHeightPixels = 600;
constexpr int kExtraHeightTwips = 150;
constexpr int kTwipsPerInch = 1440;

const suite::ResourceTable &texts()
{
    return suite::ResourceTable::builtIn(g_oPub ? g_oPub->m_LocaleID() : QString());
}

} // namespace

FrmSet::FrmSet(ArchiveEntry *cls, QWidget *parent)
    : QDialog(parent)
    , m_cls(cls)
    , ColSet1(new suite::ColumnSettings(texts(), this))
{
    setObjectName(QStringLiteral("FrmSet"));
    ColSet1->setObjectName(QStringLiteral("ColSet1"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(ColSet1);
    connect(ColSet1, &suite::ColumnSettings::confirmed, this, &FrmSet::ColSet1_Confirm);
    connect(ColSet1, &suite::ColumnSettings::cancelled, this, &QDialog::reject);
    connect(ColSet1, &suite::ColumnSettings::reloadAllRequested, this, [this] { reload(0); });
    connect(ColSet1, &suite::ColumnSettings::reloadShownRequested, this, [this] { reload(2); });
    connect(ColSet1, &suite::ColumnSettings::reloadDefaultsRequested, this, [this] { reload(15); });
    Form_Load();
}

QSize FrmSet::fixedSize(QWidget *reference)
{
    const int twipsPerPixel = std::max(1, kTwipsPerInch / reference->logicalDpiY());
    return { kWidthPixels, kHeightPixels + kExtraHeightTwips / twipsPerPixel };
}

void FrmSet::Form_Load()
{
    if (g_oPub) {
        g_oPub->FrmUniteFont(this);
        g_oPub->FormLayout(this, QStringLiteral("CUSTOMER"));
        setWindowTitle(g_oPub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.columnset")));
    }
    setWindowIcon(QIcon());
    if (FrmCus *list = listWindow())
        setProperty("helpContext", list->property("helpContext"));
    ColSet1->setSaveOptionVisible(true);
    if (!g_cColInfoXml.isEmpty())
        ColSet1->setXml(g_cColInfoXml);
    else if (g_oColSet)
        ColSet1->setXml(g_oColSet->getColInfo(columnSetKey()));
    setFixedSize(fixedSize(this));
    if (const QScreen *shown = screen()) {
        const QRect area = shown->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
}

void FrmSet::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (g_oPub)
        g_oPub->ColSetResize(this, ColSet1);
}

void FrmSet::reload(int returnMode)
{
    if (g_oColSet)
        ColSet1->setXml(g_oColSet->getColInfo(columnSetKey(), returnMode));
}

// A set the service refuses to store still takes effect for this session.
void FrmSet::ColSet1_Confirm(bool save, const QString &xml)
{
    g_cColInfoXml = xml;
    if (save && g_oColSet) {
        QString stored = xml;
        if (!g_oColSet->Save(stored))
            ShowInfoMsg(stored);
    }
    if (g_oPub)
        g_cUnSavedColSet = g_oPub->GetUnSavedColSet(xml);
    hide();
    // Without the code column the list refuses the set and shows no rows, rather than reading
    // a page it cannot key.
    if (FrmCus *list = listWindow(); list && list->LoadHead())
        list->DataRefresh();
    accept();
}

void FrmSet::done(int result)
{
    if (g_oPub)
        g_oPub->FrmUnLoad();
    QDialog::done(result);
}

// The import list keeps its column set under its staging table.
QString FrmSet::columnSetKey() const
{
    const FrmCus *list = listWindow();
    return list ? list->variant().mainTable : customerListVariant().mainTable;
}

FrmCus *FrmSet::listWindow() const
{
    return m_cls ? qobject_cast<FrmCus *>(m_cls->listWindow()) : nullptr;
}

} // namespace customer
