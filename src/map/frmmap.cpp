#include "map/frmmap.h"

#include "map/BoundaryCentres.h"
#include "map/DivisionTable.h"
#include "map/MapOptions.h"
#include "map/MapPageAddress.h"
#include "map/MapScripts.h"
#include "suite/core/ErrorLog.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ILogin.h"
#include "suite/pub/IPub.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <exception>

namespace map {

namespace {

// A window procedure records what it throws and the window goes on.
template<typename Body> void guarded(const char *procedure, Body body)
{
    try {
        body();
    } catch (const std::exception &error) {
        suite::ErrorLog::instance().error(QLatin1String(procedure),
                                          QString::fromLocal8Bit(error.what()));
    } catch (...) {
        suite::ErrorLog::instance().error(QLatin1String(procedure),
                                          QStringLiteral("unknown error"));
    }
}

} // namespace

frmmap::frmmap(std::shared_ptr<suite::IPub> pub, std::shared_ptr<suite::ILogin> login,
               std::shared_ptr<suite::IClsCommon> srv, QWidget *parent)
    : QDialog(parent)
    , WebBrowser1(new QWebEngineView(this))
    , lbllongitude(new QLabel(this))
    , lbllatitude(new QLabel(this))
    , lbladdress(new QLabel(this))
    , edtlongitude(new QLineEdit(this))
    , edtlatitude(new QLineEdit(this))
    , edtaddress(new QLineEdit(this))
    , Cmdok(new QPushButton(this))
    , Cmdcancel(new QPushButton(this))
    , cmdLocal(new QPushButton(this))
    , Command1(new QPushButton(this))
    , Command2(new QPushButton(this))
    , m_pub(std::move(pub))
    , m_login(std::move(login))
    , m_srv(std::move(srv))
{
    setObjectName(QStringLiteral("frmmap"));
    const std::pair<QWidget *, const char *> names[] = {
        { WebBrowser1, "WebBrowser1" },   { lbllongitude, "lbllongitude" },
        { lbllatitude, "lbllatitude" },   { lbladdress, "lbladdress" },
        { edtlongitude, "edtlongitude" }, { edtlatitude, "edtlatitude" },
        { edtaddress, "edtaddress" },     { Cmdok, "Cmdok" },
        { Cmdcancel, "Cmdcancel" },       { cmdLocal, "cmdLocal" },
        { Command1, "Command1" },         { Command2, "Command2" },
    };
    for (const auto &[widget, name] : names)
        widget->setObjectName(QLatin1String(name));
    buildLayout();
    applyTexts();
    resize(960, 640);

    connect(WebBrowser1, &QWebEngineView::loadFinished, this, [this](bool ok) {
        guarded("frmmap.WebBrowser1_DocumentComplete", [&] { WebBrowser1_DocumentComplete(ok); });
    });
    connect(WebBrowser1, &QWebEngineView::titleChanged, this, [this](const QString &title) {
        guarded("frmmap.WebBrowser1_TitleChange", [&] { WebBrowser1_TitleChange(title); });
    });
    connect(cmdLocal, &QPushButton::clicked, this,
            [this] { guarded("frmmap.cmdLocal_Click", [&] { cmdLocal_Click(); }); });
    connect(Command1, &QPushButton::clicked, this,
            [this] { guarded("frmmap.Command1_Click", [&] { Command1_Click(); }); });
    connect(Command2, &QPushButton::clicked, this,
            [this] { guarded("frmmap.Command2_Click", [&] { Command2_Click(); }); });
    connect(Cmdok, &QPushButton::clicked, this,
            [this] { guarded("frmmap.Cmdok_Click", [&] { Cmdok_Click(); }); });
    connect(Cmdcancel, &QPushButton::clicked, this,
            [this] { guarded("frmmap.Cmdcancel_Click", [&] { Cmdcancel_Click(); }); });
}

frmmap::~frmmap() = default;

void frmmap::buildLayout()
{
    auto *fields = new QGridLayout;
    fields->addWidget(lbllongitude, 0, 0);
    fields->addWidget(edtlongitude, 0, 1);
    fields->addWidget(lbllatitude, 0, 2);
    fields->addWidget(edtlatitude, 0, 3);
    fields->addWidget(lbladdress, 1, 0);
    fields->addWidget(edtaddress, 1, 1, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch();
    buttons->addWidget(cmdLocal);
    buttons->addWidget(Cmdok);
    buttons->addWidget(Cmdcancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(WebBrowser1, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    lbllongitude->setBuddy(edtlongitude);
    lbllatitude->setBuddy(edtlatitude);
    lbladdress->setBuddy(edtaddress);
}

QString frmmap::res(const char *key) const
{
    return m_pub ? m_pub->GetResString(QLatin1String(key)) : QString::fromLatin1(key);
}

void frmmap::applyTexts()
{
    setWindowTitle(res("Tarn.AA.CUSTOMER.FRMMAP.caption"));
    lbllongitude->setText(res("Tarn.AA.CUSTOMER.FRMMAP.longitude"));
    lbllatitude->setText(res("Tarn.AA.CUSTOMER.FRMMAP.latitude"));
    lbladdress->setText(res("Tarn.AA.CUSTOMER.FRMMAP.address"));
    cmdLocal->setText(res("Tarn.AA.CUSTOMER.FRMMAP.pick"));
    Command1->setText(res("Tarn.AA.CUSTOMER.FRMMAP.show"));
    Command2->setText(res("Tarn.AA.CUSTOMER.FRMMAP.clear"));
    Cmdok->setText(res("Tarn.AA.ARCHIVE.BUTTON.ok"));
    Cmdcancel->setText(res("Tarn.AA.ARCHIVE.BUTTON.cancel"));
}

QString frmmap::installPath() const
{
    return m_login ? m_login->GetIstallPath() : QCoreApplication::applicationDirPath();
}

void frmmap::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        guarded("frmmap.Form_Load", [&] { Form_Load(); });
}

void frmmap::Form_Load()
{
    if (m_pub) {
        m_pub->FrmUniteFont(this);
        m_pub->FormLayout(this, QStringLiteral("CUSTOMER"));
    }
    setWindowTitle(res("Tarn.AA.CUSTOMER.FRMMAP.caption"));
    // The fields start empty on every showing: a confirm without a pick returns no position,
    // never the pick of an earlier customer.
    edtlongitude->clear();
    edtlatitude->clear();
    edtaddress->clear();
    setPureViewer(m_state.isPureViewer());
    cmdLocal->setEnabled(false);
    m_pageSettled = false;
    ++m_loading;
    const MapOptions options = MapOptions::readWithEnvironment(m_srv.get());
    const QUrl page = mapPageUrl(installPath(), options.tileUrl, options.geocoderUrl);
    // The page stays loaded between showings, which saves drawing the base map again: a new
    // showing on the same page clears what the last one left and goes on as after a load.
    if (page == m_loadedPage) {
        runScript(MapScripts::resetPage(!m_state.movesToAPlace()));
        WebBrowser1_DocumentComplete(true);
        return;
    }
    m_loadedPage.clear();
    m_requestedPage = page;
    WebBrowser1->setUrl(page);
}

void frmmap::setPureViewer(bool pureViewer)
{
    for (QWidget *control :
         std::initializer_list<QWidget *>{ edtlongitude, edtlatitude, edtaddress, lbllongitude,
                                           lbllatitude, lbladdress, Cmdok, cmdLocal })
        control->setVisible(!pureViewer);
}

void frmmap::runScript(const QString &script)
{
    WebBrowser1->page()->runJavaScript(script);
}

void frmmap::askPage(const QString &script, std::function<void(const QVariant &)> answer)
{
    QPointer<frmmap> self(this);
    WebBrowser1->page()->runJavaScript(script,
                                       [self, answer = std::move(answer)](const QVariant &value) {
                                           if (self)
                                               answer(value);
                                       });
}

void frmmap::runScripts(const QStringList &scripts)
{
    // Many calls go to the page in one message, still one after the other in their order: a
    // list of thousands of customers would otherwise wait on as many round trips.
    constexpr qsizetype kCallsPerMessage = 500;
    for (qsizetype first = 0; first < scripts.size(); first += kCallsPerMessage)
        runScript(scripts.mid(first, kCallsPerMessage).join(QStringLiteral(";\n")));
}

void frmmap::WebBrowser1_DocumentComplete(bool ok)
{
    if (ok && m_loadedPage.isEmpty())
        m_loadedPage = m_requestedPage;
    const int loading = m_loading;
    QPointer<frmmap> self(this);
    WebBrowser1->page()->runJavaScript(MapScripts::getOnLine() + QStringLiteral(";document.title"),
                                       [self, loading](const QVariant &title) {
                                           if (self && loading == self->m_loading
                                               && title.toString() == u"defined")
                                               self->cmdLocal->setEnabled(true);
                                       });
    if (m_state.searchesAddress())
        handLocalPlace();
    runScripts(m_state.scriptsAfterLoad());
    // Scripts run in the order they were sent: this answer comes after all of them.
    WebBrowser1->page()->runJavaScript(QStringLiteral("true"), [self, loading](const QVariant &) {
        if (!self || loading != self->m_loading)
            return;
        self->m_pageSettled = true;
        emit self->pageSettledChanged();
    });
}

// The page searches the address with a geocoder of the network when it has one that answers;
// otherwise it shows the division centre found here.
void frmmap::handLocalPlace()
{
    const std::optional<GeoPlace> place = geocoder().locate(m_state.defaultAddress());
    runScript(place ? MapScripts::setLocalPlace(place->longitude, place->latitude, place->name)
                    : MapScripts::setLocalPlace(0, 0, QString()));
}

const OfflineGeocoder &frmmap::geocoder()
{
    if (!m_geocoder) {
        m_geocoder = std::make_unique<OfflineGeocoder>();
        QString sMsg;
        if (m_srv)
            m_geocoder->setDivisions(readDivisionTable(*m_srv));
        if (!loadBoundaryCentres(mapPageFolder(installPath()), *m_geocoder, sMsg))
            suite::ErrorLog::instance().warning(QStringLiteral("frmmap.geocoder"), sMsg);
    }
    return *m_geocoder;
}

void frmmap::WebBrowser1_TitleChange(const QString &title)
{
    const std::optional<PickedPoint> point = MapState::parseTitle(title);
    if (!point)
        return;
    edtlongitude->setText(point->longitude);
    edtlatitude->setText(point->latitude);
    edtaddress->setText(point->address);
}

void frmmap::cmdLocal_Click()
{
    runScript(MapScripts::setCallWinForm());
}

void frmmap::Command1_Click()
{
    runScript(MapScripts::setLocationByPoint(edtlongitude->text(), edtlatitude->text()));
}

void frmmap::Command2_Click()
{
    runScript(MapScripts::clearOverlays());
}

void frmmap::Cmdok_Click()
{
    m_state.confirm({ edtlongitude->text(), edtlatitude->text(), edtaddress->text() });
    accept();
}

void frmmap::Cmdcancel_Click()
{
    m_state.cancel();
    reject();
}

void frmmap::done(int result)
{
    m_state.close();
    QDialog::done(result);
}

} // namespace map
