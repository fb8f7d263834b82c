#pragma once

#include "card/CardFields.h"
#include "card/CardInputLock.h"
#include "card/CardPlugIns.h"
#include "card/ControlLicences.h"
#include "suite/controls/RefEdit.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/RecordSet.h"
#include "suite/plugin/IArchivePlugIn.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <memory>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QToolButton;
class QPushButton;

namespace suite {
class AttachmentControl;
class IDeleteLog;
class PictureControl;
class PlugInCollection;
class Toolbar;
class UserDefineControl;
} // namespace suite

namespace customer {

class ArchiveEntry;
struct CardControl;
class FrmCus;
class CardFieldEvents;
class KeyInfoStrip;
enum class SubRecordDialog;

// The customer card: one customer added, viewed or modified on the tab pages of SSTab1.
//
// The list opens it with InitData and shows it; the set-up then runs on the first activation.
// The entry class opens it with Init, which sets it up and loads at once. Every command of the
// toolbar, the keyboard and the list reaches Operating.
//
// The controls carry the names the rest of the component knows them by ("Edt" with an index,
// "EdtcCusMnemCode", "ChkbCredit", "cmbbshop", "EdtDTPicker1" with an index, "Text1" with an
// index, "Lbl" and a column for the captions); CardFields and GetControlByName reach them by
// those names, GetControlByName also by the column a control shows.
//
// The card hosts the customer-archive plug-ins: it starts them for every record it shows, tells
// them of tab changes and sub-record changes, and answers their Talk and PlugInNotice.
class FrmCusAM : public QWidget, public CardFields, public suite::IArchivePlugInHost
{
    Q_OBJECT
    Q_INTERFACES(suite::IArchivePlugInHost)

public:
    explicit FrmCusAM(QWidget *parent = nullptr);
    ~FrmCusAM() override;

    // The entry object that opened the card, directly or through the list.
    ArchiveEntry *m_cls = nullptr;
    bool m_InPotal = false;
    // Set when the card has unloaded; the list reads it to know whether its card still lives.
    bool m_bCls = false;

    // Opening from the list: Status 1 add, 2 modify the customer of the list grid's row RowSel,
    // whose column tCol holds the code.
    void InitData(int Status, int tCol, int RowSel);
    // Opening from the entry class: 11 add with the preset values of Ele, 13 view the customer
    // Ele names, 14 view the delete log objLog. False (after telling the user) when the customer
    // to view is missing or outside the user's rights.
    bool Init(int tOpt, const suite::XmlElement &Ele,
              const std::shared_ptr<suite::IDeleteLog> &objLog = nullptr);
    // The operating state: 1 add, 2 modify, 11 add with presets, 13 and 14 view; 0 before.
    int state() const { return m_iOpt; }
    bool isReadOnly() const { return m_bReadOnly; }

    // Runs one command of the card (any case); false for keys that end early.
    bool Operating(const QString &key);

    // The plug-ins the card keeps informed.
    std::shared_ptr<suite::PlugInCollection> archivePlugin() const;
    void setArchivePlugin(const std::shared_ptr<suite::PlugInCollection> &plugIns);

    // IArchivePlugInHost: what the plug-ins ask of the card and tell it. A credit grade or line
    // a plug-in sets answers in returnData whether the card took it: not on a card the user may
    // not change, nor in a field the user has no write right on, nor a value the field cannot
    // hold.
    QString Talk(const QString &requestID) override;
    void PlugInNotice(const QString &eventName, const QVariant &eventData, QVariant &returnData,
                      QObject *eventSender) override;
    // The run-time licences plug-ins asked for or brought.
    const ControlLicences &controlLicences() const { return m_licences; }

    // The control named cName (iIndex for members of an indexed group), or the control that shows
    // the column cName (a table prefix is ignored); null for neither.
    QWidget *GetControlByName(const QString &cName, int iIndex = -1) const;
    // The text of the child of Ele at the path sAttr (lower-cased unless bCase), vDefault
    // without an element or a path; bExistNode tells whether a node was found.
    QString GetAttr(const suite::XmlElement &Ele, const QString &sAttr, const QString &vDefault,
                    bool &bExistNode, bool bCase) const;
    // Fills a drop-down list with items in order and selects listIndex.
    static void AddCmbItems(QComboBox *list, const QStringList &items, int listIndex);

    // Proposes the customer code from the numbering rule while a new customer is entered.
    void RefreshAutoCode();
    // Hands the code and the name to the key-information strip.
    void ShowKeyInfo();
    // The branch fields follow ChkbHomeBranch and the user's rights on them.
    void SetBranchState();
    // The field-right level of a column (0 none, 1 read, 2 write); 2 before rights apply.
    int fieldRight(const QString &column) const;
    // The user changed the card: the save commands are offered. Quiet while a record is being
    // spread onto the controls and on a card the user may not change.
    void MarkModified();
    // Rebuilds the customer's data-rights rows after a class ("class"), district ("district") or
    // trade ("trade") was chosen: the rights that kind of class starts its records with.
    void RefreshCusPrivilege(const QString &kind, const QString &code);
    // The data-rights rows the save carries (the privilege list); empty until rights were read.
    QString rightsXml() const { return m_sRightsXml; }

    // CardFields
    QString text(const QString &control, int index = -1) const override;
    void setText(const QString &control, int index, const QString &text) override;
    QString tag(const QString &control, int index = -1) const override;
    void setTag(const QString &control, int index, const QString &tag) override;
    bool isChecked(const QString &control) const override;
    void setChecked(const QString &control, bool checked) override;
    int listIndex(const QString &control) const override;
    void setListIndex(const QString &control, int index) override;
    QVariant itemData(const QString &control) const override;
    int indexOfItemData(const QString &control, const QVariant &data) const override;

    // The indexed groups.
    suite::RefEdit *Edt(int index) const;
    QLineEdit *EdtDTPicker1(int index) const;
    QToolButton *Command1(int index) const;
    QLineEdit *Text1(int index) const;
    // A single control of the card by name, null when it has none of that type.
    suite::RefEdit *refEdit(const QString &name) const;
    QCheckBox *checkBox(const QString &name) const;
    QComboBox *comboBox(const QString &name) const;
    // The caption label of a column ("Lbl" + column).
    QLabel *captionLabel(const QString &column) const;

    suite::Toolbar *TLB2 = nullptr;
    KeyInfoStrip *ShowKeyInfo1 = nullptr;
    QTabWidget *SSTab1 = nullptr;
    QWidget *Frame2 = nullptr;
    QGroupBox *FrameBranch = nullptr;
    QPushButton *cmdMap = nullptr;
    suite::PictureControl *Pic = nullptr;
    suite::AttachmentControl *InvAttachfile1 = nullptr;
    suite::UserDefineControl *InvUserDef1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Controls and layout.
    void buildControls();
    QWidget *buildPage(int page);
    void placeField(const CardControl &field, QGridLayout *grid, int &row, int &column);
    QWidget *createControl(const CardControl &field, QWidget *parent);
    QWidget *companionOf(const CardControl &field, QWidget *control, QWidget *parent);
    void registerControl(const QString &name, int index, QWidget *control);
    void connectControls();
    void connectEdits();
    // The editing rules of single fields, all wired by connectEdits.
    void connectModifiedMarks();
    void connectNameRules();
    void connectCodeRules();
    void connectFieldChecks();
    void connectEnterKeys();
    void connectDatePopups();
    void connectMapButton();
    void cmdMap_Click();
    void codeChanged();
    void nameChanged();
    void codeBesideNameChanged(int index);
    void postCodeChanged();
    bool webAddressAccepted();
    bool rateAccepted(const QString &field, const QString &label, bool hundredAllowed);
    void applyShopKind();
    void moveOnFromEnter(QWidget *field);
    void showTabFromEnter(int tab);
    void openDatePopup(int index);
    // The reference fields: what their windows offer and what a choice or a typed change of
    // them sets going.
    void connectReferenceFields();
    void connectIndexedReference(int index);
    void connectNamedReference(const QString &name);
    void connectRelatedVendor();
    void connectAreaField(const QString &name);
    void connectNarrowedReferences();
    void connectCodeNames();
    void takeUserDefValues(const QString &table, suite::RecordSet *row);
    void afterIndexedChoice(int index, suite::RecordSet *row);
    void rebuildRightsOnChange(const QString &kind, QString &keptCode, const QString &code);
    void fillDepartmentOfSalesperson();
    void takeCreditCompany();
    void takeRelatedVendor();
    static QString controlKey(const QString &name, int index);

    // Lifecycle and set-up.
    void ensureLoaded();
    void Form_Initialize();
    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void InitToolbar();
    void InitReferences();
    void InitCard();
    void SetCaptions();
    void SetInputFilters();
    void SetMandatoryMarks();
    void ApplyFieldAuth();
    void SetFieldLengths();
    void SetNumberLengths();
    void InitUserDefFields();
    void fillPriceGrades();
    void updateArBalance();
    bool loadByCode(const QString &code);
    void applyFieldRight(const QString &column);
    // Defaults a new customer; startPlugIns false leaves starting the plug-ins to the caller,
    // which first puts preset values on the card.
    void ClearForAdd(bool startPlugIns = true);
    void clearControls();
    void takeClassFromList();
    void defaultManagementType();
    void focusCodeField();
    void rememberCodes();
    void applyViewState();
    void lockDisplayOnlyFields();
    // A card that shows a customer the user may not change takes no input at all.
    void applyEditLock();
    bool takesNoInput() const;
    QList<QWidget *> inputControls() const;
    void setCaption(const QString &captionKey);
    void setLinkStyle(QLabel *label);
    void setButtonEnabled(const QString &key, bool enabled);
    void setButtonVisible(const QString &key, bool visible);
    void refreshToolbar();
    QString res(const QString &key) const;
    QString res(const char *key) const;

    // Keyboard and commands. The command bodies live beside the save, delete and dialog logic.
    void installKeyHook();
    void onKeyDown(int keyCode, int shift);
    void ExitForm();
    bool SaveCard(const QString &key);
    bool SaveRecord(const QString &key);
    bool CheckAuthDims();
    void DeleteCard();
    void MoveRecord(const QString &key);
    void ShowSubRecords(const QString &key);
    void ShowContacts();

    // The save path around the write.
    void focusRefusedField(const QString &control, int index);
    QString writeRecordXml();
    bool storeRecord(const QString &xml);
    void afterSaved(const QString &key, const QString &code, const QString &xml);
    void showSavedRecord(const QString &code);
    void startNextCustomer(const QString &savedCode);
    void proposeCodeAfter(const QString &savedCode);
    void tellOwnerSaved(const QString &xml);
    void forgetSubRecords();
    FrmCus *ownerList() const;

    // The sub-record dialogs.
    QString &keptFragment(SubRecordDialog dialog);
    int subRecordRight(SubRecordDialog dialog) const;
    QString subRecordParameters(SubRecordDialog dialog) const;
    void tellPlugInsDataChanged(const QString &xml);

    // The plug-ins.
    void StartPlugIns(suite::RecordSet &rs);
    void SSTab1_Click(int index);
    void takePlugInNotice(const QString &eventName, const QVariant &eventData,
                          QVariant &returnData);
    bool takePlugInValue(const QString &column, int edtIndex, const QString &value);
    void releasePlugInFields();

    // Closing, and changes not yet saved.
    bool hasPendingChanges() const;
    bool keepsPendingChanges();
    void Form_QueryUnload(bool &Cancel);
    void Form_Unload();

    // Loading a record onto the controls.
    void Fillallfields(bool bHaveRst = false, const suite::RecordSet &Rst = suite::RecordSet(),
                       int iCallType = 0,
                       const std::shared_ptr<suite::IDeleteLog> &objLog = nullptr);
    void fillFlds(const suite::XmlElement &Ele);
    void ShowAuditFields(const suite::RecordSet *rs);
    suite::RecordSet GetCurRecord(bool switchToModify);
    void reportVanishedRecord();
    void spreadRecord(const suite::RecordSet &record);
    void clearReferenceTags();
    void showTextStarts();
    void showDisplayOnlyValues(const suite::RecordSet &record);
    void loadRecordControls(const suite::RecordSet &record, int iCallType,
                            const std::shared_ptr<suite::IDeleteLog> &objLog);
    QString GetNodeText(const suite::XmlElement &Ele, const QString &name,
                        const QString &defaultText) const;

    // Card state.
    int m_iOpt = 0;
    int m_iOpenedBy = 0;
    int m_iCodeCol = 0;
    int m_lRow = 0;
    bool m_bReadOnly = false;
    QString m_sCusCode;
    QString m_sOldCCCode;
    QString m_sOldDCCode;
    QString m_sOldTradeCode;
    bool m_bLoading = false;
    bool m_bFirstActivate = false;
    bool m_bExportStarted = false;
    bool m_bSalesStarted = false;
    bool m_bAutoCode = false;
    QString m_sCodeFormat;
    bool m_bCodeTyped = false;
    bool m_bNumbering = false;
    QString m_sLastPostCode;
    suite::XmlElement m_oUserDefXml;
    int m_iRightAddr = 2;
    int m_iRightInvoice = 2;
    int m_iRightPerson = 2;
    int m_iRightRights = 2;
    bool m_bSavedNew = false;
    QString m_sAddrXml;
    QString m_sBankXml;
    QString m_sInvoiceXml;
    QString m_sPersonXml;
    QString m_sRightsXml;

    bool m_loaded = false;
    bool m_activationQueued = false;
    bool m_setUp = false;
    // The defaults of the domestic and overseas boxes for a new customer.
    bool m_bDomesticDefault = true;
    bool m_bOverseasDefault = false;
    QHash<QString, int> m_fieldRights;
    CardPlugIns m_plugIns;
    ControlLicences m_licences;
    int m_iPreviousTab = 0;
    // The fields a plug-in set and disabled for the record shown, and whether they were
    // enabled before.
    QList<std::pair<QPointer<QWidget>, bool>> m_plugInFields;
    CardFieldEvents *m_fieldEvents = nullptr;
    CardInputLock m_inputLock;

    QHash<QString, QWidget *> m_controls;
    QHash<QString, QLabel *> m_labels;
    QList<suite::RefEdit *> m_edt;
    QList<QLineEdit *> m_dates;
    QList<QToolButton *> m_dateButtons;
    QList<QLineEdit *> m_text1;
};

} // namespace customer
