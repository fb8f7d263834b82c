#pragma once

#include "plugins/creditreview/CreditReviewTexts.h"
#include "plugins/creditreview/CreditSuggestion.h"

#include <QWidget>

#include <functional>

class QGridLayout;
class QLabel;
class QPushButton;

namespace creditreview {

// The credit review page on the customer card: the customer's receivables, its credit company's
// credit sums, the card's current grade and line beside the suggested ones, and the button that
// puts the suggestion on the card. Shows; decides nothing.
class CreditReviewPage : public QWidget
{
    Q_OBJECT

public:
    explicit CreditReviewPage(QWidget *parent = nullptr);

    void setTexts(const CreditReviewTexts &texts);
    void showFigures(const CreditFigures &figures, const CreditSuggestion &suggestion,
                     const QDate &asOf, const QString &currentGrade, const QString &currentLine);
    void showReadError(const QString &reason);
    // The suggestion may be put on the card (a customer being modified).
    void setAcceptable(bool acceptable);
    void showOutcome(bool taken);
    void setOnAccept(std::function<void()> onAccept) { m_onAccept = std::move(onAccept); }

    QPushButton *acceptButton() const { return m_accept; }

private:
    QLabel *addRow(int row, const char *captionKey);
    QString oldestItemText(const CreditFigures &figures, const CreditSuggestion &suggestion) const;
    void setCaptions();

    CreditReviewTexts m_texts;
    QList<std::pair<QLabel *, const char *>> m_captions;
    QGridLayout *m_figures = nullptr;
    QLabel *m_asOf = nullptr;
    QLabel *m_balance = nullptr;
    QLabel *m_oldest = nullptr;
    QLabel *m_yearSales = nullptr;
    QLabel *m_creditCompany = nullptr;
    QLabel *m_creditSums = nullptr;
    QLabel *m_current = nullptr;
    QLabel *m_grade = nullptr;
    QLabel *m_line = nullptr;
    QLabel *m_outcome = nullptr;
    QPushButton *m_accept = nullptr;
    std::function<void()> m_onAccept;
};

} // namespace creditreview
