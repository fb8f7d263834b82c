#pragma once

#include "map/MapState.h"
#include "map/MapWindow.h"
#include "map/OfflineGeocoder.h"

#include <QDialog>
#include <QUrl>

#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QWebEngineView;

namespace map {

// The customer map: customers' positions on the map page, one of them to pick (single mode,
// from the card) or all ticked ones as numbered, clustered markers (list mode, from the list).
// One window object serves the whole session; its longitude, latitude and address outlive
// each showing for the caller to read.
class frmmap : public QDialog, public MapWindow
{
    Q_OBJECT

public:
    frmmap(std::shared_ptr<suite::IPub> pub, std::shared_ptr<suite::ILogin> login,
           std::shared_ptr<suite::IClsCommon> srv, QWidget *parent = nullptr);
    ~frmmap() override;

    QString longitude() const { return m_state.longitude(); }
    QString latitude() const { return m_state.latitude(); }
    QString address() const { return m_state.address(); }
    QString defaultaddress() const { return m_state.defaultAddress(); }
    bool ismaplist() const { return m_state.isMapList(); }
    void setLongitude(const QString &value) { m_state.setLongitude(value); }
    void setLatitude(const QString &value) { m_state.setLatitude(value); }
    void setAddress(const QString &value) { m_state.setAddress(value); }
    void setDefaultaddress(const QString &value) { m_state.setDefaultAddress(value); }
    void setIsmaplist(bool value) { m_state.setIsMapList(value); }
    QDialog &dialog() override { return *this; }
    MapState &state() override { return m_state; }
    bool pageSettled() const override { return m_pageSettled; }

    QWebEngineView *WebBrowser1;
    QLabel *lbllongitude;
    QLabel *lbllatitude;
    QLabel *lbladdress;
    QLineEdit *edtlongitude;
    QLineEdit *edtlatitude;
    QLineEdit *edtaddress;
    QPushButton *Cmdok;
    QPushButton *Cmdcancel;
    QPushButton *cmdLocal;
    QPushButton *Command1;
    QPushButton *Command2;

    void askPage(const QString &script, std::function<void(const QVariant &)> answer) override;

signals:
    void pageSettledChanged();

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildLayout();
    void applyTexts();
    void Form_Load();
    void WebBrowser1_DocumentComplete(bool ok);
    void WebBrowser1_TitleChange(const QString &title);
    void cmdLocal_Click();
    void Command1_Click();
    void Command2_Click();
    void Cmdok_Click();
    void Cmdcancel_Click();
    void setPureViewer(bool pureViewer);
    void runScript(const QString &script);
    void runScripts(const QStringList &scripts);
    void handLocalPlace();
    const OfflineGeocoder &geocoder();
    QString installPath() const;
    QString res(const char *key) const;

    std::shared_ptr<suite::IPub> m_pub;
    std::shared_ptr<suite::ILogin> m_login;
    std::shared_ptr<suite::IClsCommon> m_srv;
    MapState m_state;
    std::unique_ptr<OfflineGeocoder> m_geocoder;
    bool m_pageSettled = false;
    int m_loading = 0; // counts the showings, so a late answer of an earlier page is ignored
    QUrl m_requestedPage;
    QUrl m_loadedPage; // the page kept loaded between showings; empty until one has loaded
};

} // namespace map
