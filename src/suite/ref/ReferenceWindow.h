#pragma once

#include "suite/ref/ReferenceQuery.h"

#include <QDialog>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QTimer;
class QToolButton;

namespace suite {

class IClsCommon;
class ResourceTable;

// The reference window: the rows a reference offers, page by page, to pick one from.
//
// It is made for the keyboard: the search box has the focus and searches as the user types
// (after a short pause, or at once on Enter); Down moves into the rows; Enter or a double click
// chooses the current row, Escape cancels; Ctrl+Page Up / Ctrl+Page Down turn the page. A
// statement the data service refuses is shown in the window, which then offers no rows.
class ReferenceWindow : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kSearchDelayMs = 300;

    ReferenceWindow(ReferenceQuery query, std::shared_ptr<IClsCommon> service,
                    const ResourceTable &texts, QWidget *parent = nullptr,
                    int pageSize = ReferencePage::kDefaultSize);

    // Starts with this search already applied.
    void setSearchText(const QString &text);
    // Reads the first page for the search as it stands now.
    void applySearch();
    void showPage(int page);

    int page() const { return m_page.page; }
    int pageCount() const { return m_page.pageCount; }
    // Rows of the page shown.
    int rowCount() const;
    QString message() const;

    // The row chosen with OK, as a one-row record set; closed when nothing was chosen.
    const RecordSet &chosenRow() const { return m_chosen; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLayout();
    QToolButton *pageButton(const QString &name, const QString &textKey, int step);
    void read(int page);
    void fillRows();
    void updatePaging();
    void choose();
    bool searchKey(int key);
    bool rowsKey(int key);

    ReferenceQuery m_query;
    std::shared_ptr<IClsCommon> m_service;
    const ResourceTable &m_texts;
    ReferencePage m_page;
    RecordSet m_chosen;

    QLineEdit *m_search = nullptr;
    QTimer *m_searchDelay = nullptr;
    QTableView *m_rows = nullptr;
    QStandardItemModel *m_model = nullptr;
    QLabel *m_pageLabel = nullptr;
    QLabel *m_message = nullptr;
    QPushButton *m_ok = nullptr;
    QList<QToolButton *> m_pageButtons;
};

} // namespace suite
