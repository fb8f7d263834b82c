#pragma once

#include "suite/core/XmlDocument.h"

#include <QList>
#include <QWidget>

#include <memory>

class QLineEdit;

namespace suite {
class IDeleteLog;
}

namespace customer {

class ArchiveEntry;

// The customer card: one customer added, viewed or modified.
class FrmCusAM : public QWidget
{
    Q_OBJECT

public:
    explicit FrmCusAM(QWidget *parent = nullptr);

    ArchiveEntry *m_cls = nullptr;
    bool m_InPotal = false;

    // The indexed field group; element 0 is the customer code.
    QLineEdit *Edt(int index) const;

    // Puts the card into its state: 11 add, 13 the customer Ele names, 14 the delete log of
    // objLog. False when the state cannot be entered.
    bool Init(int tOpt, const suite::XmlElement &Ele,
              const std::shared_ptr<suite::IDeleteLog> &objLog = nullptr);

    // The state Init entered, 0 before.
    int state() const { return m_state; }

private:
    QList<QLineEdit *> m_edt;
    int m_state = 0;
    std::shared_ptr<suite::IDeleteLog> m_log;
};

} // namespace customer
