#include "plugins/creditreview/CreditReviewPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace creditreview {

CreditReviewPage::CreditReviewPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("CreditReviewPage"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(12);
    m_asOf = new QLabel(this);
    m_asOf->setObjectName(QStringLiteral("LblAsOf"));
    layout->addWidget(m_asOf);
    m_figures = new QGridLayout;
    m_figures->setHorizontalSpacing(16);
    m_figures->setVerticalSpacing(8);
    m_figures->setColumnStretch(1, 1);
    layout->addLayout(m_figures);
    int row = 0;
    m_balance = addRow(row++, "Tarn.AA.PLUGIN.CREDITREVIEW.balance");
    m_oldest = addRow(row++, "Tarn.AA.PLUGIN.CREDITREVIEW.oldest");
    m_yearSales = addRow(row++, "Tarn.AA.PLUGIN.CREDITREVIEW.yearsales");
    m_creditCompany = addRow(row++, "Tarn.AA.PLUGIN.CREDITREVIEW.creditcompany");
    m_creditSums = addRow(row++, "Tarn.AA.PLUGIN.CREDITREVIEW.creditsums");
    m_current = addRow(row++, "Tarn.AA.PLUGIN.CREDITREVIEW.current");
    m_grade = addRow(row++, "Tarn.AA.PLUGIN.CREDITREVIEW.grade");
    m_line = addRow(row++, "Tarn.AA.PLUGIN.CREDITREVIEW.line");
    for (QLabel *suggested : { m_grade, m_line })
        suggested->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto *actions = new QHBoxLayout;
    m_accept = new QPushButton(this);
    m_accept->setObjectName(QStringLiteral("cmdAcceptCredit"));
    m_accept->setVisible(false);
    connect(m_accept, &QPushButton::clicked, this, [this] {
        if (m_onAccept)
            m_onAccept();
    });
    actions->addWidget(m_accept);
    m_outcome = new QLabel(this);
    m_outcome->setObjectName(QStringLiteral("LblOutcome"));
    m_outcome->setWordWrap(true);
    actions->addWidget(m_outcome, 1);
    layout->addLayout(actions);
    layout->addStretch(1);
    setCaptions();
}

QLabel *CreditReviewPage::addRow(int row, const char *captionKey)
{
    auto *caption = new QLabel(this);
    auto *value = new QLabel(this);
    value->setObjectName(QStringLiteral("Lbl") + QString::fromLatin1(captionKey).section(u'.', -1));
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_figures->addWidget(caption, row, 0);
    m_figures->addWidget(value, row, 1);
    m_captions.append({ caption, captionKey });
    return value;
}

void CreditReviewPage::setTexts(const CreditReviewTexts &texts)
{
    m_texts = texts;
    setCaptions();
}

void CreditReviewPage::setCaptions()
{
    for (const auto &[caption, key] : std::as_const(m_captions))
        caption->setText(m_texts.text(key));
    m_accept->setText(m_texts.text("Tarn.AA.PLUGIN.CREDITREVIEW.accept"));
}

void CreditReviewPage::showFigures(const CreditFigures &figures, const CreditSuggestion &suggestion,
                                   const QDate &asOf, const QString &currentGrade,
                                   const QString &currentLine)
{
    m_asOf->setText(m_texts.format("Tarn.AA.PLUGIN.CREDITREVIEW.asof", { m_texts.date(asOf) }));
    m_balance->setText(m_texts.amount(figures.balance));
    m_oldest->setText(oldestItemText(figures, suggestion));
    m_yearSales->setText(m_texts.amount(figures.yearSales));
    m_creditCompany->setText(figures.creditCompany);
    m_creditSums->setText(figures.creditSumsKnown
                              ? m_texts.format("Tarn.AA.PLUGIN.CREDITREVIEW.creditsumsvalue",
                                               { m_texts.amount(figures.creditLine),
                                                 m_texts.amount(figures.creditUsed),
                                                 m_texts.amount(figures.creditAvailable) })
                              : m_texts.text("Tarn.AA.PLUGIN.CREDITREVIEW.nocreditsums"));
    // The card's line as the other amounts read, unless it is no number.
    bool lineIsNumber = false;
    const double line = QString(currentLine).remove(u',').toDouble(&lineIsNumber);
    m_current->setText(
        m_texts.format("Tarn.AA.PLUGIN.CREDITREVIEW.currentvalue",
                       { currentGrade, lineIsNumber ? m_texts.amount(line) : currentLine }));
    m_grade->setText(suggestion.grade);
    m_line->setText(m_texts.amount(suggestion.line));
    m_outcome->clear();
}

QString CreditReviewPage::oldestItemText(const CreditFigures &figures,
                                         const CreditSuggestion &suggestion) const
{
    if (!figures.oldestOpenDate.isValid())
        return m_texts.text("Tarn.AA.PLUGIN.CREDITREVIEW.nooldest");
    const QStringList item{ m_texts.date(figures.oldestOpenDate), figures.oldestOpenVoucher,
                            m_texts.amount(figures.oldestOpenAmount),
                            QString::number(suggestion.overdueDays) };
    return suggestion.overdueDays > 0
        ? m_texts.format("Tarn.AA.PLUGIN.CREDITREVIEW.oldestitem", item)
        : m_texts.format("Tarn.AA.PLUGIN.CREDITREVIEW.oldestitemintime", item);
}

void CreditReviewPage::showReadError(const QString &reason)
{
    for (QLabel *value : { m_balance, m_oldest, m_yearSales, m_creditCompany, m_creditSums,
                           m_current, m_grade, m_line })
        value->clear();
    m_outcome->setText(m_texts.format("Tarn.AA.PLUGIN.CREDITREVIEW.readerror", { reason }));
    m_accept->setVisible(false);
}

void CreditReviewPage::setAcceptable(bool acceptable)
{
    m_accept->setVisible(acceptable);
    m_accept->setEnabled(acceptable);
}

void CreditReviewPage::showOutcome(bool taken)
{
    m_outcome->setText(m_texts.text(taken ? "Tarn.AA.PLUGIN.CREDITREVIEW.accepted"
                                          : "Tarn.AA.PLUGIN.CREDITREVIEW.refused"));
    m_accept->setEnabled(false);
}

} // namespace creditreview
