// The customer card's command dispatcher, its toolbar and its keyboard.
#include "card/FrmCusAM.h"

#include "card/CardKeys.h"
#include "card/CardToolbar.h"
#include "entry/GuardedProcedure.h"
#include "entry/SessionContext.h"
#include "suite/controls/KeyHook.h"
#include "suite/controls/RefEdit.h"
#include "suite/controls/Toolbar.h"
#include "suite/login/ILogin.h"
#include "suite/pub/IPub.h"

#include <QTabWidget>

namespace customer {

namespace {

// The dialogs of the sub-records kept beside the customer.
bool isSubRecordKey(const QString &command)
{
    return command == u"invoice" || command == u"person" || command == u"privilege"
        || command == u"cusaddress" || command == u"cusbank";
}

bool isMoveKey(const QString &command)
{
    return command == u"first" || command == u"previous" || command == u"next"
        || command == u"last";
}

} // namespace

void FrmCusAM::InitToolbar()
{
    TLB2->setBusinessKey(QStringLiteral("Customer_Edit"));
    TLB2->setTextUnderIcons(true);
    if (g_oLogin)
        TLB2->setLogin(g_oLogin);
    TLB2->init(customerCardButtons(), g_oLogin ? g_oLogin->KvDbName() : g_cDBName, g_oLogin,
               QStringLiteral("Archives_Customer_Edit"), QStringLiteral("AS"));
    if (m_InPotal && g_oBusiness)
        TLB2->attachToBusiness(g_oBusiness);
}

void FrmCusAM::connectControls()
{
    connect(TLB2, &suite::Toolbar::buttonClicked, this,
            [this](const QString &key, const QString &) { Operating(key); });
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int index) {
        runGuarded(QStringLiteral("FrmCusAM.SSTab1_Click"), [&] { SSTab1_Click(index); });
    });
    connectEdits();
    connectReferenceFields();
}

void FrmCusAM::setButtonEnabled(const QString &key, bool enabled)
{
    TLB2->setButtonEnabled(key, enabled);
}

void FrmCusAM::setButtonVisible(const QString &key, bool visible)
{
    TLB2->setButtonVisible(key, visible);
}

void FrmCusAM::refreshToolbar()
{
    if (g_oPub)
        g_oPub->ReRefreshKvTlb(this);
}

bool FrmCusAM::Operating(const QString &key)
{
    bool done = false;
    runGuarded(QStringLiteral("FrmCusAM.Operating ") + key, [&] {
        const QString command = key.toLower();
        if (command == u"exit") {
            if (!m_bLoading) {
                ExitForm();
                done = true;
            }
            return;
        }
        if (command == u"savers" || command == u"saversnew")
            SaveCard(key);
        else if (command == u"delete")
            DeleteCard();
        else if (isMoveKey(command))
            MoveRecord(key);
        else if (isSubRecordKey(command))
            ShowSubRecords(key);
        else if (command == u"contact")
            ShowContacts();
        else
            return;
        refreshToolbar();
        done = true;
    });
    return done;
}

void FrmCusAM::ExitForm()
{
    close();
}

void FrmCusAM::installKeyHook()
{
    if (!g_oPub)
        return;
    if (suite::KeyHook *hook = g_oPub->hook(this)) {
        connect(hook, &suite::KeyHook::keyDown, this, [this](int key, int shift) {
            runGuarded(QStringLiteral("FrmCusAM.KvFrmKeyHook_KeyDown"),
                       [&] { onKeyDown(key, shift); });
        });
    }
}

void FrmCusAM::onKeyDown(int keyCode, int shift)
{
    if (g_oPub && g_oPub->FrmKeyDown(this, keyCode, shift))
        MarkModified();
    CardKeyState state;
    state.viewOnly = m_iOpenedBy == 2;
    state.loading = m_bLoading;
    state.openedFromList = m_iOpenedBy == 0;
    state.web = g_bIsWeb;
    state.exitEnabled = TLB2->isButtonEnabled(QStringLiteral("Exit"));
    state.saveEnabled = TLB2->isButtonEnabled(QStringLiteral("SaveRs"));
    state.saveNewEnabled = TLB2->isButtonEnabled(QStringLiteral("SaveRsNew"));
    const QString command = cardKeyCommand(keyCode, shift, state);
    if (command == u"Help") {
        if (g_oPub) {
            g_oPub->HelpX(this, g_bIsWeb, cardHelpContext(SSTab1->currentIndex()));
            g_oPub->ShowHelp(this, g_bIsWeb);
        }
    } else if (!command.isEmpty()) {
        Operating(command);
    }
}

} // namespace customer
