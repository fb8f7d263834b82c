#include "TestPlugInProbe.h"

#include "suite/login/ILogin.h"
#include "suite/plugin/IArchivePlugIn.h"

#include <QLabel>
#include <QPointer>
#include <QTabWidget>

#include <stdexcept>

// A customer-archive plug-in as a third party would build it: a library of its own that knows
// the component only through the plug-in interfaces. Its objects record every call in the
// library's probe, load a page onto the card that shows what Talk answered, and tell the card of
// their start, tab and data calls, so that the tests see the protocol from both sides.
namespace {

struct ProbeState
{
    QStringList calls;
    QList<int> callers;
    int objects = 0;
    QStringList talks;
    QStringList initAnswers;
    QString throwingMember;
    suite::IArchivePlugInHost *lastHost = nullptr;
    QPointer<QWidget> lastCard;
};

ProbeState &probe()
{
    static ProbeState state;
    return state;
}

void record(int caller, const QString &call)
{
    probe().calls.append(call);
    probe().callers.append(caller);
    if (call.section(u'(', 0, 0) == probe().throwingMember)
        throw std::runtime_error("test plug-in failure in " + call.toStdString());
}

class TestArchivePlugIn : public suite::IArchivePlugIn
{
public:
    void SetTarnArchiveDbSrv(std::shared_ptr<suite::IClsCommon> oDbSrv) override
    {
        record(m_serial, QStringLiteral("SetTarnArchiveDbSrv"));
        m_dbSrv = std::move(oDbSrv);
    }

    // Refuses a record until it has a data service, and reports the service it holds and the
    // user it was given through the code, which a real plug-in would only read.
    bool Init(QString &cCode, suite::RecordSet &rs, std::shared_ptr<suite::ILogin> oLogin) override
    {
        const QString given = rs.IsOpen()
            ? QStringLiteral("rs=") + rs.Value(QStringLiteral("cCusCode")).toString()
            : QStringLiteral("no rs");
        record(m_serial, QStringLiteral("Init(%1,%2)").arg(cCode, given));
        const QString answer = probe().initAnswers.isEmpty() ? QStringLiteral("accept")
                                                             : probe().initAnswers.takeFirst();
        if (answer == u"throw")
            throw std::runtime_error("test plug-in cannot start");
        if (!m_dbSrv || answer == u"refuse")
            return false;
        if (answer == u"close")
            rs = suite::RecordSet();
        cCode = QStringLiteral("%1|%2")
                    .arg(quintptr(m_dbSrv.get()))
                    .arg(oLogin ? oLogin->cUserId() : QString());
        return true;
    }

    void StartAdd() override
    {
        record(m_serial, QStringLiteral("StartAdd"));
        notify(QStringLiteral("StartAdd"), {});
    }

    void StartModify() override
    {
        record(m_serial, QStringLiteral("StartModify"));
        notify(QStringLiteral("StartModify"), {});
    }

    void LoadPlugInControls(QWidget *card, QTabWidget *tabs, qint16 a, qint16 b, qint16 c,
                            qint16 d) override
    {
        record(
            m_serial,
            QStringLiteral("LoadPlugInControls(%1,%2,%3,%4,%5,%6)")
                .arg(card ? card->objectName() : QString(), tabs ? tabs->objectName() : QString())
                .arg(a)
                .arg(b)
                .arg(c)
                .arg(d));
        m_host = suite::archivePlugInHost(card);
        m_card = card;
        probe().lastHost = m_host;
        probe().lastCard = card;
        const QString talk = m_host ? m_host->Talk(QStringLiteral("TestPlugIn")) : QString();
        probe().talks.append(talk);
        if (!tabs)
            return;
        if (!m_page) {
            m_page = new QLabel;
            tabs->addTab(m_page, QStringLiteral("Test plug-in"));
        }
        m_page->setText(talk);
    }

    void UnLoadPlugInControls() override
    {
        record(m_serial, QStringLiteral("UnLoadPlugInControls"));
        delete m_page;
        m_host = nullptr;
    }

    void TabPageChanged(qint16 newIndex, qint16 previousIndex) override
    {
        record(m_serial, QStringLiteral("TabPageChanged(%1,%2)").arg(newIndex).arg(previousIndex));
        notify(QStringLiteral("TabPageChanged"),
               QStringLiteral("%1>%2").arg(previousIndex).arg(newIndex));
    }

    void TarnArchiveDataChanged(const QString &xml) override
    {
        record(m_serial, QStringLiteral("TarnArchiveDataChanged(%1)").arg(xml));
        notify(QStringLiteral("TarnArchiveDataChanged"), xml);
    }

    void setCurrentState(qint16 state) override
    {
        record(m_serial, QStringLiteral("CurrentState(%1)").arg(state));
    }

private:
    void notify(const QString &eventName, const QVariant &eventData)
    {
        if (!m_host || !m_card)
            return;
        QVariant returnData;
        m_host->PlugInNotice(eventName, eventData, returnData, nullptr);
    }

    const int m_serial = ++probe().objects;
    std::shared_ptr<suite::IClsCommon> m_dbSrv;
    suite::IArchivePlugInHost *m_host = nullptr;
    QPointer<QWidget> m_card;
    QPointer<QLabel> m_page;
};

} // namespace

class TestArchivePlugInFactory : public QObject,
                                 public suite::IArchivePlugInFactory,
                                 public ITestPlugInProbe
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "suite.ArchivePlugIn/1.0")
    Q_INTERFACES(suite::IArchivePlugInFactory ITestPlugInProbe)

public:
    std::shared_ptr<suite::IArchivePlugIn> createPlugIn(const QString &archive) override
    {
        if (archive.compare(QStringLiteral("Customer"), Qt::CaseInsensitive) != 0)
            return nullptr;
        return std::make_shared<TestArchivePlugIn>();
    }

    QStringList calls() const override { return probe().calls; }
    QList<int> callers() const override { return probe().callers; }
    QStringList talks() const override { return probe().talks; }
    void setInitAnswers(const QStringList &answers) override { probe().initAnswers = answers; }
    void setThrowingMember(const QString &member) override { probe().throwingMember = member; }

    QVariant notify(const QString &eventName, const QVariant &eventData,
                    const QVariant &returnData) override
    {
        QVariant answer = returnData;
        if (probe().lastHost && probe().lastCard)
            probe().lastHost->PlugInNotice(eventName, eventData, answer, nullptr);
        return answer;
    }

    void reset() override { probe() = ProbeState(); }
};

#include "TestArchivePlugIn.moc"
