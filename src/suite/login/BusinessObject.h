#pragma once

#include "suite/login/IBusiness.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace suite {

// What the portal does for the business object; the host's main window provides both.
struct PortalHost
{
    // Adds the form to the portal as a tab with the title and returns at once.
    std::function<void(QWidget *form, const QString &title)> showForm;
    // Brings a form the portal shows to the front.
    std::function<void(QWidget *form)> activateForm;
};

// The business object of the host's portal: it remembers under which key each form was shown,
// so that a form can be brought forward by its key later. Forms that were closed and deleted
// drop out by themselves.
class BusinessObject : public IBusiness
{
public:
    BusinessObject(std::shared_ptr<ILogin> login, PortalHost host);

    std::shared_ptr<ILogin> GetVBclsLogin() const override;
    SuiteObjectPtr CreateFormEnv(const QString &cFormKey, QWidget *form) override;
    // The tab's title is the form's window title, or the environment's form key when the form
    // has none.
    bool ShowForm(QWidget *form, const QString &cSubSysId, const QString &cFormKey2, bool bReuse,
                  bool bActivate, const SuiteObjectPtr &env) override;
    bool SetFormActive(const QString &cSubSysId, const QString &cFormKey) override;

private:
    struct ShownForm
    {
        QString subSysId;
        QString formKey;
        QPointer<QWidget> form;
    };

    // The form last shown under the key that is still open.
    QWidget *shownForm(const QString &subSysId, const QString &formKey);

    std::shared_ptr<ILogin> m_login;
    PortalHost m_host;
    QList<ShownForm> m_shown;
};

} // namespace suite
