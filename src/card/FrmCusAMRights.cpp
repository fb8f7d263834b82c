// The customer card's field rights: which fields the user may see and change.
#include "card/FrmCusAM.h"

#include "card/CardFieldTable.h"
#include "entry/SessionContext.h"
#include "suite/card/AttachmentControl.h"
#include "suite/card/PictureControl.h"
#include "suite/login/ILogin.h"
#include "suite/pub/IPub.h"

#include <QPushButton>

namespace customer {

namespace {

constexpr int kFullRight = 2;

bool fieldRightsApply()
{
    return g_bNeedColAuth
        && ((g_cColAuthR != u"*" && !g_cColAuthR.isEmpty()) || !g_cColAuthN.isEmpty());
}

} // namespace

int FrmCusAM::fieldRight(const QString &column) const
{
    return m_fieldRights.value(column.toLower(), kFullRight);
}

void FrmCusAM::applyFieldRight(const QString &column)
{
    if (!fieldRightsApply() || !g_oPub)
        return;
    if (QWidget *control = GetControlByName(column))
        m_fieldRights.insert(column.toLower(),
                             g_oPub->ConAuthSet(this, control, column, g_cColAuthR, g_cColAuthN));
}

void FrmCusAM::ApplyFieldAuth()
{
    m_fieldRights.clear();
    if (fieldRightsApply() && g_oPub) {
        for (const CardControl &field : cardControls())
            applyFieldRight(field.column.toString());
        const int bank = std::min(fieldRight(QStringLiteral("cCusBank")),
                                  fieldRight(QStringLiteral("cCusAccount")));
        m_fieldRights.insert(QStringLiteral("ccusbank"), bank);
        m_fieldRights.insert(QStringLiteral("ccusaccount"), bank);
        m_fieldRights.insert(
            QStringLiteral("pictureguid"),
            g_oPub->ConAuthSet(this, Pic, QStringLiteral("PictureGUID"), g_cColAuthR, g_cColAuthN));
        m_fieldRights.insert(QStringLiteral("biscusattachfile"),
                             g_oPub->ConAuthSet(this, InvAttachfile1,
                                                QStringLiteral("bIsCusAttachFile"), g_cColAuthR,
                                                g_cColAuthN));
    }
    m_iRightAddr = fieldRight(QStringLiteral("cCusOAddress"));
    m_iRightInvoice = fieldRight(QStringLiteral("cInvoiceCompany"));
    m_iRightPerson = fieldRight(QStringLiteral("cCusPPerson"));
    m_iRightRights = fieldRight(QStringLiteral("cACName"));
    setButtonEnabled(QStringLiteral("CusBank"), fieldRight(QStringLiteral("cCusBank")) != 0);
    setButtonEnabled(QStringLiteral("CusAddress"), m_iRightAddr != 0);
    setButtonEnabled(QStringLiteral("Invoice"), m_iRightInvoice != 0);
    setButtonEnabled(QStringLiteral("Person"), m_iRightPerson != 0);
    setButtonEnabled(QStringLiteral("Privilege"), m_iRightRights != 0);
    setButtonEnabled(QStringLiteral("Contact"), !g_bIsWeb);
    if (!g_oLogin || g_oLogin->LanguageRegion().compare(u"zh-cn", Qt::CaseInsensitive) != 0)
        cmdMap->setVisible(false);
    Pic->SetRightLevel(fieldRight(QStringLiteral("PictureGUID")));
    InvAttachfile1->SetRightLevel(fieldRight(QStringLiteral("bIsCusAttachFile")));
}

} // namespace customer
