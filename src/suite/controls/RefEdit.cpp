#include "suite/controls/RefEdit.h"

#include "suite/controls/ModalDisplay.h"
#include "suite/core/ErrorLog.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ILogin.h"
#include "suite/pub/ResourceTable.h"
#include "suite/ref/ReferenceQuery.h"
#include "suite/ref/ReferenceValue.h"
#include "suite/ref/ReferenceWindow.h"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyle>

namespace suite {

namespace {

const QString kWhere = QStringLiteral("RefEdit");

} // namespace

RefEdit::RefEdit(QWidget *parent)
    : QLineEdit(parent)
{
    m_button = addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView),
                         QLineEdit::TrailingPosition);
    m_button->setObjectName(QStringLiteral("refButton"));
    m_button->setVisible(false);
    connect(m_button, &QAction::triggered, this, &RefEdit::clickButton);
    connect(this, &QLineEdit::textEdited, this, &RefEdit::onTextEdited);
}

RefEdit::~RefEdit() = default;

void RefEdit::Init(const std::shared_ptr<ILogin> &oLogin, bool bWeb, const QString &cRefKey,
                   const QString &cRefSetXml)
{
    m_login = oLogin;
    m_web = bWeb;
    m_refKey = cRefKey;
    m_refSetXml = cRefSetXml;
    updateButton();
}

void RefEdit::setCodeValue(const QString &code)
{
    m_tag = code;
    m_confirmed = !code.isEmpty();
}

void RefEdit::clearValue()
{
    clear();
    m_tag.clear();
    m_confirmed = false;
}

void RefEdit::setConditions(const QString &conditionXml, const QString &filter)
{
    m_conditionXml = conditionXml;
    m_filter = filter;
}

void RefEdit::setDataService(std::shared_ptr<IClsCommon> service)
{
    m_service = std::move(service);
}

void RefEdit::setLocked(bool locked)
{
    setReadOnly(locked);
    updateButton();
}

bool RefEdit::hasButton() const
{
    return !m_refKey.isEmpty();
}

void RefEdit::clickButton()
{
    if (!hasButton() || !isEnabled() || isReadOnly())
        return;
    emit buttonClicked();
    openReference();
}

bool RefEdit::openReference()
{
    emit beforeReferenceOpens(m_conditionXml, m_filter);
    QString sMsg;
    const ReferenceDefinition *reference = findReference(m_refKey);
    std::unique_ptr<ReferenceQuery> query = reference ? makeQuery(*reference, sMsg) : nullptr;
    const std::shared_ptr<IClsCommon> service = query ? dataService() : nullptr;
    if (!service) {
        if (!reference)
            sMsg = QStringLiteral("No reference is called \"%1\".").arg(m_refKey);
        else if (query)
            sMsg = QStringLiteral("No data service for the reference %1.").arg(reference->id);
        ErrorLog::instance().error(kWhere, sMsg);
        emit referenceChosen(nullptr);
        return false;
    }
    const ResourceTable &texts =
        ResourceTable::builtIn(m_login ? m_login->LanguageRegion() : QString());
    ReferenceWindow window(*query, service, texts, this);
    if (!m_freeText && !m_confirmed && !text().trimmed().isEmpty())
        window.setSearchText(text());
    showModal(&window);
    RecordSet row = window.chosenRow();
    if (window.result() != QDialog::Accepted || !row.IsOpen()) {
        emit referenceChosen(nullptr);
        return false;
    }
    takeRow(*query, row);
    emit referenceChosen(&row);
    emit confirmed();
    return true;
}

void RefEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    confirmTypedValue();
    emit leaving();
}

void RefEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        updateButton();
}

void RefEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier && hasButton()) {
        clickButton();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void RefEdit::onTextEdited(const QString &text)
{
    m_tag = m_freeText ? text : QString();
    m_confirmed = false;
}

void RefEdit::updateButton()
{
    m_button->setVisible(hasButton());
    m_button->setEnabled(isEnabled() && !isReadOnly());
}

std::shared_ptr<IClsCommon> RefEdit::dataService()
{
    if (m_service || !m_login)
        return m_service;
    auto made = createObject<IClsCommon>(QLatin1String(IClsCommon::kProgId));
    if (!made)
        return nullptr;
    made->Init(m_login->KvDbName());
    if (made->Status())
        m_service = made;
    return m_service;
}

std::unique_ptr<ReferenceQuery> RefEdit::makeQuery(const ReferenceDefinition &reference,
                                                   QString &sMsg) const
{
    ReferenceSettings settings;
    if (!ReferenceSettings::read(m_refSetXml, settings, sMsg))
        return nullptr;
    auto query = std::make_unique<ReferenceQuery>(reference, settings);
    if (!query->setConditions(m_conditionXml, m_filter, sMsg))
        return nullptr;
    return query;
}

void RefEdit::confirmTypedValue()
{
    const QString typed = text().trimmed();
    if (m_freeText || m_confirmed || typed.isEmpty())
        return;
    const ReferenceDefinition *reference = findReference(m_refKey);
    if (!reference)
        return;
    QString sMsg;
    std::unique_ptr<ReferenceQuery> query = makeQuery(*reference, sMsg);
    const std::shared_ptr<IClsCommon> service = query ? dataService() : nullptr;
    RecordSet rows;
    if (!service || !query->readExact(*service, typed, rows, sMsg)) {
        if (!sMsg.isEmpty())
            ErrorLog::instance().error(kWhere, sMsg);
        return;
    }
    if (rows.RecordCount() != 1)
        return;
    takeRow(*query, singleRowOf(rows, 0));
    emit confirmed();
}

void RefEdit::takeRow(const ReferenceQuery &query, const RecordSet &row)
{
    const ReferenceValue value = referenceValueOf(query.reference(), query.settings(), row);
    if (text() != value.text)
        setText(value.text);
    m_tag = value.code;
    m_confirmed = true;
}

} // namespace suite
