#pragma once

#include "suite/controls/ConditionBuilder.h"
#include "suite/controls/FilterSettings.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QTableWidget;

namespace suite {

class ResourceTable;

// The filter dialog: lines of field, operator, value and "and"/"or" over the fields the user's
// filter settings offer. OK builds the condition and closes only when every line is right;
// otherwise the reason shows in the dialog and nothing is lost.
class ConditionDialog : public QDialog
{
    Q_OBJECT

public:
    ConditionDialog(const QList<FilterField> &fields, const FilterSettings &settings,
                    const ResourceTable &texts, QWidget *parent = nullptr);

    void setRows(const QList<ConditionRow> &rows);
    QList<ConditionRow> rows() const;
    // A new line on the first offered field with its default operator.
    void addRow();
    void removeCurrentRow();
    // What OK does: true (and the dialog accepted) when the lines build a condition.
    bool tryAccept();
    QString condition() const { return m_condition; }
    QString errorText() const;

private:
    enum Column { FieldColumn, OperatorColumn, ValueColumn, JoinColumn };

    void appendRow(const ConditionRow &row);
    QComboBox *comboAt(int row, Column column) const;
    void fillOperators(int row, FilterOperator selected);
    void fillValue(int row, const QString &value);
    const FilterField *fieldOfRow(int row) const;
    void fieldChanged(QComboBox *fieldBox);

    QList<FilterField> m_fields;
    FilterSettings m_settings;
    const ResourceTable &m_texts;
    ConditionBuilder m_builder;
    QTableWidget *m_table = nullptr;
    QLabel *m_error = nullptr;
    QString m_condition;
};

} // namespace suite
