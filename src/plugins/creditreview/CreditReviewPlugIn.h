#pragma once

#include "plugins/creditreview/CreditSuggestion.h"
#include "suite/plugin/IArchivePlugIn.h"

#include <QPointer>

namespace creditreview {

class CreditReviewPage;

// The credit review of the customer card. It takes part in a customer's card only when there
// is a stored customer to review (a new one has no receivables): Init says no for a new
// customer, and the card then unloads its page. The figures are read when the page is first
// shown for a record. Only a customer being modified may take the suggestion: the page then
// offers to set the grade and the line on the card, which the card disables for the record and
// marks for saving.
class CreditReviewPlugIn : public suite::IArchivePlugIn
{
public:
    ~CreditReviewPlugIn() override;

    void SetTarnArchiveDbSrv(std::shared_ptr<suite::IClsCommon> oDbSrv) override;
    bool Init(QString &cCode, suite::RecordSet &rs, std::shared_ptr<suite::ILogin> oLogin) override;
    void StartAdd() override;
    void StartModify() override;
    void LoadPlugInControls(QWidget *card, QTabWidget *tabs, qint16 reserved1, qint16 reserved2,
                            qint16 reserved3, qint16 reserved4) override;
    void UnLoadPlugInControls() override;
    void TabPageChanged(qint16 newIndex, qint16 previousIndex) override;
    void TarnArchiveDataChanged(const QString &xml) override;

private:
    void refresh();
    void accept();
    bool tell(const QString &eventName, const QVariant &eventData);
    QDate businessDate() const;

    std::shared_ptr<suite::IClsCommon> m_service;
    std::shared_ptr<suite::ILogin> m_login;
    QString m_code;
    bool m_acceptable = false;
    bool m_stale = true;
    CreditSuggestion m_suggestion;
    QPointer<QWidget> m_card;
    QPointer<QTabWidget> m_tabs;
    QPointer<CreditReviewPage> m_page;
};

} // namespace creditreview
