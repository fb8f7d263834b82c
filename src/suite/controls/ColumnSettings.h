#pragma once

#include "suite/controls/ColumnSettingsModel.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace suite {

class ResourceTable;

// The suite's column-settings control: one table row per column of a column-set XML (caption,
// shown, width, order, sort, fixed), buttons to move the current column, three buttons that ask
// the host for the set again (all columns, the shown ones, the defaults), and confirm / cancel.
// The host answers the requests with setXml; the control never reads or stores a set itself.
class ColumnSettings : public QWidget
{
    Q_OBJECT

public:
    enum TableColumn {
        CaptionColumn,
        ShownColumn,
        WidthColumn,
        OrderColumn,
        SortColumn,
        FixedColumn
    };

    explicit ColumnSettings(const ResourceTable &texts, QWidget *parent = nullptr);

    // False, with the reason shown under the table, when the XML does not read.
    bool setXml(const QString &xml);
    QString xml() const { return m_model.xml(); }
    const ColumnSettingsModel &model() const { return m_model; }

    // Offers the user the choice to store the set, not only to use it: the save flag of
    // confirmed. Off by default.
    void setSaveOptionVisible(bool visible);
    bool saveOptionVisible() const;

    // The table row the move buttons act on.
    int currentRow() const;
    void setCurrentRow(int row);
    // The reason the last edit or load was refused; empty after a good one.
    QString message() const;

signals:
    void confirmed(bool save, const QString &xml);
    void cancelled();
    void reloadAllRequested();
    void reloadShownRequested();
    void reloadDefaultsRequested();

private:
    QPushButton *addButton(const char *objectName, const char *textKey);
    void fillTable();
    void fillRow(int row);
    void onItemChanged(int row, int tableColumn);
    void move(bool up);
    void report(bool accepted, const QString &sMsg);

    const ResourceTable &m_texts;
    ColumnSettingsModel m_model;
    QTableWidget *m_table = nullptr;
    QCheckBox *m_save = nullptr;
    QLabel *m_message = nullptr;
    QWidget *m_buttons = nullptr;
    bool m_filling = false;
};

} // namespace suite
