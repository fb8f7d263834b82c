#include "suite/controls/FindControl.h"

#include "suite/controls/ConditionDialog.h"
#include "suite/controls/DateCalendarPopup.h"
#include "suite/controls/FindCondition.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/controls/RefEdit.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/Field.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ILogin.h"
#include "suite/pub/ResourceTable.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace suite {

namespace {

// The widest number a decimal field takes: 16 digits before the point.
constexpr double kLargestNumber = 1e16;

} // namespace

FindControl::FindControl(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Find"));
    buildControls();
}

// The editors leave F8 and Escape to the control, wherever the focus is.
void FindControl::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F8 && event->modifiers() == Qt::NoModifier)
        confirm();
    else if (event->key() == Qt::Key_Escape)
        emit cancelled();
    else
        QWidget::keyPressEvent(event);
}

FindControl::~FindControl() = default;

void FindControl::buildControls()
{
    m_fieldBox = new QComboBox(this);
    m_fieldBox->setObjectName(QStringLiteral("cboField"));
    m_editors = new QStackedWidget(this);
    m_selectedChoice = new QRadioButton(this);
    m_conditionChoice = new QRadioButton(this);
    m_conditionButton = new QPushButton(this);
    m_conditionButton->setObjectName(QStringLiteral("cmdCondition"));
    m_recordsText = new QLabel(this);
    m_recordsText->setWordWrap(true);
    m_confirm = new QPushButton(this);
    m_confirm->setObjectName(QStringLiteral("cmdConfirm"));
    m_confirm->setDefault(true);
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_fieldLabel = new QLabel(this);
    m_valueLabel = new QLabel(this);
    m_recordsLabel = new QLabel(this);
    auto *choices = new QButtonGroup(this);
    choices->addButton(m_selectedChoice);
    choices->addButton(m_conditionChoice);

    auto *records = new QVBoxLayout;
    records->addWidget(m_selectedChoice);
    auto *conditionLine = new QHBoxLayout;
    conditionLine->addWidget(m_conditionChoice);
    conditionLine->addWidget(m_conditionButton);
    conditionLine->addStretch();
    records->addLayout(conditionLine);
    records->addWidget(m_recordsText);
    auto *form = new QFormLayout;
    form->addRow(m_fieldLabel, m_fieldBox);
    form->addRow(m_valueLabel, m_editors);
    form->addRow(m_recordsLabel, records);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_confirm);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(m_fieldBox, &QComboBox::currentIndexChanged, this, &FindControl::showEditorOf);
    connect(m_conditionButton, &QPushButton::clicked, this, &FindControl::buildCondition);
    connect(m_selectedChoice, &QRadioButton::toggled, this, &FindControl::updateRecordsText);
    connect(m_confirm, &QPushButton::clicked, this, &FindControl::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &FindControl::cancelled);
}

bool FindControl::Setup(const std::shared_ptr<ILogin> &oLogin, const QString &colInfoXml,
                        const RecordSet &fieldColumns, QString &cErrText, const QString &cCaption,
                        const QString &cHotKey)
{
    m_login = oLogin;
    m_texts = &ResourceTable::builtIn(oLogin ? oLogin->LanguageRegion() : QString());
    m_fields = findFieldsFromColInfo(colInfoXml);
    m_filterFields = filterFieldsFromColInfo(colInfoXml);
    for (const Field &column : fieldColumns.Fields()) {
        m_columnTypes.insert(column.name.toLower(), column.type);
        m_columnLengths.insert(column.name.toLower(), column.definedSize);
    }
    m_fieldLabel->setText(m_texts->text(QStringLiteral("Tarn.AA.PUB.FIND.field")));
    m_valueLabel->setText(m_texts->text(QStringLiteral("Tarn.AA.PUB.FIND.value")));
    m_recordsLabel->setText(m_texts->text(QStringLiteral("Tarn.AA.PUB.FIND.records")));
    m_conditionChoice->setText(m_texts->text(QStringLiteral("Tarn.AA.PUB.FIND.bycondition")));
    m_conditionButton->setText(m_texts->text(QStringLiteral("Tarn.AA.PUB.FIND.condition")));
    m_confirm->setText(cCaption + cHotKey);
    m_cancel->setText(m_texts->text(QStringLiteral("Tarn.AA.PUB.DIALOG.cancel"))
                      + QStringLiteral("(Esc)"));
    if (m_fields.isEmpty()) {
        cErrText = m_texts->text(QStringLiteral("Tarn.AA.PUB.FIND.nofields"));
        return false;
    }
    fillFields();
    SetSelected(m_keyColumn, {}, m_table);
    return true;
}

void FindControl::fillFields()
{
    m_fieldBox->blockSignals(true);
    m_fieldBox->clear();
    m_valueOf.clear();
    while (m_editors->count() > 0)
        delete m_editors->widget(0);
    for (const FindField &field : std::as_const(m_fields)) {
        m_fieldBox->addItem(field.caption.isEmpty() ? field.element : field.caption, field.element);
        m_editors->addWidget(makeEditor(field));
    }
    m_fieldBox->blockSignals(false);
    m_fieldBox->setCurrentIndex(0);
    showEditorOf(0);
}

void FindControl::showEditorOf(int index)
{
    if (index >= 0 && index < m_editors->count())
        m_editors->setCurrentIndex(index);
}

QWidget *FindControl::makeEditor(const FindField &field)
{
    if (field.kind == FindValueKind::Reference)
        return makeReferenceEditor(field);
    if (field.kind == FindValueKind::Date)
        return makeDateEditor();
    if (field.kind == FindValueKind::Choice) {
        auto *box = new QComboBox;
        box->addItem(QString(), QString());
        for (int i = 0; i < field.choiceValues.size(); ++i)
            box->addItem(field.choiceNames.value(i), field.choiceValues.at(i));
        m_valueOf.append([box] { return box->currentData().toString(); });
        return box;
    }
    if (field.kind == FindValueKind::Text && isBooleanColumn(field.element)) {
        auto *check = new QCheckBox;
        m_valueOf.append(
            [check] { return check->isChecked() ? QStringLiteral("1") : QStringLiteral("0"); });
        return check;
    }
    return makeLineEditor(field);
}

QWidget *FindControl::makeReferenceEditor(const FindField &field)
{
    auto *edit = new RefEdit;
    edit->Init(m_login, false, field.refId);
    if (m_service)
        edit->setDataService(m_service);
    if (!field.userFilterSql.isEmpty())
        edit->setConditions(QString(), field.userFilterSql);
    m_valueOf.append([edit] {
        return edit->codeValue().isEmpty() ? edit->text().trimmed() : edit->codeValue();
    });
    return edit;
}

QWidget *FindControl::makeLineEditor(const FindField &field)
{
    auto *edit = new QLineEdit;
    if (field.kind == FindValueKind::Decimal) {
        auto *numbers = new QDoubleValidator(-kLargestNumber, kLargestNumber, field.decimals, edit);
        numbers->setNotation(QDoubleValidator::StandardNotation);
        numbers->setLocale(QLocale::c());
        edit->setValidator(numbers);
    } else if (field.kind == FindValueKind::Integer) {
        edit->setValidator(new QIntValidator(edit));
    } else if (const int length = columnLength(field.element); length > 0) {
        edit->setMaxLength(length);
    }
    m_valueOf.append([edit] { return edit->text(); });
    return edit;
}

QWidget *FindControl::makeDateEditor()
{
    auto *box = new QWidget;
    auto *edit = new QLineEdit(box);
    edit->setPlaceholderText(QStringLiteral("yyyy-MM-dd"));
    auto *button = new QToolButton(box);
    button->setObjectName(QStringLiteral("cmdDate"));
    button->setText(QStringLiteral("..."));
    button->setToolTip(m_texts->text(QStringLiteral("Tarn.AA.PUB.FIND.pickdate")));
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit);
    layout->addWidget(button);
    box->setFocusProxy(edit);
    connect(button, &QToolButton::clicked, this, [this, edit] { pickDate(edit); });
    auto *key = new QShortcut(QKeySequence(Qt::Key_F2), edit);
    key->setContext(Qt::WidgetShortcut);
    connect(key, &QShortcut::activated, this, [this, edit] { pickDate(edit); });
    m_valueOf.append([edit] { return edit->text().trimmed(); });
    return box;
}

void FindControl::pickDate(QLineEdit *edit)
{
    DateCalendarPopup popup(this);
    popup.setDate(QDate::fromString(edit->text().trimmed(), Qt::ISODate));
    showModal(&popup);
    if (popup.result() == QDialog::Accepted)
        edit->setText(popup.date().toString(Qt::ISODate));
}

bool FindControl::isBooleanColumn(const QString &element) const
{
    return m_columnTypes.value(element.section(u'.', -1).toLower(), adVarWChar) == adBoolean;
}

int FindControl::columnLength(const QString &element) const
{
    const int length = m_columnLengths.value(element.section(u'.', -1).toLower(), 0);
    return length > 0 && length < kLongTextSize ? length : 0;
}

void FindControl::SetSelected(const QString &keyColumn, const QMap<QString, QString> &keysByRow,
                              const QString &table)
{
    m_keyColumn = keyColumn;
    m_table = table;
    m_selectedKeys = keysInRowOrder(keysByRow);
    m_selectedChoice->setText(
        m_texts
            ? m_texts->text(QStringLiteral("Tarn.AA.PUB.FIND.selected")).arg(m_selectedKeys.size())
            : QString());
    m_selectedChoice->setEnabled(!m_selectedKeys.isEmpty());
    (m_selectedKeys.isEmpty() ? m_conditionChoice : m_selectedChoice)->setChecked(true);
    updateRecordsText();
}

void FindControl::setDataService(std::shared_ptr<IClsCommon> service)
{
    m_service = std::move(service);
}

std::shared_ptr<IClsCommon> FindControl::dataService()
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

QStringList FindControl::columnsOf(const QString &table)
{
    QStringList columns;
    if (const std::shared_ptr<IClsCommon> service = dataService()) {
        for (const Field &column :
             service->OpenX(QStringLiteral("select top 0 * from ") + table).Fields())
            columns.append(column.name);
    }
    return columns;
}

void FindControl::buildCondition()
{
    const QList<FilterField> fields =
        conditionFieldsOf(m_filterFields, m_table, columnsOf(m_table),
                          columnsOf(m_table + QStringLiteral("_extradefine")));
    ConditionDialog dialog(fields, FilterSettings(fields), *m_texts, this);
    dialog.setRows(m_conditionRows);
    if (dialog.rows().isEmpty())
        dialog.addRow();
    showModal(&dialog);
    if (dialog.result() != QDialog::Accepted)
        return;
    m_conditionRows = dialog.rows();
    m_condition = u'(' + dialog.condition() + u')';
    m_conditionText = describeConditionRows(m_conditionRows, fields, *m_texts);
    m_conditionChoice->setChecked(true);
    updateRecordsText();
}

void FindControl::updateRecordsText()
{
    m_conditionButton->setEnabled(m_conditionChoice->isChecked());
    m_recordsText->setText(description());
}

QString FindControl::field() const
{
    return m_fieldBox->currentData().toString();
}

QString FindControl::value() const
{
    const int index = m_fieldBox->currentIndex();
    return index >= 0 && index < m_valueOf.size() ? m_valueOf.at(index)() : QString();
}

bool FindControl::selectField(const QString &element)
{
    const int index = m_fieldBox->findData(element, Qt::UserRole, Qt::MatchFixedString);
    if (index >= 0)
        m_fieldBox->setCurrentIndex(index);
    return index >= 0;
}

bool FindControl::fixField(const QString &element)
{
    if (element.isEmpty() || !selectField(element))
        return false;
    m_fieldBox->setEnabled(false);
    return true;
}

QWidget *FindControl::valueEditor() const
{
    return m_editors->currentWidget();
}

QString FindControl::condition() const
{
    return m_selectedChoice->isChecked() ? keysCondition(m_table, m_keyColumn, m_selectedKeys)
                                         : m_condition;
}

QString FindControl::description() const
{
    if (!m_texts)
        return {};
    if (m_selectedChoice->isChecked())
        return m_keyColumn + QStringLiteral(": ") + m_selectedKeys.join(QStringLiteral(", "));
    return m_conditionText.isEmpty() ? m_texts->text(QStringLiteral("Tarn.AA.PUB.FIND.allrecords"))
                                     : m_conditionText;
}

void FindControl::confirm()
{
    if (m_fieldBox->currentIndex() < 0)
        return;
    emit confirmed(field(), m_fieldBox->currentText(), value(), condition(), description(),
                   !m_selectedChoice->isChecked());
}

} // namespace suite
