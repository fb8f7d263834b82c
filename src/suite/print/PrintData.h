#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace suite {

// What the print control prints or exports: a titled table as the list shows it. The public
// service fills it from a window (GetPrnDataFile); the renderers and writers only read it.
struct PrintData
{
    QString title;
    QString accountId;
    QString userId;
    QString userName;
    QStringList headers;
    QList<QStringList> rows; // each as long as headers
};

} // namespace suite
