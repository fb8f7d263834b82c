#pragma once

#include "suite/data/RecordSet.h"

#include <QObject>
#include <QString>

namespace suite {

// What the owner of a reference client (a list window) answers when the client asks: the
// column information and saving of the reference lists' column sets, and the rows of a
// reference list. An owner that does not handle a request leaves the by-reference arguments
// as they were.
class RefClientEvents
{
public:
    virtual ~RefClientEvents() = default;

    virtual void RefClient_EventGetColInfo(const QString &cKey, int iReturnMode, QString &sXML) { }
    virtual void RefClient_EventSave(QString &sXML, bool &bFlag) { }
    // The owner reads the rows of the reference list strTablename and hands them back through
    // RstRefInit, together with the page numbers it used.
    virtual void RefClient_ReferRefresh(const QString &strTablename, int &lPageSize,
                                        int &lPageCount, int &lCurPage, const QString &strFilter,
                                        const QString &strMatch, const QString &strOrder)
    { }
};

// The reference client of the suite: the reference components (pop-up reference lists,
// sub-record dialogs) reach the data of the window that owns them through it. They ask with
// getColInfo, save and refresh; the client raises the owner's handler, and the owner answers
// by writing the arguments or, for the rows, by calling RstRefInit.
//
// Whether a reference list is read page by page is a setting of the client; it tells the owner
// on every RstRefInit, so the owner pages the reads that follow.
class RefClient : public QObject
{
    Q_OBJECT

public:
    explicit RefClient(QObject *parent = nullptr);

    // One owner at a time; null stops the requests from reaching anybody.
    void setEventHandler(RefClientEvents *handler) { m_handler = handler; }

    void setPaged(bool paged) { m_paged = paged; }
    bool paged() const { return m_paged; }

    // The column information of cKey; empty when the owner gives none.
    QString getColInfo(const QString &cKey, int iReturnMode);
    // False, sXML possibly holding the reason, when the owner did not save.
    bool save(QString &sXML);
    // Asks the owner for the rows of strTablename; True when an open record set came back.
    bool refresh(const QString &strTablename, int lPageSize, int lPageCount, int lCurPage,
                 const QString &strFilter, const QString &strMatch, const QString &strOrder);

    // The owner's answer to a refresh: keeps what it is given and writes the client's paging
    // setting into bPaged. bIsWeb and cTable are read only; iMode tells how the owner read
    // (1: the rows of a reference list), bFlag is not used by this client.
    void RstRefInit(bool &bIsWeb, bool &bPaged, QString &cTable, int iMode, bool bFlag,
                    int lPageSize, int lPageCount, int lCurPage, const RecordSet &rs,
                    const RecordSet &rsColSet, const RecordSet &rs3);

    const RecordSet &rows() const { return m_rows; }
    const RecordSet &columnSet() const { return m_columnSet; }
    const RecordSet &extraRows() const { return m_extraRows; }
    int pageSize() const { return m_pageSize; }
    int pageCount() const { return m_pageCount; }
    int curPage() const { return m_curPage; }
    QString table() const { return m_table; }
    bool isWeb() const { return m_isWeb; }
    int mode() const { return m_mode; }

signals:
    // New rows were handed over; a shown reference list reloads.
    void rowsReceived();

private:
    RefClientEvents *m_handler = nullptr;
    bool m_paged = false;
    bool m_answered = false;
    RecordSet m_rows;
    RecordSet m_columnSet;
    RecordSet m_extraRows;
    int m_pageSize = 0;
    int m_pageCount = 0;
    int m_curPage = 0;
    QString m_table;
    bool m_isWeb = false;
    int m_mode = 0;
};

} // namespace suite
