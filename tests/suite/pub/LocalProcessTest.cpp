#include "suite/pub/LocalProcess.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace suite;

TEST(LocalProcess, ThisProcessRunsWithItsOwnStartMark)
{
    const qint64 me = currentProcessId();
    EXPECT_EQ(me, qint64(::getpid()));
    const QString mark = processStartMark(me);
    static const QRegularExpression form(QStringLiteral("^[0-9a-f-]{36}:[0-9]+$"));
    EXPECT_TRUE(form.match(mark).hasMatch()) << mark.toStdString();
    EXPECT_TRUE(isProcessRunning(me, mark));
    EXPECT_TRUE(isProcessRunning(me, QString())) << "without a mark the id decides";
}

TEST(LocalProcess, AnotherStartMarkMeansTheIdWasUsedAgain)
{
    const QString mark = processStartMark(currentProcessId());
    const QString earlier = mark.left(mark.indexOf(u':') + 1) + QStringLiteral("1");
    EXPECT_FALSE(isProcessRunning(currentProcessId(), earlier));
    EXPECT_FALSE(isProcessRunning(0, QString()));
    EXPECT_FALSE(isProcessRunning(-1, mark));
}

TEST(LocalProcess, AChildRunsUntilItEndsEvenBeforeItIsReaped)
{
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Runs until the parent closes its end of the pipe.
        ::close(pipeEnds[1]);
        char byte = 0;
        while (::read(pipeEnds[0], &byte, 1) > 0) { }
        ::_exit(0);
    }
    ::close(pipeEnds[0]);
    const QString mark = processStartMark(child);
    EXPECT_FALSE(mark.isEmpty());
    EXPECT_TRUE(isProcessRunning(child, mark));

    ::close(pipeEnds[1]);
    // Waits for the end but leaves the child unreaped: a zombie still answers signals.
    siginfo_t info{};
    ASSERT_EQ(::waitid(P_PID, id_t(child), &info, WEXITED | WNOWAIT), 0);
    EXPECT_EQ(::kill(child, 0), 0);
    EXPECT_TRUE(processStartMark(child).isEmpty());
    EXPECT_FALSE(isProcessRunning(child, mark));

    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    EXPECT_FALSE(isProcessRunning(child, mark));
    EXPECT_FALSE(isProcessRunning(child, QString()));
}
