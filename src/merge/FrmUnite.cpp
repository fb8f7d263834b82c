#include "merge/FrmUnite.h"

#include "catalogue/SharedUtilities.h"
#include "entry/ArchiveEntry.h"
#include "entry/GuardedProcedure.h"
#include "entry/SessionContext.h"
#include "list/FrmCus.h"
#include "merge/CustomerUnite.h"
#include "suite/controls/RefEdit.h"
#include "suite/data/IClsCommon.h"
#include "suite/pub/IPub.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace customer {

namespace {

// MsgBox styles: yes/no with the exclamation icon and "no" as default; yes/no with the
// question icon. The answers yes and no.
constexpr int kConfirmStyle = 308;
constexpr int kQuestionStyle = 36;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

QString res(const char *key)
{
    return g_oPub ? g_oPub->GetResString(QLatin1StringView(key)) : QString::fromLatin1(key);
}

QString resFormat(const char *key, const QStringList &args)
{
    return g_oPub ? g_oPub->GetResFormatString(QLatin1StringView(key), args)
                  : QString::fromLatin1(key);
}

} // namespace

FrmUnite::FrmUnite(ArchiveEntry *cls, QWidget *parent)
    : QDialog(parent)
    , m_cls(cls)
    , Frame1(new QGroupBox(this))
    , Lblcus1(new QLabel(Frame1))
    , Lblcus2(new QLabel(Frame1))
    , txtCus1(new suite::RefEdit(Frame1))
    , txtCus2(new suite::RefEdit(Frame1))
    , Cmdok(new QPushButton(this))
    , Cmdcancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("frmUnite"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtCus1->setObjectName(QStringLiteral("txtCus1"));
    txtCus2->setObjectName(QStringLiteral("txtCus2"));
    Cmdok->setObjectName(QStringLiteral("Cmdok"));
    Cmdcancel->setObjectName(QStringLiteral("Cmdcancel"));
    Lblcus1->setBuddy(txtCus1);
    Lblcus2->setBuddy(txtCus2);

    auto *fields = new QGridLayout(Frame1);
    fields->addWidget(Lblcus1, 0, 0);
    fields->addWidget(txtCus1, 0, 1);
    fields->addWidget(Lblcus2, 1, 0);
    fields->addWidget(txtCus2, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Cmdok);
    buttons->addWidget(Cmdcancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    connect(Cmdok, &QPushButton::clicked, this, [this] {
        runGuarded(QStringLiteral("frmUnite.Cmdok_Click"), [this] { Cmdok_Click(); });
    });
    connect(Cmdcancel, &QPushButton::clicked, this, &QDialog::reject);
    runGuarded(QStringLiteral("frmUnite.Form_Load"), [this] { Form_Load(); });
}

void FrmUnite::Form_Load()
{
    resize(420, 160);
    if (g_oPub) {
        g_oPub->FrmUniteFont(this);
        g_oPub->SetConPosition(this);
    }
    if (g_oSrv) {
        const suite::RecordSet columns =
            g_oSrv->OpenX(QStringLiteral("select cCusCode,cCusName from customer where 1=2"));
        const int nameSize = columns.IsOpen() ? columns.Fields().value(1).definedSize : 0;
        if (nameSize > 0) {
            txtCus1->setMaxLength(nameSize);
            txtCus2->setMaxLength(nameSize);
        }
    }
    for (suite::RefEdit *edit : { txtCus1, txtCus2 }) {
        edit->Init(g_oLogin, g_bIsWeb, g_cRefUrl + QStringLiteral("Customer_AA"));
        edit->setDataService(g_oSrv);
    }
    if (g_oPub) {
        g_oPub->SetUniteStyle(this, Cmdcancel, 1);
        g_oPub->SetUniteStyle(this, Cmdok, 2);
    }
    setWindowTitle(res("Tarn.AA.CUSTOMER.FRMUNITE.100_1"));
    Frame1->setTitle(res("Tarn.AA.CUSTOMER.FRMUNITE.100_1"));
    Cmdcancel->setText(res("Tarn.AA.ARCHIVE.BUTTON.cancel"));
    Cmdok->setText(res("Tarn.AA.ARCHIVE.BUTTON.ok"));
    Lblcus1->setText(res("Tarn.AA.CUSTOMER.FRMUNITE.cus1"));
    Lblcus2->setText(res("Tarn.AA.CUSTOMER.FRMUNITE.cus2"));
}

void FrmUnite::setCodes(const QString &code1, const QString &code2)
{
    txtCus1->setText(code1);
    txtCus1->setCodeValue(code1);
    txtCus2->setText(code2);
    txtCus2->setCodeValue(code2);
}

void FrmUnite::Cmdok_Click()
{
    const QString code1 = txtCus1->text();
    const QString code2 = txtCus2->text();
    switch (CustomerUnite::checkInput(code1, code2)) {
    case CustomerUnite::Input::Empty:
        ShowInfoMsg(res("Tarn.AA.CUSTOMER.FRMUNITE.16_1"));
        return;
    case CustomerUnite::Input::Same:
        ShowInfoMsg(res("Tarn.AA.CUSTOMER.FRMUNITE.19_1"));
        return;
    case CustomerUnite::Input::Ready:
        break;
    }
    if (!withinRights(code1, code2))
        return;
    if (confirmed(code1)) {
        if (!vendorQuestionAnswered(code1))
            return;
        QString sMsg;
        if (CustomerUnite::run(code1, code2, sMsg))
            ShowInfoMsg(res("Tarn.AA.ARCHIVE.COMMON.unitesuccess"));
        else
            ShowInfoMsg(sMsg);
    }
    closeAndRefresh();
}

// A customer the user may not change is reported before anything is asked; the window stays
// open so that the user can name another.
bool FrmUnite::withinRights(const QString &code1, const QString &code2)
{
    for (const QString &code : { code1, code2 }) {
        if (CustomerUnite::outsideRights(code.trimmed())) {
            ShowInfoMsg(resFormat("Tarn.AA.CUSTOMER.FRMUNITE.noright", { code.trimmed() }));
            return false;
        }
    }
    return true;
}

bool FrmUnite::confirmed(const QString &code1)
{
    return g_oPub
        && g_oPub->MsgBox(resFormat("Tarn.AA.CUSTOMER.FRMUNITE.24_1", { code1 }), kConfirmStyle,
                          res("Tarn.AA.ARCHIVE.COMMON.exclamation"))
        == kAnswerYes;
}

bool FrmUnite::vendorQuestionAnswered(const QString &code1)
{
    const std::optional<QString> vendor = CustomerUnite::linkedVendor(code1);
    if (!vendor)
        return true;
    return g_oPub->MsgBox(resFormat("Tarn.AA.CUSTOMER.FRMUNITE.32_1", { code1, *vendor, *vendor }),
                          kQuestionStyle, res("Tarn.AA.ARCHIVE.COMMON.exclamation"))
        != kAnswerNo;
}

void FrmUnite::closeAndRefresh()
{
    hide();
    if (m_cls) {
        if (auto *list = qobject_cast<FrmCus *>(m_cls->listWindow()))
            list->DataRefresh(list->lastCondition());
    }
    accept();
}

void FrmUnite::done(int result)
{
    if (!m_unloaded) {
        m_unloaded = true;
        if (g_oPub)
            g_oPub->FrmUnLoad();
    }
    QDialog::done(result);
}

} // namespace customer
