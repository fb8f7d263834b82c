#pragma once

#include "suite/core/SuiteObject.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace suite {

class ILogin;

// The environment a form works in inside the portal: which form it is ("Customer.FrmCus") and
// the login it works for. It does not keep the form alive.
class FormEnvironment : public SuiteObject
{
public:
    FormEnvironment(const QString &formKey, QWidget *form, std::shared_ptr<ILogin> login)
        : m_formKey(formKey)
        , m_form(form)
        , m_login(std::move(login))
    { }

    QString formKey() const { return m_formKey; }
    // Empty once the form is gone.
    QWidget *form() const { return m_form; }
    std::shared_ptr<ILogin> login() const { return m_login; }

private:
    QString m_formKey;
    QPointer<QWidget> m_form;
    std::shared_ptr<ILogin> m_login;
};

} // namespace suite
