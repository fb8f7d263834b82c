#include "demo/ChinaDivisions.h"

#include <QFile>
#include <QStringList>

namespace demo {

namespace {

bool parseLine(const QString &line, Division &division, QString &problem)
{
    const QStringList fields = line.split(u'\t');
    if (fields.size() != 4) {
        problem =
            QStringLiteral("expected 4 fields separated by tabs, found %1").arg(fields.size());
        return false;
    }
    bool numeric = false;
    division = { fields[0].trimmed(), fields[1].trimmed(), fields[2].trimmed(),
                 fields[3].trimmed().toInt(&numeric) };
    if (!numeric || division.level < 1 || division.level > 3)
        problem = QStringLiteral("level must be 1, 2 or 3, not \"%1\"").arg(fields[3]);
    else if (division.code.isEmpty() || division.name.isEmpty())
        problem = QStringLiteral("code and name must not be empty");
    else if ((division.level == 1) != division.parentCode.isEmpty())
        problem = QStringLiteral("a province has no parent, a city or county has one");
    return problem.isEmpty();
}

} // namespace

bool ChinaDivisions::parse(const QString &text, QString &sMsg)
{
    QList<Division> divisions;
    QHash<QString, qsizetype> byCode;
    QHash<QString, QList<qsizetype>> children;
    const QStringList lines = text.split(u'\n');
    for (qsizetype number = 0; number < lines.size(); ++number) {
        const QString line = QString(lines[number]).remove(u'\r');
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        Division division;
        QString problem;
        if (parseLine(line, division, problem)) {
            const auto parent = byCode.constFind(division.parentCode);
            if (byCode.contains(division.code))
                problem = QStringLiteral("code %1 appears twice").arg(division.code);
            else if (division.level > 1
                     && (parent == byCode.cend() || divisions[*parent].level != division.level - 1))
                problem = QStringLiteral("parent %1 is not a division of the level above")
                              .arg(division.parentCode);
        }
        if (!problem.isEmpty()) {
            sMsg = QStringLiteral("division file, line %1: %2").arg(number + 1).arg(problem);
            return false;
        }
        byCode.insert(division.code, divisions.size());
        children[division.parentCode].append(divisions.size());
        divisions.append(division);
    }
    m_divisions = divisions;
    m_byCode = byCode;
    m_children = children;
    return true;
}

bool ChinaDivisions::loadBuiltIn(QString &sMsg)
{
    QFile file(QStringLiteral(":/db/china-division.tsv"));
    if (!file.open(QIODevice::ReadOnly)) {
        sMsg = QStringLiteral("the division file is not built into the program: %1")
                   .arg(file.errorString());
        return false;
    }
    return parse(QString::fromUtf8(file.readAll()), sMsg);
}

const Division *ChinaDivisions::find(const QString &code) const
{
    const auto found = m_byCode.constFind(code);
    return found == m_byCode.cend() ? nullptr : &m_divisions[*found];
}

QList<const Division *> ChinaDivisions::children(const QString &code) const
{
    QList<const Division *> result;
    for (qsizetype index : m_children.value(code))
        result.append(&m_divisions[index]);
    return result;
}

QString ChinaDivisions::fullName(const Division &division) const
{
    const Division *parent = find(division.parentCode);
    if (!parent)
        return division.name;
    const QString above = fullName(*parent);
    return above.endsWith(division.name) ? above : above + division.name;
}

} // namespace demo
