#pragma once

#include <QDialog>

#include <functional>

class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace suite {

class IClsCommon;
class ResourceTable;
class SubRecordList;

// The grid over the rows of one sub-record kind: add, remove, edit cells, choose the default
// row. OK keeps the dialog open while a row is invalid and tells the user why; read-only shows
// the rows with a Close button only.
class SubRecordDialog : public QDialog
{
    Q_OBJECT

public:
    using Messenger = std::function<void(const QString &text)>;

    SubRecordDialog(SubRecordList &list, IClsCommon &srv, const ResourceTable &texts,
                    Messenger tellUser, QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }

    void addRow();
    void removeCurrentRow();
    void setCurrentDefault();
    void accept() override;

private:
    void fillTable();
    void fillRow(int row);
    void takeEdit(QTableWidgetItem *item);
    QPushButton *button(const char *objectName, const QString &captionKey);
    int defaultColumn() const;

    SubRecordList &m_list;
    IClsCommon &m_srv;
    const ResourceTable &m_texts;
    Messenger m_tellUser;
    QTableWidget *m_table = nullptr;
    bool m_filling = false;
};

} // namespace suite
