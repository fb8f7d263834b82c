#pragma once

#include "list/ListStatement.h"
#include "list/ListVariant.h"
#include "suite/data/PageStatements.h"
#include "suite/data/RecordSet.h"
#include "suite/data/SqlCursor.h"

#include "app/HeadlessSession.h"

#include <QCommandLineOption>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

namespace suite {
class Grid;
}

namespace host {

// What `customer-archive list` is asked for.
struct ListRequest
{
    QString database; // connection text or company file; empty = the demo company
    QString userId = QStringLiteral("demo");
    QString languageRegion = QStringLiteral("zh-CN");
    QString classCode; // the class clicked in the tree; empty = the root (every class)
    QString condition; // the filter as the window's condition (see listFilterCondition)
    QString search; // the words typed into the window's quick-search box
    int page = 1;
    std::optional<int> pageSize; // none = the size the user last applied in the window
    bool showSql = false;
    bool timing = false;
    // The list read: the customer list or the import staging list.
    const customer::ListVariant *variant = &customer::customerListVariant();
};

// The options that choose the customers of a list, shared by the sub-commands that read one:
// the session's (--db, --user, --lang), the class (--class) and the filter (--filter).
struct ListSelectionOptions
{
    HeadlessSession::Options session;
    QCommandLineOption classCode{ QStringLiteral("class"), QStringLiteral("Class code."),
                                  QStringLiteral("code") };
    QCommandLineOption filter{ QStringLiteral("filter"), QStringLiteral("Condition."),
                               QStringLiteral("condition") };

    void addTo(QCommandLineParser &parser) const;
    // The session, class and condition of request from a parsed command line; false with the
    // reason in error when the filter is not a condition.
    bool read(const QCommandLineParser &parser, ListRequest &request, QString &error) const;
};

// The arguments after "list"; nullopt with the reason in error when they are not understood
// (an unknown option, a stray argument, a number that is not a whole number of at least 1, a
// filter that is not a condition).
std::optional<ListRequest> parseListRequest(const QStringList &arguments, QString &error);

// A filter typed on the command line as the condition the window appends to its where part
// (after the class, the transfer flag and the user's row rights, with "and"). The text must
// be T-SQL that reads: literals and parentheses closed, no ";" and no comment. It is put
// between parentheses unless it already stands in one pair, as the filter dialog's conditions
// with an "or" do, so that whatever it holds it stays one condition of the where part: an
// "or" cannot reach past the rights, nor can anything end the where part. Empty for a blank
// filter. False with the reason in error.
bool listFilterCondition(const QString &filter, QString &condition, QString &error);

// One page of the customer list read as the list window reads it, on the session the
// component was entered with (HeadlessSession): the user's column set laid out on a grid of
// its own by the public service, the statement built by buildListStatement, the page read by
// GetPageRst and bound to the grid by BindRstToGrid. Nothing is shown.
class ListPage
{
public:
    ListPage();
    ~ListPage();

    // False with the reason in sMsg (the texts the window would show) when the column set
    // leaves no field or hides the code, the class does not exist or the page cannot be read.
    // The grid holds the page only when asked to: an export reads the rows alone.
    enum class Binding { ToGrid, RowsOnly };
    // A read that needs no number of pages does not wait for the rows to be counted.
    enum class Counting { Wait, Skip };
    bool read(const ListRequest &request, QString &sMsg, Binding binding = Binding::ToGrid,
              Counting counting = Counting::Wait);
    // Another page of the list the last successful read chose, its columns and statement
    // kept: a reader of every page (the export) lays the columns out once. The rows only.
    bool readPage(int page, int pageSize, QString &sMsg);

    // Every row of the list the last successful read chose, in page order, read forward (see
    // IPub::OpenRstForward); null with the reason in sMsg, or with none when the data service
    // reads pages only.
    std::unique_ptr<suite::SqlCursor> openForward(QString &sMsg);

    // The text the page read handed to the data service's page reader (OpenPage): the page's
    // keys in page order, with the where part the class, the rights and the filter make. The
    // SQL trace shows it as received. Empty when the read did not get that far.
    QString sentStatement() const { return m_sentStatement; }
    // The whole statement of the list the last successful read chose, unpaged, as the web host
    // receives it. Empty before such a read.
    QString listStatement() const { return m_statement ? m_statement->full : QString(); }
    // Header captions and rows, see gridPageLines.
    QStringList lines() const;
    // The pages the list has at the size read; 0 before a read, -1 after a read that did not
    // wait for the count.
    int pageCount() const { return m_pageCount; }
    // The window the page is laid out on: its grid "Grid" holds the page.
    QWidget *form() { return &m_form; }
    const suite::Grid &grid() const { return *m_grid; }
    // The page's rows as read, with their fields.
    const suite::RecordSet &rows() const { return m_rows; }

private:
    bool layOutColumns(QString &listFields, QString &order, QString &sMsg);
    bool readRows(int page, int pageSize, Counting counting, QString &sMsg);
    suite::PageRequest pageRequest() const;
    bool classExists(const QString &classCode) const;

    QWidget m_form;
    suite::Grid *m_grid;
    suite::RecordSet m_rows;
    std::optional<customer::ListStatement> m_statement;
    QString m_sentStatement;
    int m_pageCount = 0;
    const customer::ListVariant *m_variant = &customer::customerListVariant();
};

} // namespace host
