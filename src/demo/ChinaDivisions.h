#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace demo {

struct Division
{
    QString code;
    QString name;
    QString parentCode; // empty for a province
    int level = 0; // 1 province, 2 city, 3 county
};

// The provinces, cities and counties of China as the division file lists them: one line per
// division with code, name, parent code and level separated by tabs; lines starting with '#'
// are comments.
class ChinaDivisions
{
public:
    // Replaces the contents; on a malformed file nothing is kept and sMsg names the line.
    bool parse(const QString &text, QString &sMsg);
    // The file compiled into the program.
    bool loadBuiltIn(QString &sMsg);

    const QList<Division> &all() const { return m_divisions; }
    const Division *find(const QString &code) const;
    QList<const Division *> children(const QString &code) const;
    QList<const Division *> provinces() const { return children(QString()); }

    // The name a postal address uses, from the province down: 江苏省苏州市吴中区. A city that
    // repeats its province's name (the municipalities) is written once.
    QString fullName(const Division &division) const;

private:
    QList<Division> m_divisions;
    QHash<QString, qsizetype> m_byCode;
    QHash<QString, QList<qsizetype>> m_children;
};

} // namespace demo
