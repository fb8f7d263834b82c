#pragma once

#include "suite/controls/ConditionBuilder.h"
#include "suite/controls/FindFields.h"

#include <QMap>
#include <QWidget>

#include <functional>
#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace suite {

class IClsCommon;
class ILogin;
class RecordSet;
class RefEdit;
class ResourceTable;

// The suite's condition control ("Find") of the batch windows: the field to set (the fields of
// the column information that carry bmulmodify='1'), its new value in an editor that suits the
// field (the reference window, the date pop-up, numbers, a choice list, a check box, text of
// the column's length) and the records concerned: the rows ticked in the list, or those of a
// condition built with the filter dialog. The confirm button or F8 raises confirmed, the cancel
// button or Escape cancelled.
class FindControl : public QWidget
{
    Q_OBJECT

public:
    explicit FindControl(QWidget *parent = nullptr);
    ~FindControl() override;

    // Set-up: the login, the column information, the empty record set of the fields' columns
    // (their types and lengths), a text that receives the reason of a failure, the caption of
    // the confirm button and its key text ("(F8)"). False when no field can be offered.
    bool Setup(const std::shared_ptr<ILogin> &oLogin, const QString &colInfoXml,
               const RecordSet &fieldColumns, QString &cErrText, const QString &cCaption,
               const QString &cHotKey);
    // The records ticked in the list: keys by grid row number, of keyColumn in table.
    void SetSelected(const QString &keyColumn, const QMap<QString, QString> &keysByRow,
                     const QString &table);
    // Without one, the control opens a data service on its login's company.
    void setDataService(std::shared_ptr<IClsCommon> service);

    // The field chosen (its element name) and the value its editor holds.
    QString field() const;
    QString value() const;
    bool selectField(const QString &element);
    // Chooses the field for the user and keeps it: a caller that knows the field leaves only
    // the value and the records to pick. False when the field is not offered.
    bool fixField(const QString &element);
    // The editor of the field chosen.
    QWidget *valueEditor() const;
    // The condition of the records concerned and its description.
    QString condition() const;
    QString description() const;
    // What the condition button does: the filter dialog; on OK its condition is used.
    void buildCondition();
    // What the confirm button and F8 do.
    void confirm();

    QPushButton *confirmButton() const { return m_confirm; }
    QPushButton *cancelButton() const { return m_cancel; }
    QPushButton *conditionButton() const { return m_conditionButton; }
    QRadioButton *selectedRowsChoice() const { return m_selectedChoice; }
    QRadioButton *conditionChoice() const { return m_conditionChoice; }

signals:
    // bAllRows is true when the records come from a condition rather than ticked rows.
    void confirmed(const QString &field, const QString &caption, const QString &value,
                   const QString &condition, const QString &description, bool bAllRows);
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void fillFields();
    void showEditorOf(int index);
    QWidget *makeEditor(const FindField &field);
    QWidget *makeReferenceEditor(const FindField &field);
    QWidget *makeDateEditor();
    QWidget *makeLineEditor(const FindField &field);
    void pickDate(QLineEdit *edit);
    bool isBooleanColumn(const QString &element) const;
    int columnLength(const QString &element) const;
    std::shared_ptr<IClsCommon> dataService();
    QStringList columnsOf(const QString &table);
    void updateRecordsText();

    std::shared_ptr<ILogin> m_login;
    std::shared_ptr<IClsCommon> m_service;
    const ResourceTable *m_texts = nullptr;
    QList<FindField> m_fields;
    // Per field, in the order of the field box: what its editor holds.
    QList<std::function<QString()>> m_valueOf;
    QList<FilterField> m_filterFields;
    QMap<QString, int> m_columnTypes;
    QMap<QString, int> m_columnLengths;
    QString m_table = QStringLiteral("Customer");
    QString m_keyColumn = QStringLiteral("cCusCode");
    QStringList m_selectedKeys;
    QString m_condition = QStringLiteral("(1=1)");
    QString m_conditionText;
    QList<ConditionRow> m_conditionRows;

    QComboBox *m_fieldBox = nullptr;
    QStackedWidget *m_editors = nullptr;
    QRadioButton *m_selectedChoice = nullptr;
    QRadioButton *m_conditionChoice = nullptr;
    QPushButton *m_conditionButton = nullptr;
    QLabel *m_recordsText = nullptr;
    QPushButton *m_confirm = nullptr;
    QPushButton *m_cancel = nullptr;
    QLabel *m_fieldLabel = nullptr;
    QLabel *m_valueLabel = nullptr;
    QLabel *m_recordsLabel = nullptr;
};

} // namespace suite
