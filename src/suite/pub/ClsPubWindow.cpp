#include "suite/controls/KeyHook.h"
#include "suite/controls/StatusBar.h"
#include "suite/controls/Toolbar.h"
#include "suite/login/ILogin.h"
#include "suite/pub/ClsPub.h"
#include "suite/pub/ListWindowLayout.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QLayout>
#include <QPushButton>
#include <QScreen>

namespace suite {

namespace {

const QString kTreeWidth = QStringLiteral("TreeWidth");
const QString kShowStatusBar = QStringLiteral("ShowStatusBar");
const QString kToolbarText = QStringLiteral("ToolbarText");
const QString kPrintNo = QStringLiteral("PrintNo");
// The window's print-number switch and the menu item that shows it.
const char *const kPrintNoProperty = "printNo";
const QString kPrintNoItem = QStringLiteral("mPrintNo");
const char *const kTreeWidthRestored = "suiteTreeWidthRestored";

constexpr int kMouseDown = 1;
constexpr int kMouseMove = 2;
constexpr int kMouseUp = 3;
constexpr int kLeftButton = 1;

QFont uniteFont()
{
    static const QStringList chineseFamilies{ QStringLiteral("WenQuanYi Micro Hei"),
                                              QStringLiteral("Noto Sans CJK SC") };
    QFont font = QApplication::font();
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : chineseFamilies) {
        if (installed.contains(family)) {
            font.setFamily(family);
            break;
        }
    }
    return font;
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString settingsObject(const QString &cKey)
{
    return cKey.toLower();
}

void fillEmpty(QString &field, const QString &value)
{
    if (field.isEmpty())
        field = value;
}

} // namespace

void ClsPub::FrmUniteFont(QWidget *form)
{
    if (!form)
        return;
    const QFont font = uniteFont();
    form->setFont(font);
    for (QWidget *child : form->findChildren<QWidget *>()) {
        if (child->testAttribute(Qt::WA_SetFont))
            child->setFont(font);
    }
}

void ClsPub::SetConPosition(QWidget *form)
{
    if (!form)
        return;
    const QWidget *owner = form->parentWidget() ? form->parentWidget()->window() : nullptr;
    const QScreen *screen = form->screen();
    const QRect area =
        owner ? owner->frameGeometry() : (screen ? screen->availableGeometry() : QRect());
    if (area.isValid())
        form->move(area.center() - form->rect().center());
}

void ClsPub::SetUniteStyle(QWidget *, QPushButton *button, int iStyle)
{
    if (!button)
        return;
    button->setAutoDefault(iStyle == 2);
    button->setDefault(iStyle == 2);
    button->setMinimumWidth(qMax(button->minimumWidth(), 80));
}

QString ClsPub::m_LocaleID()
{
    const QString region = languageRegion().toLower();
    return region.isEmpty() ? QStringLiteral("zh-cn") : region;
}

KeyHook *ClsPub::hook(QWidget *form)
{
    if (!form)
        return nullptr;
    KeyHook *keyHook = KeyHook::of(form);
    if (!keyHook)
        keyHook = new KeyHook(form);
    keyHook->install();
    return keyHook;
}

void ClsPub::unhook(QWidget *form)
{
    if (KeyHook *keyHook = KeyHook::of(form))
        keyHook->uninstall();
}

LoginRecord ClsPub::frmLoadInit(QWidget *form, const QString &cTitle, const LoginRecord &login,
                                const std::shared_ptr<IClsCommon> &)
{
    if (form)
        form->setWindowTitle(cTitle);
    LoginRecord record = login;
    if (m_login) {
        fillEmpty(record.cUserId, m_login->cUserId());
        fillEmpty(record.cUserName, m_login->cUserName());
        fillEmpty(record.KvDbName, m_login->KvDbName());
        fillEmpty(record.CurDate, m_login->CurDate());
        fillEmpty(record.cAcc_id, m_login->cAcc_id());
        fillEmpty(record.cIYear, m_login->cIYear());
    }
    fillEmpty(record.LanguageRegion, m_LocaleID());
    return record;
}

void ClsPub::frmResizeNew(QWidget *form, const QString &cKey, const QString &cTreeName)
{
    if (!form || form->property(kTreeWidthRestored).toBool())
        return;
    const TreeGridLayout layout = TreeGridLayout::of(form, cTreeName);
    if (!layout.tree || !m_login)
        return;
    form->setProperty(kTreeWidthRestored, true);
    const int width =
        GetRegEdit(settingsObject(cKey), kTreeWidth, QString(), false, m_login->cUserId()).toInt();
    if (width > 0)
        layout.setTreeWidth(std::max(width, int(TreeGridLayout::kMinTreeWidth)));
}

void ClsPub::SetFrameWeb(QWidget *form)
{
    QWidget *frame = childNamed(form, QStringLiteral("FrameWeb"));
    if (!frame || frame->isHidden())
        return;
    for (const char *name : { "EdtPageSize", "UpDown1", "EdtiCurPage", "UpDown2", "CmdRequest" }) {
        QWidget *control = childNamed(frame, QString::fromLatin1(name));
        if (!control)
            continue;
        if (frame->layout())
            frame->layout()->setAlignment(control, Qt::AlignVCenter);
        else
            control->move(control->x(), frame->height() / 2 - control->height() / 2);
    }
    if (frame->layout())
        frame->layout()->activate();
}

void ClsPub::FrmPreCompile(const std::shared_ptr<IClsCommon> &) { }

void ClsPub::MouseEvent(QWidget *form, const QString &cKey, QWidget *separator, int iAction,
                        int iButton, int, int x, int)
{
    if (!form || !separator || iButton != kLeftButton)
        return;
    if (iAction == kMouseDown) {
        m_separatorDrag.begin(separator, x);
        return;
    }
    if (!m_separatorDrag.isDragging(separator) || (iAction != kMouseMove && iAction != kMouseUp))
        return;
    const TreeGridLayout layout =
        TreeGridLayout::of(form, QStringLiteral("Trv"), separator->objectName());
    if (!layout.tree) {
        m_separatorDrag.end();
        return;
    }
    const int treeWidth = layout.clampedTreeWidth(m_separatorDrag.leftFor(x) - layout.tree->x());
    if (iAction == kMouseMove) {
        separator->move(layout.tree->x() + treeWidth, separator->y());
        return;
    }
    m_separatorDrag.end();
    layout.setTreeWidth(treeWidth);
    if (m_login)
        SaveRegEdit(settingsObject(cKey), kTreeWidth, QString::number(treeWidth), false,
                    m_login->cUserId());
}

void ClsPub::ReRefreshKvTlb(QWidget *form)
{
    if (!form)
        return;
    for (Toolbar *toolbar : form->findChildren<Toolbar *>()) {
        for (const QString &key : toolbar->keys()) {
            if (const QAction *command = form->findChild<QAction *>(QStringLiteral("m") + key))
                toolbar->setButtonEnabled(key, command->isEnabled());
        }
        toolbar->update();
    }
}

void ClsPub::SetArchOptions(QWidget *form, const QString &cArch, const QString &cUserId)
{
    const QString object = settingsObject(cArch);
    const auto stored = [&](const QString &key) {
        return GetRegEdit(object, key, QString(), false, cUserId);
    };
    const TreeGridLayout layout = TreeGridLayout::of(form);
    const int treeWidth = stored(kTreeWidth).toInt();
    if (layout.tree && treeWidth > 0)
        layout.setTreeWidth(std::max(treeWidth, int(TreeGridLayout::kMinTreeWidth)));
    const QString statusBar = stored(kShowStatusBar);
    if (QWidget *bar = childNamed(form, QStringLiteral("Stb")); bar && !statusBar.isEmpty())
        bar->setVisible(statusBar == u'1');
    const QString toolbarText = stored(kToolbarText);
    auto *toolbar = qobject_cast<Toolbar *>(childNamed(form, QStringLiteral("TLB2")));
    if (toolbar && !toolbarText.isEmpty())
        toolbar->setShowText(toolbarText == u'1');
    const QString printNo = stored(kPrintNo);
    if (auto *item = form->findChild<QAction *>(kPrintNoItem); item && !printNo.isEmpty()) {
        form->setProperty(kPrintNoProperty, printNo == u'1');
        item->setChecked(printNo == u'1');
    }
}

LoginRecord ClsPub::SaveArchOptions(const LoginRecord &login, QWidget *form, const QString &cArch)
{
    const QString object = settingsObject(cArch);
    const auto store = [&](const QString &key, const QString &value) {
        SaveRegEdit(object, key, value, false, login.cUserId);
    };
    if (QWidget *tree = childNamed(form, QStringLiteral("Trv")))
        store(kTreeWidth, QString::number(tree->width()));
    if (QWidget *bar = childNamed(form, QStringLiteral("Stb")))
        store(kShowStatusBar, flag(!bar->isHidden()));
    if (auto *toolbar = qobject_cast<Toolbar *>(childNamed(form, QStringLiteral("TLB2"))))
        store(kToolbarText, flag(toolbar->showText()));
    if (form && form->findChild<QAction *>(kPrintNoItem))
        store(kPrintNo, flag(form->property(kPrintNoProperty).toBool()));
    return login;
}

} // namespace suite
