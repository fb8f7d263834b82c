#include "suite/core/ProcessEnvironment.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <unistd.h>

namespace suite {

namespace {

void addChromiumFlag(QByteArray &flags, const QByteArray &flag)
{
    if (flags.split(' ').contains(flag))
        return;
    if (!flags.isEmpty())
        flags.append(' ');
    flags.append(flag);
}

} // namespace

void prepareProcessEnvironment()
{
    if (qEnvironmentVariableIsEmpty("TZ") && QFileInfo::exists(QStringLiteral("/etc/localtime")))
        qputenv("TZ", ":/etc/localtime");
}

void prepareWebEngineEnvironment()
{
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (geteuid() == 0)
        addChromiumFlag(flags, "--no-sandbox");
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("offscreen") || platform.startsWith("minimal"))
        addChromiumFlag(flags, "--disable-gpu");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    // The web view shares its drawing context with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

} // namespace suite
