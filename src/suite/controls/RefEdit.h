#pragma once

#include <QLineEdit>

#include <memory>

class QAction;

namespace suite {

class ILogin;

// The suite's reference edit ("TarnRef.RefEdit"): an edit with a look-up button for a field
// whose value is the code of another archive's record. Besides the text it shows it keeps a tag,
// the code of the record chosen. Init names the reference (its key, such as
// "CustomerClass_AA", and an optional reference-set XML that narrows or shapes the list); the
// button only shows for an edit that names one.
//
// Typing changes what the tag means: a free-text edit keeps what is typed as its value, so the
// tag follows the text; otherwise typed text names no chosen record yet and the tag is cleared
// until a look-up sets it again. Texts set by the program leave the tag alone.
//
// The reference window that lists the records belongs to the reference service, not to this
// control: a click on the button is reported through buttonClicked and the window that owns the
// edit opens the list.
class RefEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit RefEdit(QWidget *parent = nullptr);

    void Init(const std::shared_ptr<ILogin> &oLogin, bool bWeb, const QString &cRefKey,
              const QString &cRefSetXml = QString());
    std::shared_ptr<ILogin> login() const { return m_login; }
    bool isWeb() const { return m_web; }
    QString refKey() const { return m_refKey; }
    QString refSetXml() const { return m_refSetXml; }

    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    void setFreeText(bool freeText) { m_freeText = freeText; }
    bool isFreeText() const { return m_freeText; }

    // A locked edit shows its value and may be selected and copied, but neither typed into nor
    // looked up.
    void setLocked(bool locked);
    bool isLocked() const { return isReadOnly(); }

    bool hasButton() const;
    // What a click on the button does; nothing while the edit is disabled or locked.
    void clickButton();

signals:
    void buttonClicked();
    // The focus went to another control.
    void leaving();

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void onTextEdited(const QString &text);
    void updateButton();

    QAction *m_button = nullptr;
    std::shared_ptr<ILogin> m_login;
    bool m_web = false;
    QString m_refKey;
    QString m_refSetXml;
    QString m_tag;
    bool m_freeText = false;
};

} // namespace suite
