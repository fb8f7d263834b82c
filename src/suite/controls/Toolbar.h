#pragma once

#include <QHash>
#include <QList>
#include <QStyle>
#include <QToolBar>

#include <memory>

class QAction;

namespace suite {

class IBusiness;
class ILogin;
struct ToolbarSetEntry;

// A drop-down item of a toolbar button ("PosTree" under "Pos").
struct ToolbarSubItem
{
    QString key;
    QString captionKey;
};

// One button a window offers; the caption is a resource key, shown in the login's language.
struct ToolbarButtonDef
{
    QString key;
    QString captionKey;
    QStyle::StandardPixmap icon = QStyle::SP_CustomBase;
    bool enabled = true;
    bool visible = true;
    QList<ToolbarSubItem> subItems = {};
};

// The suite's toolbar ("TLB2"): the buttons a window defines, arranged by the user's toolbar set.
// A click on an enabled button reports its key, with the drop-down item's key as menu id when an
// item was chosen (an empty one for the button itself).
//
// Which buttons show: a button named by the set (and not hidden there) shows unless the window
// hides it; a button the set does not name never shows. Without a readable set the buttons show
// in the order of the definitions.
//
// Inside the portal (attachToBusiness) the portal could draw the commands itself; ours has no
// toolbar strip of its own, so the toolbar stays visible inside the form and keeps reporting
// clicks, and the business object is only kept for the window to ask.
class Toolbar : public QToolBar
{
    Q_OBJECT

public:
    explicit Toolbar(QWidget *parent = nullptr);
    ~Toolbar() override;

    void setBusinessKey(const QString &key) { m_businessKey = key; }
    QString businessKey() const { return m_businessKey; }
    void setLogin(const std::shared_ptr<ILogin> &login) { m_login = login; }

    // Builds the buttons of definitions, arranged by the set cSetName of subsystem cSubSysId
    // that the login's user keeps in the company database of connectionText.
    void init(const QList<ToolbarButtonDef> &definitions, const QString &connectionText,
              const std::shared_ptr<ILogin> &login, const QString &cSetName,
              const QString &cSubSysId);

    void attachToBusiness(const std::shared_ptr<IBusiness> &business) { m_business = business; }
    std::shared_ptr<IBusiness> business() const { return m_business; }

    // Captions with the icons, or the icons alone.
    void setShowText(bool show);
    bool showText() const;
    // Captions under the icons instead of beside them: a window with many commands keeps them
    // all in view on a narrow screen. Kept when the captions are switched off and on again.
    void setTextUnderIcons(bool under);

    bool hasButton(const QString &key) const;
    // The keys of every button, shown or not, left to right.
    QStringList keys() const;
    // The keys of the buttons that show, left to right.
    QStringList visibleKeys() const;
    void setButtonEnabled(const QString &key, bool enabled);
    bool isButtonEnabled(const QString &key) const;
    // The window's wish; a button the user's set leaves out stays hidden.
    void setButtonVisible(const QString &key, bool visible);
    bool isButtonVisible(const QString &key) const;
    void setSubItems(const QString &key, const QList<ToolbarSubItem> &items);

signals:
    void buttonClicked(const QString &key, const QString &menuId);

private:
    struct Button
    {
        ToolbarButtonDef definition;
        QAction *action = nullptr;
        bool inSet = true;
    };

    QList<ToolbarSetEntry> storedSet(const QString &connectionText, const QString &cSetName,
                                     const QString &cSubSysId) const;
    void arrange(const QList<ToolbarButtonDef> &definitions, const QList<ToolbarSetEntry> &set);
    void addButton(const ToolbarButtonDef &definition, bool inSet);
    void fillMenu(Button &button);
    QString caption(const QString &captionKey) const;
    void applyVisibility(const Button &button);
    void clearButtons();

    QString m_businessKey;
    Qt::ToolButtonStyle m_textStyle = Qt::ToolButtonTextBesideIcon;
    std::shared_ptr<ILogin> m_login;
    std::shared_ptr<IBusiness> m_business;
    QList<Button> m_buttons;
    QHash<QString, int> m_index;
};

} // namespace suite
