#include "suite/controls/Toolbar.h"

#include "suite/controls/ToolbarSetStore.h"
#include "suite/core/ErrorLog.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ILogin.h"
#include "suite/pub/ResourceTable.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace suite {

namespace {

constexpr const char *kWhere = "Toolbar";

QString keyOf(const QString &key)
{
    return key.toLower();
}

// The menu is detached first, so the action never points at a deleted one.
void dropMenu(QAction *action)
{
    QMenu *menu = action->menu();
    action->setMenu(static_cast<QMenu *>(nullptr));
    delete menu;
}

} // namespace

Toolbar::Toolbar(QWidget *parent)
    : QToolBar(parent)
{
    setObjectName(QStringLiteral("TLB2"));
    setMovable(false);
    setShowText(true);
}

Toolbar::~Toolbar() = default;

void Toolbar::init(const QList<ToolbarButtonDef> &definitions, const QString &connectionText,
                   const std::shared_ptr<ILogin> &login, const QString &cSetName,
                   const QString &cSubSysId)
{
    if (login)
        m_login = login;
    arrange(definitions, storedSet(connectionText, cSetName, cSubSysId));
}

QList<ToolbarSetEntry> Toolbar::storedSet(const QString &connectionText, const QString &cSetName,
                                          const QString &cSubSysId) const
{
    auto service = createObject<IClsCommon>(QString::fromLatin1(IClsCommon::kProgId));
    if (!service) {
        ErrorLog::instance().warning(kWhere, QStringLiteral("the data service cannot be created"));
        return {};
    }
    service->Init(connectionText);
    QList<ToolbarSetEntry> set;
    QString sMsg;
    const QString user = m_login ? m_login->cUserId() : QString();
    if (!service->Status()
        || !ToolbarSetStore(*service).read(cSubSysId, cSetName, user, set, sMsg)) {
        ErrorLog::instance().warning(
            kWhere,
            QStringLiteral("toolbar set %1 unread, the buttons keep their own order: %2")
                .arg(cSetName, sMsg.isEmpty() ? service->LastError() : sMsg));
        return {};
    }
    return set;
}

void Toolbar::arrange(const QList<ToolbarButtonDef> &definitions, const QList<ToolbarSetEntry> &set)
{
    clearButtons();
    if (set.isEmpty()) {
        for (const ToolbarButtonDef &definition : definitions)
            addButton(definition, true);
        return;
    }
    QHash<QString, const ToolbarButtonDef *> byKey;
    for (const ToolbarButtonDef &definition : definitions)
        byKey.insert(keyOf(definition.key), &definition);
    for (const ToolbarSetEntry &entry : set) {
        const ToolbarButtonDef *definition = byKey.take(keyOf(entry.key));
        if (definition)
            addButton(*definition, entry.visible);
    }
    for (const ToolbarButtonDef &definition : definitions) {
        if (byKey.contains(keyOf(definition.key)))
            addButton(definition, false);
    }
}

void Toolbar::addButton(const ToolbarButtonDef &definition, bool inSet)
{
    if (definition.key.isEmpty() || m_index.contains(keyOf(definition.key)))
        return;
    Button button{ definition, new QAction(this), inSet };
    button.action->setObjectName(definition.key);
    button.action->setText(caption(definition.captionKey));
    if (definition.icon != QStyle::SP_CustomBase)
        button.action->setIcon(style()->standardIcon(definition.icon));
    button.action->setEnabled(definition.enabled);
    const QString key = definition.key;
    connect(button.action, &QAction::triggered, this, [this, key] { emit buttonClicked(key, {}); });
    addAction(button.action);
    if (auto *tool = qobject_cast<QToolButton *>(widgetForAction(button.action)))
        tool->setObjectName(definition.key);
    fillMenu(button);
    applyVisibility(button);
    m_index.insert(keyOf(definition.key), int(m_buttons.size()));
    m_buttons.append(button);
}

void Toolbar::fillMenu(Button &button)
{
    auto *tool = qobject_cast<QToolButton *>(widgetForAction(button.action));
    dropMenu(button.action);
    if (button.definition.subItems.isEmpty()) {
        if (tool)
            tool->setPopupMode(QToolButton::DelayedPopup);
        return;
    }
    auto *menu = new QMenu(this);
    const QString key = button.definition.key;
    for (const ToolbarSubItem &item : std::as_const(button.definition.subItems)) {
        QAction *entry = menu->addAction(caption(item.captionKey));
        entry->setObjectName(item.key);
        const QString menuId = item.key;
        connect(entry, &QAction::triggered, this,
                [this, key, menuId] { emit buttonClicked(key, menuId); });
    }
    button.action->setMenu(menu);
    if (tool)
        tool->setPopupMode(QToolButton::MenuButtonPopup);
}

QString Toolbar::caption(const QString &captionKey) const
{
    return ResourceTable::builtIn(m_login ? m_login->LanguageRegion() : QString()).text(captionKey);
}

void Toolbar::applyVisibility(const Button &button)
{
    button.action->setVisible(button.inSet && button.definition.visible);
}

void Toolbar::clearButtons()
{
    for (const Button &button : std::as_const(m_buttons)) {
        removeAction(button.action);
        dropMenu(button.action);
        delete button.action;
    }
    m_buttons.clear();
    m_index.clear();
}

void Toolbar::setShowText(bool show)
{
    setToolButtonStyle(show ? m_textStyle : Qt::ToolButtonIconOnly);
}

void Toolbar::setTextUnderIcons(bool under)
{
    m_textStyle = under ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonTextBesideIcon;
    if (showText())
        setToolButtonStyle(m_textStyle);
}

bool Toolbar::showText() const
{
    return toolButtonStyle() != Qt::ToolButtonIconOnly;
}

bool Toolbar::hasButton(const QString &key) const
{
    return m_index.contains(keyOf(key));
}

QStringList Toolbar::keys() const
{
    QStringList keys;
    for (const Button &button : m_buttons)
        keys.append(button.definition.key);
    return keys;
}

QStringList Toolbar::visibleKeys() const
{
    QStringList keys;
    for (const Button &button : m_buttons) {
        if (button.action->isVisible())
            keys.append(button.definition.key);
    }
    return keys;
}

void Toolbar::setButtonEnabled(const QString &key, bool enabled)
{
    if (!hasButton(key))
        return;
    Button &button = m_buttons[m_index.value(keyOf(key))];
    button.definition.enabled = enabled;
    button.action->setEnabled(enabled);
}

bool Toolbar::isButtonEnabled(const QString &key) const
{
    return hasButton(key) && m_buttons.at(m_index.value(keyOf(key))).action->isEnabled();
}

void Toolbar::setButtonVisible(const QString &key, bool visible)
{
    if (!hasButton(key))
        return;
    Button &button = m_buttons[m_index.value(keyOf(key))];
    button.definition.visible = visible;
    applyVisibility(button);
}

bool Toolbar::isButtonVisible(const QString &key) const
{
    return hasButton(key) && m_buttons.at(m_index.value(keyOf(key))).action->isVisible();
}

void Toolbar::setSubItems(const QString &key, const QList<ToolbarSubItem> &items)
{
    if (!hasButton(key))
        return;
    Button &button = m_buttons[m_index.value(keyOf(key))];
    button.definition.subItems = items;
    fillMenu(button);
}

} // namespace suite
