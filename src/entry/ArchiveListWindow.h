#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace suite {
class RefClient;
class StatusBar;
class UpDown;
} // namespace suite

namespace customer {

class ArchiveEntry;

// What the entry classes and the reference query need of a list window, and the paging strip
// every list window of the component shows: page size and page number with their spinners,
// the first / previous / next / last links, the total-pages label and the apply button, above
// a status bar. The customer list and the import list derive from it.
class ArchiveListWindow : public QWidget
{
    Q_OBJECT

public:
    explicit ArchiveListWindow(QWidget *parent = nullptr);
    ~ArchiveListWindow() override;

    // Set by the entry class that created the window.
    ArchiveEntry *m_cls = nullptr;
    bool m_InPotal = false;
    // The record to show first: its code, whether to look for it, its class.
    QString CodeValue;
    bool IsFindCode = false;
    QString ClassCode;
    QString CodeFldName;
    // The reference client through which reference lists and sub-record dialogs read data.
    std::shared_ptr<suite::RefClient> RefClient;

    // The paging strip.
    QWidget *FrameWeb = nullptr;
    QLabel *Lblpagesize = nullptr;
    QLineEdit *EdtPageSize = nullptr;
    suite::UpDown *UpDown1 = nullptr;
    QLabel *Llbcurpage = nullptr;
    QLineEdit *EdtiCurPage = nullptr;
    suite::UpDown *UpDown2 = nullptr;
    QLabel *LblTotalPage = nullptr;
    std::array<QLabel *, 4> LblPage{};
    QPushButton *CmdRequest = nullptr;
    suite::StatusBar *Stb = nullptr;

    // Enables the "first" and "previous" links with bFore, "next" and "last" with bBack.
    void LblPageEnabled(bool bFore, bool bBack);
    // The strip after a page read: the page, the number of pages and the links. A pageCount
    // below 0 means the rows are still being counted: the strip says so, "next" is offered
    // when the page is full and "last" waits.
    void showPageNumbers(int page, int pageCount, bool pageFull);

signals:
    // A page of rows has been read and bound to the grid.
    void pageShown();
    // The rows of the list have been counted after its page was shown; the strip shows the
    // number of pages.
    void pagesCounted();

protected:
    // The area above the paging strip, where a list window puts its own controls.
    QWidget *body() const { return m_body; }

private:
    QWidget *m_body = nullptr;
};

} // namespace customer
