#pragma once

#include <QMainWindow>

class QLabel;
class QTabWidget;

namespace suite {
class ResourceTable;
}

namespace host {

// The host's portal: a main window whose tabs hold the function windows the component shows
// inside the portal. Its home page says which company database is open, for whom and when.
class PortalMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    struct Session
    {
        QString databasePath;
        QString userId;
        QString businessDate;
    };

    PortalMainWindow(const suite::ResourceTable &texts, const Session &session,
                     QWidget *parent = nullptr);

    // Adds a function window as a new tab and brings it to the front; returns at once.
    void showForm(QWidget *form, const QString &title);
    QTabWidget *tabs() const { return m_tabs; }
    QString companyDatabaseLine() const;

private:
    QWidget *createHomePage(const Session &session);

    const suite::ResourceTable &m_texts;
    QTabWidget *m_tabs = nullptr;
    QLabel *m_databaseLine = nullptr;
};

} // namespace host
