#include "plugins/creditreview/CreditReviewPlugIn.h"

#include "plugins/creditreview/CreditFigures.h"
#include "plugins/creditreview/CreditReviewPage.h"
#include "plugins/creditreview/CreditReviewTexts.h"
#include "suite/login/ILogin.h"

#include <QTabWidget>
#include <QXmlStreamReader>

namespace creditreview {

namespace {

// The value of one field in the card's Talk answer.
QString talkValue(const QString &talk, QStringView fieldName)
{
    QXmlStreamReader reader(talk);
    while (reader.readNextStartElement()) {
        if (reader.name() == u"PlugInTalkData")
            continue;
        if (reader.attributes().value(QStringLiteral("FieldName")) == fieldName)
            return reader.readElementText();
        reader.skipCurrentElement();
    }
    return {};
}

} // namespace

CreditReviewPlugIn::~CreditReviewPlugIn()
{
    delete m_page;
}

void CreditReviewPlugIn::SetTarnArchiveDbSrv(std::shared_ptr<suite::IClsCommon> oDbSrv)
{
    m_service = std::move(oDbSrv);
}

bool CreditReviewPlugIn::Init(QString &cCode, suite::RecordSet &,
                              std::shared_ptr<suite::ILogin> oLogin)
{
    m_code = cCode;
    m_login = std::move(oLogin);
    m_acceptable = false;
    m_stale = true;
    return m_service && !m_code.isEmpty();
}

void CreditReviewPlugIn::StartAdd()
{
    m_acceptable = false;
}

void CreditReviewPlugIn::StartModify()
{
    m_acceptable = true;
}

void CreditReviewPlugIn::LoadPlugInControls(QWidget *card, QTabWidget *tabs, qint16, qint16, qint16,
                                            qint16)
{
    m_card = card;
    m_tabs = tabs;
    if (!tabs)
        return;
    const CreditReviewTexts texts(m_login ? m_login->LanguageRegion() : QString());
    if (!m_page) {
        m_page = new CreditReviewPage;
        m_page->setOnAccept([this] { accept(); });
        tabs->addTab(m_page, texts.text("Tarn.AA.PLUGIN.CREDITREVIEW.caption"));
    }
    m_page->setTexts(texts);
    m_page->setAcceptable(m_acceptable);
    if (tabs->currentWidget() == m_page)
        refresh();
}

void CreditReviewPlugIn::UnLoadPlugInControls()
{
    delete m_page;
}

void CreditReviewPlugIn::TabPageChanged(qint16 newIndex, qint16)
{
    if (m_stale && m_page && m_tabs && m_tabs->widget(newIndex) == m_page)
        refresh();
}

// Invoice units and delivery addresses leave the receivables as they are.
void CreditReviewPlugIn::TarnArchiveDataChanged(const QString &) { }

void CreditReviewPlugIn::refresh()
{
    if (!m_page || !m_service)
        return;
    m_stale = false;
    const QDate asOf = businessDate();
    CreditFigures figures;
    QString sMsg;
    if (!CreditFiguresReader(*m_service).read(m_code, asOf, figures, sMsg)) {
        m_page->showReadError(sMsg);
        return;
    }
    m_suggestion = suggestCredit(figures, asOf);
    suite::IArchivePlugInHost *host = suite::archivePlugInHost(m_card);
    const QString talk = host ? host->Talk(QStringLiteral("CreditReview")) : QString();
    m_page->showFigures(figures, m_suggestion, asOf, talkValue(talk, u"cCusCreGrade"),
                        talkValue(talk, u"iCusCreLine"));
    m_page->setAcceptable(m_acceptable);
}

// The card answers whether it took a value; a card that does not answer took it.
bool CreditReviewPlugIn::tell(const QString &eventName, const QVariant &eventData)
{
    suite::IArchivePlugInHost *host = suite::archivePlugInHost(m_card);
    if (!host)
        return false;
    QVariant returnData;
    host->PlugInNotice(eventName, eventData, returnData, nullptr);
    return !returnData.isValid() || returnData.toBool();
}

void CreditReviewPlugIn::accept()
{
    const bool gradeTaken = tell(QStringLiteral("cCusCreGrade"), m_suggestion.grade);
    const bool lineTaken =
        tell(QStringLiteral("iCusCreLine"), QString::number(m_suggestion.line, 'f', 2));
    const bool taken = gradeTaken && lineTaken;
    if (taken)
        tell(QStringLiteral("Button_SAVE"), QVariant());
    if (m_page)
        m_page->showOutcome(taken);
}

QDate CreditReviewPlugIn::businessDate() const
{
    const QDate date = m_login ? QDate::fromString(m_login->CurDate(), Qt::ISODate) : QDate();
    return date.isValid() ? date : QDate::currentDate();
}

} // namespace creditreview
