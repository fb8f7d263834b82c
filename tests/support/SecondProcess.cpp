// A second process on a company database, driven line by line through its standard input, for
// the tests of what the sessions of several processes share:
//
//     second_process CONNECTION USER_ID USER_NAME
//
//     take FUNCTION TASK      -> "taken" or "refused <message>"
//     release FUNCTION TASK   -> "released"
//     number COUNT CLASS      -> "code <code>" for each customer of the class saved with a
//                                generated code, then "done" (or "error <message>")
//     number-for MS CLASS     -> the same for as many customers as it saves in MS milliseconds,
//                                with "lost <message>" for each save another process's save of
//                                the same code made fail
//
// It answers "ready <session id>" once its lock session is open, and ends with its input.

#include "suite/data/DataService.h"
#include "suite/pub/BillNumbering.h"
#include "suite/pub/FunctionLocks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStringList>
#include <QThread>

#include <iostream>
#include <limits>
#include <string>

namespace {

// Attempts at one customer: another process may save the offered code first.
constexpr int kAttemptsPerCode = 100;

void answer(const QString &line)
{
    std::cout << line.toStdString() << std::endl;
}

QString customerXml(const QString &code, const QString &classCode)
{
    return QStringLiteral("<Customer bCreateBillNum='1' bManualChangeCode='0'><cCusCode>%1"
                          "</cCusCode><cCusName>Second process %1</cCusName><cCusAbbName>%1"
                          "</cCusAbbName><cCCCode>%2</cCCCode></Customer>")
        .arg(code, classCode);
}

bool saveNumbered(suite::ClsCommon &service, const QString &classCode, bool tellLost, QString &code,
                  QString &sMsg)
{
    suite::BillNumbering numbering(service);
    const QString context =
        QStringLiteral("<Customer><ccccode>%1</ccccode></Customer>").arg(classCode);
    for (int attempt = 0; attempt < kAttemptsPerCode; ++attempt) {
        if (!numbering.GetBillNumber(QStringLiteral("Customer"), context, code, sMsg))
            return false;
        if (service.Add(customerXml(code, classCode), QStringLiteral("Customer"), sMsg))
            return true;
        if (tellLost)
            answer(QStringLiteral("lost ") + QString(sMsg).replace(u'\n', u' '));
        // As a user reads the message before saving again: without the pause, the process
        // that just saved always asks for the next code first and the others lose every race.
        QThread::msleep(QRandomGenerator::global()->bounded(1, 20));
    }
    return false;
}

// Saves until count customers are saved or the time is over, whichever comes first.
void number(suite::ClsCommon &service, int count, qint64 milliseconds, const QString &classCode)
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count && (milliseconds < 0 || clock.elapsed() < milliseconds); ++i) {
        QString code;
        QString sMsg;
        if (!saveNumbered(service, classCode, milliseconds >= 0, code, sMsg)) {
            answer(QStringLiteral("error ") + sMsg);
            return;
        }
        answer(QStringLiteral("code ") + code);
    }
    answer(QStringLiteral("done"));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::cerr << "usage: second_process CONNECTION USER_ID USER_NAME" << std::endl;
        return 2;
    }
    QString sMsg;
    const std::unique_ptr<suite::FunctionLocks> locks =
        suite::FunctionLocks::open(args[1], args[2], args[3], QString(), sMsg);
    suite::ClsCommon service;
    service.Init(args[1]);
    if (!locks || !service.Status()) {
        answer(QStringLiteral("error ") + (locks ? service.LastError() : sMsg));
        return 1;
    }
    answer(QStringLiteral("ready ") + locks->sessionId());
    std::string line;
    while (std::getline(std::cin, line)) {
        const QStringList words = QString::fromStdString(line).split(u' ', Qt::SkipEmptyParts);
        if (words.size() != 3) {
            answer(QStringLiteral("error expected a command and two arguments"));
            continue;
        }
        if (words[0] == u"take") {
            const bool refused = locks->isLocked(words[1], words[2].toInt(), nullptr, sMsg);
            answer(refused ? QStringLiteral("refused ") + sMsg : QStringLiteral("taken"));
        } else if (words[0] == u"release") {
            locks->isLocked(words[1], -words[2].toInt(), nullptr, sMsg);
            answer(QStringLiteral("released"));
        } else if (words[0] == u"number") {
            number(service, words[1].toInt(), -1, words[2]);
        } else if (words[0] == u"number-for") {
            number(service, std::numeric_limits<int>::max(), words[1].toLongLong(), words[2]);
        } else {
            answer(QStringLiteral("error unknown command ") + words[0]);
        }
    }
    return 0;
}
