#pragma once

#include "suite/controls/FilterSettings.h"

#include <QDialog>

class QTableWidget;

namespace suite {

class ResourceTable;

// The filter-settings dialog: one line per catalogue field with a tick for "offer it in the
// filter dialog" and the operator its new lines start with.
class FilterSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    FilterSettingsDialog(const QList<FilterField> &fields, const FilterSettings &settings,
                         const ResourceTable &texts, QWidget *parent = nullptr);

    // The settings as the dialog shows them now.
    QList<FilterFieldSetting> settings() const;
    void setFieldShown(const QString &element, bool shown);
    void setDefaultOperator(const QString &element, FilterOperator op);

private:
    enum Column { ShowColumn, OperatorColumn };

    int rowOf(const QString &element) const;

    QList<FilterField> m_fields;
    QTableWidget *m_table = nullptr;
};

} // namespace suite
