#include "app/QtMessageLog.h"

#include "suite/core/ErrorLog.h"

#include <QtGlobal>

namespace host {

namespace {

QtMessageHandler g_qtHandler = nullptr;

void logQtMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QString where = QStringLiteral("Qt ") + QString::fromLatin1(context.category);
    switch (type) {
    case QtFatalMsg:
        if (g_qtHandler)
            g_qtHandler(type, context, message);
        break;
    case QtCriticalMsg:
        suite::ErrorLog::instance().error(where, message);
        break;
    case QtWarningMsg:
        suite::ErrorLog::instance().warning(where, message);
        break;
    case QtDebugMsg:
    case QtInfoMsg:
        break;
    }
}

} // namespace

void sendQtMessagesToErrorLog()
{
    g_qtHandler = qInstallMessageHandler(logQtMessage);
}

} // namespace host
