#include "entry/ClsCustomerEvents.h"

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

} // namespace customer
