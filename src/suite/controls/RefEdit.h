#pragma once

#include <QLineEdit>

#include <memory>

class QAction;

namespace suite {

class IClsCommon;
class ILogin;
class RecordSet;
class ReferenceQuery;
struct ReferenceDefinition;

// The suite's reference edit ("TarnRef.RefEdit"): an edit with a look-up button for a field
// whose value is the code of another archive's record. Besides the text it shows it keeps a tag
// (the code value), the code of the record chosen. Init names the reference (its key, such as
// "CustomerClass_AA", in web mode a URL ending in "refid=" and the key, and an optional
// reference-set XML that narrows or shapes the list); the button only shows for an edit that
// names one.
//
// The button, or F2, opens the reference window (openReference): beforeReferenceOpens lets the
// owner set the conditions, the window offers the reference's rows, and the row chosen writes
// the text and the code as the reference set's cRetFld, cShowFld and iRetStyle say (see
// referenceValueOf); referenceChosen reports the row, or null when the user cancelled.
//
// Typing changes what the tag means: a free-text edit keeps what is typed as its value, so the
// tag follows the text; otherwise typed text names no chosen record yet and the tag is cleared
// until a look-up sets it again. Texts set by the program leave the tag alone.
//
// Confirmation: the value is confirmed when it is known to name a record of the reference.
// That is so after a row was chosen in the window, after the program set a non-empty code
// value, and after the user, leaving the edit, left typed text that equals the returned
// column of exactly one of the rows the reference offers under its present conditions; the
// edit then takes that row's text and code as if it had been chosen. Choosing and confirming
// on leaving raise confirmed(); a code value set by the program is confirmed quietly, as the
// program loads values it already trusts. Typing, clearValue and an empty code value take the
// confirmation back. Free-text edits hold text, not codes, so leaving them confirms nothing; a
// typed value that matches no row or several rows stays as typed, unconfirmed.
class RefEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit RefEdit(QWidget *parent = nullptr);
    ~RefEdit() override;

    void Init(const std::shared_ptr<ILogin> &oLogin, bool bWeb, const QString &cRefKey,
              const QString &cRefSetXml = QString());
    std::shared_ptr<ILogin> login() const { return m_login; }
    bool isWeb() const { return m_web; }
    QString refKey() const { return m_refKey; }
    QString refSetXml() const { return m_refSetXml; }

    // The tag and the code value are one: the code of the record the text stands for.
    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { setCodeValue(tag); }
    QString codeValue() const { return m_tag; }
    void setCodeValue(const QString &code);
    bool isConfirmed() const { return m_confirmed; }
    void clearValue();

    // The condition XML (@ parameters) and the filter (#FN[column], @parameters) the reference
    // window and the confirmation read the rows with, until they are set again.
    void setConditions(const QString &conditionXml, const QString &filter);
    QString conditionXml() const { return m_conditionXml; }
    QString filter() const { return m_filter; }
    // Without one, the edit opens a data service on its login's company when it needs rows.
    void setDataService(std::shared_ptr<IClsCommon> service);

    void setFreeText(bool freeText) { m_freeText = freeText; }
    bool isFreeText() const { return m_freeText; }

    // A locked edit shows its value and may be selected and copied, but neither typed into nor
    // looked up.
    void setLocked(bool locked);
    bool isLocked() const { return isReadOnly(); }

    bool hasButton() const;
    // What a click on the button does: reports buttonClicked and opens the reference window;
    // nothing while the edit is disabled or locked.
    void clickButton();
    // False when the user cancelled or the window could not open (an unknown reference, no
    // data service, a reference set that does not read: the reason goes to the error log).
    bool openReference();

signals:
    void beforeReferenceOpens(QString &conditionXml, QString &filter);
    void referenceChosen(suite::RecordSet *row);
    void confirmed();
    void buttonClicked();
    // The focus went to another control; a typed value has been confirmed or not by then.
    void leaving();

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void onTextEdited(const QString &text);
    void updateButton();
    std::shared_ptr<IClsCommon> dataService();
    std::unique_ptr<ReferenceQuery> makeQuery(const ReferenceDefinition &reference,
                                              QString &sMsg) const;
    void confirmTypedValue();
    void takeRow(const ReferenceQuery &query, const RecordSet &row);

    QAction *m_button = nullptr;
    std::shared_ptr<ILogin> m_login;
    bool m_web = false;
    QString m_refKey;
    QString m_refSetXml;
    QString m_tag;
    bool m_freeText = false;
    bool m_confirmed = false;
    QString m_conditionXml;
    QString m_filter;
    std::shared_ptr<IClsCommon> m_service;
};

} // namespace suite
