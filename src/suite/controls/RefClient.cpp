#include "suite/controls/RefClient.h"

namespace suite {

RefClient::RefClient(QObject *parent)
    : QObject(parent)
{ }

QString RefClient::getColInfo(const QString &cKey, int iReturnMode)
{
    QString sXML;
    if (m_handler)
        m_handler->RefClient_EventGetColInfo(cKey, iReturnMode, sXML);
    return sXML;
}

bool RefClient::save(QString &sXML)
{
    bool bFlag = false;
    if (m_handler)
        m_handler->RefClient_EventSave(sXML, bFlag);
    return bFlag;
}

bool RefClient::refresh(const QString &strTablename, int lPageSize, int lPageCount, int lCurPage,
                        const QString &strFilter, const QString &strMatch, const QString &strOrder)
{
    m_answered = false;
    if (m_handler)
        m_handler->RefClient_ReferRefresh(strTablename, lPageSize, lPageCount, lCurPage, strFilter,
                                          strMatch, strOrder);
    return m_answered;
}

void RefClient::RstRefInit(bool &bIsWeb, bool &bPaged, QString &cTable, int iMode, bool,
                           int lPageSize, int lPageCount, int lCurPage, const RecordSet &rs,
                           const RecordSet &rsColSet, const RecordSet &rs3)
{
    bPaged = m_paged;
    m_isWeb = bIsWeb;
    m_table = cTable;
    m_mode = iMode;
    m_pageSize = lPageSize;
    m_pageCount = lPageCount;
    m_curPage = lCurPage;
    m_rows = rs;
    m_columnSet = rsColSet;
    m_extraRows = rs3;
    m_answered = rs.IsOpen();
    emit rowsReceived();
}

} // namespace suite
