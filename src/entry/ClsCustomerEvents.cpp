#include "entry/ClsCustomerEvents.h"

#include <QMetaObject>
#include <QObject>

namespace customer {

void ClsCustomerEvents::EventOpenX(const QString &, suite::RecordSet &, QString &) { }
void ClsCustomerEvents::EventOpenPage(const QString &, int &, int &, int &, suite::RecordSet &,
                                      QString &, bool &)
{ }
void ClsCustomerEvents::EventGetFunAuth(const std::shared_ptr<suite::ILogin> &, const QString &,
                                        int, QString &, int, const QString &, int, bool &)
{ }
void ClsCustomerEvents::EventAdd(const QString &, const QString &, QString &, bool &) { }
void ClsCustomerEvents::EventModify(const QString &, const QString &, QString &, bool &) { }
void ClsCustomerEvents::EventDelete(const QVariant &, const QString &, const QString &, QString &,
                                    const QString &, bool &)
{ }
void ClsCustomerEvents::EventFind(const QString &, QStringList &, QStringList &, QString &,
                                  suite::RecordSet &)
{ }
void ClsCustomerEvents::EventExecuteX(const QString &, bool &) { }
void ClsCustomerEvents::EventGetColInfo(const QString &, int, QString &) { }
void ClsCustomerEvents::EventGetColSet(const QString &, int, suite::RecordSet &) { }
void ClsCustomerEvents::EventSave(QString &, bool &) { }
void ClsCustomerEvents::EventGetSqlString(const QString &, QString &) { }
void ClsCustomerEvents::EventGetOrderString(const QString &, QString &) { }
void ClsCustomerEvents::EventiCols(int &) { }
void ClsCustomerEvents::EventGetFixedCols(int &) { }
void ClsCustomerEvents::EventGetAuthString(const QString &, QString &) { }

void ClsCustomerEvents::EventOpenPageUncounted(const QString &strSql, int &iPageSize, int &lCurPage,
                                               int &lMaxPageCount, suite::RecordSet &RsRef,
                                               QString &sMsg, bool &bFlag)
{
    EventOpenPage(strSql, iPageSize, lCurPage, lMaxPageCount, RsRef, sMsg, bFlag);
}

void ClsCustomerEvents::EventCountPageLater(const QString &, QObject *requester, PageCountDone done)
{
    QMetaObject::invokeMethod(
        requester,
        [done] { done(-1, QStringLiteral("The host does not count the rows of a page later.")); },
        Qt::QueuedConnection);
}

} // namespace customer
