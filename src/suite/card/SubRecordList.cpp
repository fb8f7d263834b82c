#include "suite/card/SubRecordList.h"

#include "suite/core/XmlDocument.h"
#include "suite/data/IClsCommon.h"
#include "suite/data/RecordSet.h"
#include "suite/pub/ResourceTable.h"

#include <QUuid>

namespace suite {

namespace {

const QString kRows = QStringLiteral("Rows");
const QString kRow = QStringLiteral("Row");

QString newGuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

QString element(const QString &name, const QString &value)
{
    return u'<' + name + u'>' + escapeXmlText(value) + QStringLiteral("</") + name + u'>';
}

XmlElement childNamed(const XmlElement &parent, const QString &name)
{
    for (const XmlElement &child : parent.childElements())
        if (child.name().compare(name, Qt::CaseInsensitive) == 0)
            return child;
    return {};
}

} // namespace

SubRecordList::SubRecordList(SubRecordKind kind)
    : m_kind(std::move(kind))
{ }

bool SubRecordList::loadParameters(const QString &xml, QString &sMsg)
{
    XmlDocument document;
    if (!document.loadXml(xml)) {
        sMsg = document.parseError();
        return false;
    }
    const XmlElement root = document.documentElement();
    m_root = m_kind.fragmentRoot.isEmpty() ? root.name() : m_kind.fragmentRoot;
    m_parameters.clear();
    m_rows.clear();
    m_hasKeptRows = false;
    for (const XmlElement &child : root.childElements()) {
        if (child.name() == kRows) {
            m_hasKeptRows = true;
            readKeptRows(child.childElements());
        } else if (child.name() != m_kind.defaultGuidElement) {
            m_parameters.append({ child.name(), child.text() });
        }
    }
    m_customerCode = childNamed(root, m_kind.codeElement).text();
    const XmlElement right = childNamed(root, m_kind.rightElement);
    m_rightLevel = right ? right.text().trimmed().toInt() : 2;
    return true;
}

void SubRecordList::readKeptRows(const QList<XmlElement> &rows)
{
    const QList<SubRecordColumn> stored = m_kind.storedColumns();
    for (const XmlElement &rowElement : rows) {
        SubRecordRow row;
        for (const SubRecordColumn &column : stored)
            row.values.append(childNamed(rowElement, column.name).text());
        row.isDefault = !m_kind.defaultColumn.isEmpty()
            && childNamed(rowElement, m_kind.defaultColumn).text().trimmed() == u'1';
        m_rows.append(row);
    }
    m_rowsAsGiven = m_rows;
}

bool SubRecordList::readRows(IClsCommon &srv, QString &sMsg)
{
    RecordSet rows = srv.OpenX(m_kind.selectSql(m_customerCode));
    if (!rows.IsOpen()) {
        sMsg = srv.LastError();
        return false;
    }
    const QList<SubRecordColumn> stored = m_kind.storedColumns();
    const int storedCount = int(stored.size());
    m_rows.clear();
    for (int i = 0; i < rows.RecordCount(); ++i) {
        SubRecordRow row;
        // Rows written before they carried GUIDs get one now, so every row can be named.
        for (int column = 0; column < storedCount; ++column) {
            const QString value = rows.valueAt(i, column).toString();
            row.values.append(value.isEmpty() && stored.at(column).hiddenGuid ? newGuid() : value);
        }
        if (!m_kind.defaultColumn.isEmpty())
            row.isDefault = rows.valueAt(i, storedCount).toInt() == 1;
        m_rows.append(row);
    }
    m_rowsAsGiven = m_rows;
    return true;
}

int SubRecordList::addRow()
{
    SubRecordRow row;
    for (const SubRecordColumn &column : m_kind.storedColumns())
        row.values.append(column.hiddenGuid ? newGuid() : QString());
    row.isDefault = !m_kind.defaultColumn.isEmpty() && m_rows.isEmpty();
    if (m_initializer)
        m_initializer(row, m_added);
    ++m_added;
    m_rows.append(row);
    return int(m_rows.size()) - 1;
}

void SubRecordList::removeRow(int index)
{
    if (index < 0 || index >= m_rows.size())
        return;
    const bool wasDefault = m_rows.at(index).isDefault;
    m_rows.removeAt(index);
    if (wasDefault && !m_rows.isEmpty())
        m_rows.first().isDefault = true;
}

void SubRecordList::setValue(int rowIndex, int storedColumn, const QString &value)
{
    if (rowIndex >= 0 && rowIndex < m_rows.size() && storedColumn >= 0
        && storedColumn < m_rows.at(rowIndex).values.size())
        m_rows[rowIndex].values[storedColumn] = value;
}

void SubRecordList::setDefault(int rowIndex)
{
    if (m_kind.defaultColumn.isEmpty() || rowIndex < 0 || rowIndex >= m_rows.size())
        return;
    for (int i = 0; i < m_rows.size(); ++i)
        m_rows[i].isDefault = i == rowIndex;
}

QString SubRecordList::shownText(IClsCommon &srv, int rowIndex, const SubRecordColumn &column) const
{
    const SubRecordRow &row = m_rows.at(rowIndex);
    if (column.lookup)
        return column.lookup(srv, row.values);
    return row.values.value(m_kind.storedIndex(column.name));
}

bool SubRecordList::validate(IClsCommon &srv, const ResourceTable &texts, QString &sMsg) const
{
    for (int i = 0; i < m_rows.size(); ++i)
        if (!validateRow(srv, texts, i, sMsg))
            return false;
    return validateUnique(texts, sMsg);
}

bool SubRecordList::validateRow(IClsCommon &srv, const ResourceTable &texts, int rowIndex,
                                QString &sMsg) const
{
    const QString rowNumber = QString::number(rowIndex + 1);
    for (const SubRecordColumn &column : m_kind.shownColumns()) {
        const QString caption = texts.text(column.captionKey);
        if (column.lookup) {
            const QString code =
                m_rows.at(rowIndex).values.value(m_kind.storedIndex(column.lookupOf));
            if (!code.isEmpty() && shownText(srv, rowIndex, column).isEmpty()) {
                sMsg = texts.format(QStringLiteral("Tarn.AA.SUBREC.COMMON.notfound"),
                                    { rowNumber, code });
                return false;
            }
            continue;
        }
        const QString value = shownText(srv, rowIndex, column);
        QString problem;
        if (column.required && value.trimmed().isEmpty())
            problem = QStringLiteral("Tarn.AA.SUBREC.COMMON.required");
        else if (column.maxLength > 0 && value.size() > column.maxLength)
            problem = QStringLiteral("Tarn.AA.SUBREC.COMMON.toolong");
        else if (column.type == SubRecordColumn::Type::Integer && !value.isEmpty()) {
            bool ok = false;
            value.toInt(&ok);
            if (!ok)
                problem = QStringLiteral("Tarn.AA.SUBREC.COMMON.notinteger");
        }
        if (!problem.isEmpty()) {
            sMsg = texts.format(problem, { rowNumber, caption, QString::number(column.maxLength) });
            return false;
        }
    }
    return true;
}

bool SubRecordList::validateUnique(const ResourceTable &texts, QString &sMsg) const
{
    QList<int> indexes;
    QStringList captions;
    for (const QString &name : m_kind.uniqueColumns) {
        indexes.append(m_kind.storedIndex(name));
        for (const SubRecordColumn &column : m_kind.columns)
            if (column.name == name)
                captions.append(texts.text(column.captionKey));
    }
    QStringList seen;
    for (int i = 0; i < m_rows.size(); ++i) {
        QStringList key;
        for (int index : std::as_const(indexes))
            key.append(m_rows.at(i).values.value(index).trimmed().toCaseFolded());
        const QString joined = key.join(QChar(0x1f));
        if (seen.contains(joined)) {
            sMsg = texts.format(QStringLiteral("Tarn.AA.SUBREC.COMMON.duplicate"),
                                { QString::number(i + 1), captions.join(u'/') });
            return false;
        }
        seen.append(joined);
    }
    return true;
}

QString SubRecordList::fragment() const
{
    QString xml = u'<' + m_root + u'>';
    for (const auto &[name, value] : m_parameters)
        xml += element(name, value);
    xml += u'<' + kRows + u'>';
    const QList<SubRecordColumn> stored = m_kind.storedColumns();
    QString defaultGuid;
    for (const SubRecordRow &row : m_rows) {
        xml += u'<' + kRow + u'>';
        for (int i = 0; i < stored.size(); ++i) {
            xml += element(stored.at(i).name, row.values.value(i));
            if (stored.at(i).hiddenGuid && row.isDefault)
                defaultGuid = row.values.value(i);
        }
        if (!m_kind.defaultColumn.isEmpty())
            xml += element(m_kind.defaultColumn,
                           row.isDefault ? QStringLiteral("1") : QStringLiteral("0"));
        xml += QStringLiteral("</") + kRow + u'>';
    }
    xml += QStringLiteral("</") + kRows + u'>';
    if (!m_kind.defaultGuidElement.isEmpty() && !defaultGuid.isEmpty())
        xml += element(m_kind.defaultGuidElement, defaultGuid);
    return xml + QStringLiteral("</") + m_root + u'>';
}

} // namespace suite
