#include "suite/login/ILogin.h"
#include "suite/plugin/IArchivePlugIn.h"

#include <QLabel>
#include <QPointer>
#include <QTabWidget>

// A customer-archive plug-in as a third party would build it: a library of its own that knows
// the component only through the plug-in interfaces. It tells the card about every call it gets
// once its controls are loaded, so that the tests see the protocol from the card's side.
namespace {

class TestArchivePlugIn : public suite::IArchivePlugIn
{
public:
    void SetTarnArchiveDbSrv(std::shared_ptr<suite::IClsCommon> oDbSrv) override
    {
        m_dbSrv = std::move(oDbSrv);
    }

    // Refuses a record until it has a data service, and reports the service it holds and the
    // user it was given through the code, which a real plug-in would only read.
    bool Init(QString &cCode, suite::RecordSet &, std::shared_ptr<suite::ILogin> oLogin) override
    {
        if (!m_dbSrv)
            return false;
        cCode = QStringLiteral("%1|%2")
                    .arg(quintptr(m_dbSrv.get()))
                    .arg(oLogin ? oLogin->cUserId() : QString());
        return true;
    }

    void StartAdd() override { notify(QStringLiteral("StartAdd"), {}); }
    void StartModify() override { notify(QStringLiteral("StartModify"), {}); }

    void LoadPlugInControls(QWidget *card, QTabWidget *tabs, qint16, qint16, qint16,
                            qint16) override
    {
        m_host = suite::archivePlugInHost(card);
        m_card = card;
        if (!tabs)
            return;
        m_page = new QLabel(m_host ? m_host->Talk(QStringLiteral("TestPlugIn")) : QString());
        tabs->addTab(m_page, QStringLiteral("Test plug-in"));
    }

    void UnLoadPlugInControls() override
    {
        delete m_page;
        m_host = nullptr;
    }

    void TabPageChanged(qint16 newIndex, qint16 previousIndex) override
    {
        notify(QStringLiteral("TabPageChanged"),
               QStringLiteral("%1>%2").arg(previousIndex).arg(newIndex));
    }

    void TarnArchiveDataChanged(const QString &xml) override
    {
        notify(QStringLiteral("TarnArchiveDataChanged"), xml);
    }

private:
    void notify(const QString &eventName, const QVariant &eventData)
    {
        if (!m_host || !m_card)
            return;
        QVariant returnData;
        m_host->PlugInNotice(eventName, eventData, returnData, nullptr);
    }

    std::shared_ptr<suite::IClsCommon> m_dbSrv;
    suite::IArchivePlugInHost *m_host = nullptr;
    QPointer<QWidget> m_card;
    QPointer<QLabel> m_page;
};

} // namespace

class TestArchivePlugInFactory : public QObject, public suite::IArchivePlugInFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "suite.ArchivePlugIn/1.0")
    Q_INTERFACES(suite::IArchivePlugInFactory)

public:
    std::shared_ptr<suite::IArchivePlugIn> createPlugIn(const QString &archive) override
    {
        if (archive.compare(QStringLiteral("Customer"), Qt::CaseInsensitive) != 0)
            return nullptr;
        return std::make_shared<TestArchivePlugIn>();
    }
};

#include "TestArchivePlugIn.moc"
