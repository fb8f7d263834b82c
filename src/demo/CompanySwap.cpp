#include "demo/CompanySwap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>

namespace demo {

namespace {

// A journal beside the old database belongs to it: left beside the new one it would be read
// into it.
const QStringList kJournalSuffixes = { QStringLiteral("-wal"), QStringLiteral("-shm"),
                                       QStringLiteral("-journal") };

struct Move
{
    QString from;
    QString to;
};

// One step: the two files change places, or from takes the name to when there is no such file.
bool exchange(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    const unsigned int how = QFileInfo::exists(to) ? RENAME_EXCHANGE : RENAME_NOREPLACE;
    return renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), how) == 0;
}

void undo(const QList<Move> &done)
{
    for (auto move = done.crbegin(); move != done.crend(); ++move)
        exchange(move->to, move->from);
}

QList<Move> movesFor(const QString &fresh, const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const QDir folder(fresh);
    QList<Move> moves;
    for (const QString &suffix : kJournalSuffixes) {
        if (QFileInfo::exists(path + suffix))
            moves.append({ path + suffix, folder.filePath(name + suffix) });
    }
    moves.append({ folder.filePath(name), path });
    return moves;
}

} // namespace

bool swapCompanyFiles(const QString &fresh, const QStringList &finalPaths, QString &sMsg)
{
    QList<Move> done;
    for (const QString &path : finalPaths) {
        for (const Move &move : movesFor(fresh, path)) {
            if (!exchange(move.from, move.to)) {
                sMsg = QStringLiteral("cannot put the new %1 in place (%2); the old company is "
                                      "kept")
                           .arg(QDir::toNativeSeparators(path),
                                QString::fromLocal8Bit(std::strerror(errno)));
                undo(done);
                return false;
            }
            done.append(move);
        }
    }
    return true;
}

} // namespace demo
