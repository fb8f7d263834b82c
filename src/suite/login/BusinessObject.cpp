#include "suite/login/BusinessObject.h"

#include "suite/core/ErrorLog.h"
#include "suite/login/FormEnvironment.h"
#include "suite/login/ILogin.h"

namespace suite {

namespace {

QString tabTitle(QWidget *form, const QString &formKey, const SuiteObjectPtr &env)
{
    if (!form->windowTitle().isEmpty())
        return form->windowTitle();
    const auto environment = std::dynamic_pointer_cast<FormEnvironment>(env);
    return environment ? environment->formKey() : formKey;
}

} // namespace

BusinessObject::BusinessObject(std::shared_ptr<ILogin> login, PortalHost host)
    : m_login(std::move(login))
    , m_host(std::move(host))
{ }

std::shared_ptr<ILogin> BusinessObject::GetVBclsLogin() const
{
    return m_login;
}

SuiteObjectPtr BusinessObject::CreateFormEnv(const QString &cFormKey, QWidget *form)
{
    return std::make_shared<FormEnvironment>(cFormKey, form, m_login);
}

bool BusinessObject::ShowForm(QWidget *form, const QString &cSubSysId, const QString &cFormKey2,
                              bool bReuse, bool bActivate, const SuiteObjectPtr &env)
{
    if (!form || !m_host.showForm) {
        ErrorLog::instance().warning(
            QStringLiteral("suite.login.ShowForm"),
            QStringLiteral("no %1 to show %2")
                .arg(form ? QStringLiteral("portal") : QStringLiteral("form"), cFormKey2));
        return false;
    }
    if (bReuse && shownForm(cSubSysId, cFormKey2))
        return SetFormActive(cSubSysId, cFormKey2);
    m_shown.append({ cSubSysId, cFormKey2, form });
    m_host.showForm(form, tabTitle(form, cFormKey2, env));
    if (bActivate && m_host.activateForm)
        m_host.activateForm(form);
    return true;
}

bool BusinessObject::SetFormActive(const QString &cSubSysId, const QString &cFormKey)
{
    QWidget *form = shownForm(cSubSysId, cFormKey);
    if (!form || !m_host.activateForm)
        return false;
    m_host.activateForm(form);
    return true;
}

QWidget *BusinessObject::shownForm(const QString &subSysId, const QString &formKey)
{
    m_shown.removeIf([](const ShownForm &shown) { return shown.form.isNull(); });
    for (auto it = m_shown.crbegin(); it != m_shown.crend(); ++it) {
        if (it->subSysId.compare(subSysId, Qt::CaseInsensitive) == 0
            && it->formKey.compare(formKey, Qt::CaseInsensitive) == 0)
            return it->form;
    }
    return nullptr;
}

} // namespace suite
