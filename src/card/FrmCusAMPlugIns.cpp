// The customer card as host of the archive plug-ins: starting them for the record shown, the
// tab changes they hear of, and what they ask of the card (Talk) and tell it (PlugInNotice).
#include "card/FrmCusAM.h"

#include "card/PlugInNotices.h"
#include "card/PlugInTalkData.h"
#include "entry/GuardedProcedure.h"
#include "suite/controls/RefEdit.h"
#include "suite/core/ErrorLog.h"

#include <QTabWidget>

#include <utility>

namespace customer {

namespace {

constexpr int kCreditGradeEdt = 24;
constexpr int kCreditLineEdt = 25;
constexpr int kFullRight = 2;

void logRefusal(const QString &text)
{
    suite::ErrorLog::instance().warning(QStringLiteral("FrmCusAM.PlugInNotice"), text);
}

} // namespace

std::shared_ptr<suite::PlugInCollection> FrmCusAM::archivePlugin() const
{
    return m_plugIns.collection();
}

void FrmCusAM::setArchivePlugin(const std::shared_ptr<suite::PlugInCollection> &plugIns)
{
    m_plugIns.setCollection(plugIns);
}

// Runs last when a new customer was defaulted or a record loaded, so that the plug-ins read
// the card as the user sees it.
void FrmCusAM::StartPlugIns(suite::RecordSet &rs)
{
    releasePlugInFields();
    m_plugIns.start(m_iOpt, rs, this, SSTab1);
}

void FrmCusAM::SSTab1_Click(int index)
{
    const int previous = std::exchange(m_iPreviousTab, index);
    m_plugIns.tabChanged(index, previous);
}

QString FrmCusAM::Talk(const QString &requestID)
{
    PlugInTalkFields fields;
    fields.code = Edt(0)->text();
    fields.name = Edt(1)->text();
    fields.classCode = Edt(3)->text();
    fields.sendWarehouse = Edt(21)->text();
    fields.creditGrade = Edt(kCreditGradeEdt)->text();
    fields.creditLine = Edt(kCreditLineEdt)->text();
    return plugInTalkXml(requestID, fields);
}

void FrmCusAM::PlugInNotice(const QString &eventName, const QVariant &eventData,
                            QVariant &returnData, QObject *)
{
    runGuarded(QStringLiteral("FrmCusAM.PlugInNotice ") + eventName,
               [&] { takePlugInNotice(eventName, eventData, returnData); });
}

void FrmCusAM::takePlugInNotice(const QString &eventName, const QVariant &eventData,
                                QVariant &returnData)
{
    switch (plugInNoticeKind(eventName)) {
    case PlugInNoticeKind::Save:
        MarkModified();
        break;
    case PlugInNoticeKind::CreditGrade:
        returnData =
            takePlugInValue(QStringLiteral("cCusCreGrade"), kCreditGradeEdt, eventData.toString());
        break;
    case PlugInNoticeKind::CreditLine: {
        const std::optional<QString> line = plugInCreditLine(eventData);
        if (!line)
            logRefusal(
                QStringLiteral("The credit line %1 is no number.").arg(eventData.toString()));
        returnData = line && takePlugInValue(QStringLiteral("iCusCreLine"), kCreditLineEdt, *line);
        break;
    }
    case PlugInNoticeKind::Licenses:
        returnData = m_licences.addLicence(eventData.toString());
        break;
    case PlugInNoticeKind::LicensesForClient:
        m_licences.addClientLicence(eventData.toString(), returnData.toString());
        break;
    case PlugInNoticeKind::Unknown:
        break;
    }
}

// The field takes the value and is disabled: the plug-in keeps it for this record.
bool FrmCusAM::takePlugInValue(const QString &column, int edtIndex, const QString &value)
{
    suite::RefEdit *field = Edt(edtIndex);
    if (takesNoInput() || fieldRight(column) != kFullRight) {
        logRefusal(QStringLiteral("%1 cannot be set on this card.").arg(column));
        return false;
    }
    if (field->maxLength() > 0 && value.size() > field->maxLength()) {
        logRefusal(QStringLiteral("%1 holds %2 characters, not %3.")
                       .arg(column)
                       .arg(field->maxLength())
                       .arg(value));
        return false;
    }
    if (field->isEnabled())
        m_plugInFields.append({ field, true });
    field->setText(value);
    field->setEnabled(false);
    return true;
}

// The fields a plug-in kept belong to the record it kept them for.
void FrmCusAM::releasePlugInFields()
{
    for (const auto &[field, wasEnabled] : std::as_const(m_plugInFields)) {
        if (field)
            field->setEnabled(wasEnabled);
    }
    m_plugInFields.clear();
}

} // namespace customer
