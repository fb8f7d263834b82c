#include "card/FrmCusAM.h"

#include "catalogue/SharedUtilities.h"

#include <QFormLayout>
#include <QLineEdit>

namespace customer {

namespace {

enum CardState { AddFromHost = 11, OpenFromHost = 13, DeleteLog = 14 };

} // namespace

FrmCusAM::FrmCusAM(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FrmCusAM"));
    auto *code = new QLineEdit(this);
    code->setObjectName(QStringLiteral("Edt0"));
    m_edt.append(code);
    auto *layout = new QFormLayout(this);
    layout->addRow(code);
}

QLineEdit *FrmCusAM::Edt(int index) const
{
    return index >= 0 && index < m_edt.size() ? m_edt.at(index) : nullptr;
}

bool FrmCusAM::Init(int tOpt, const suite::XmlElement &Ele,
                    const std::shared_ptr<suite::IDeleteLog> &objLog)
{
    switch (tOpt) {
    case AddFromHost:
        Edt(0)->clear();
        break;
    case OpenFromHost:
        if (Ele.isNull())
            return false;
        Edt(0)->setText(Ele.firstChildElement(QStringLiteral("ccuscode")).text().trimmed());
        break;
    case DeleteLog:
        if (!objLog)
            return false;
        m_log = objLog;
        break;
    default:
        return false;
    }
    m_state = tOpt;
    return true;
}

} // namespace customer
