#include "suite/pub/BillNumbering.h"

#include "suite/core/ErrorLog.h"
#include "suite/core/SqlQuote.h"
#include "suite/core/XmlDocument.h"
#include "suite/data/DataService.h"
#include "suite/pub/ResourceTable.h"

#include <QRegularExpression>

namespace suite {

namespace {

const QString kWhere = QStringLiteral("BillNumbering");
const QString kReadFail = QStringLiteral("Tarn.AA.PUB.BILLNUM.readfail");

bool isPlainName(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return plain.match(name).hasMatch();
}

QString bracketed(const QString &name)
{
    return u'[' + name + u']';
}

QVariant cell(const RecordSet &rows, int row, const char *column)
{
    return rows.valueAt(row, rows.FieldIndex(QLatin1String(column)));
}

} // namespace

BillNumbering::BillNumbering(IClsCommon &service, const QString &languageRegion)
    : m_service(service)
    , m_languageRegion(languageRegion)
{ }

QString BillNumbering::text(const QString &key, const QStringList &args) const
{
    return ResourceTable::builtIn(m_languageRegion).format(key, args);
}

BillNumbering::Lookup BillNumbering::readRule(const QString &cObject, CodeRule &rule, QString &sMsg)
{
    const QString object = cObject.trimmed();
    if (!isPlainName(object)) {
        sMsg = text(QStringLiteral("Tarn.AA.PUB.BILLNUM.badname"), { cObject, cObject });
        return Lookup::Failed;
    }
    const Lookup found = readRuleRow(object, rule, sMsg);
    if (found != Lookup::Found)
        return found;
    return readParts(rule, sMsg) && checkRule(rule, sMsg) ? Lookup::Found : Lookup::Failed;
}

bool BillNumbering::ruleTableExists()
{
    const RecordSet rows = m_service.OpenX(QStringLiteral(
        "select case when object_id('VoucherNumber') is null then 0 else 1 end as present"));
    return rows.RecordCount() > 0 && rows.valueAt(0, 0).toInt() == 1;
}

BillNumbering::Lookup BillNumbering::readRuleRow(const QString &cObject, CodeRule &rule,
                                                 QString &sMsg)
{
    // Asked first: a save reads the rule inside its transaction, which a failed read of a
    // missing table would end on a server that aborts a transaction at its first error.
    if (!ruleTableExists())
        return Lookup::None;
    const RecordSet rows = m_service.OpenX(
        QStringLiteral("select cObject, cCodeField, bAutoCode, bManualChange, iSerialLength,"
                       " iSerialStart from VoucherNumber where cObject = %1")
            .arg(sqlUnicode(cObject)));
    if (!rows.IsOpen()) {
        sMsg = text(kReadFail, { cObject, m_service.LastError() });
        return Lookup::Failed;
    }
    if (rows.RecordCount() == 0)
        return Lookup::None;
    rule = CodeRule();
    rule.object = cell(rows, 0, "cObject").toString();
    rule.codeField = cell(rows, 0, "cCodeField").toString().trimmed();
    rule.autoCode = cell(rows, 0, "bAutoCode").toBool();
    rule.manualChange = cell(rows, 0, "bManualChange").toBool();
    rule.serialLength = cell(rows, 0, "iSerialLength").toInt();
    // A serial below 1 could never be told from an unused prefix.
    rule.serialStart = qMax(1, cell(rows, 0, "iSerialStart").toInt());
    return Lookup::Found;
}

bool BillNumbering::readParts(CodeRule &rule, QString &sMsg)
{
    const RecordSet rows = m_service.OpenX(
        QStringLiteral("select iOrder, cKind, cValue from VoucherNumberPart where cObject = %1"
                       " order by iOrder")
            .arg(sqlUnicode(rule.object)));
    if (!rows.IsOpen()) {
        sMsg = text(kReadFail, { rule.object, m_service.LastError() });
        return false;
    }
    for (int row = 0; row < rows.RecordCount(); ++row) {
        const QString kind = cell(rows, row, "cKind").toString();
        const std::optional<CodePart::Kind> known = CodePart::kindOf(kind);
        if (!known) {
            sMsg = text(QStringLiteral("Tarn.AA.PUB.BILLNUM.badpart"),
                        { rule.object, cell(rows, row, "iOrder").toString(), kind });
            return false;
        }
        rule.parts.append({ *known, cell(rows, row, "cValue").toString().trimmed() });
    }
    return true;
}

bool BillNumbering::checkRule(const CodeRule &rule, QString &sMsg) const
{
    if (rule.serialLength < 1 || rule.serialLength > CodeRule::kMaxSerialLength) {
        sMsg = text(QStringLiteral("Tarn.AA.PUB.BILLNUM.badserial"),
                    { rule.object, QString::number(rule.serialLength) });
        return false;
    }
    if (!isPlainName(rule.codeField)) {
        sMsg = text(QStringLiteral("Tarn.AA.PUB.BILLNUM.badname"), { rule.object, rule.codeField });
        return false;
    }
    return true;
}

QString BillNumbering::GetBillFormat(const QString &cObject, bool &bAutoCode, bool &bManualChange)
{
    bAutoCode = false;
    bManualChange = true;
    CodeRule rule;
    QString sMsg;
    switch (readRule(cObject, rule, sMsg)) {
    case Lookup::Found:
        bAutoCode = rule.autoCode;
        bManualChange = rule.manualChange;
        return rule.formatText();
    case Lookup::Failed:
        ErrorLog::instance().error(kWhere, sMsg);
        break;
    case Lookup::None:
        break;
    }
    return QString();
}

QString BillNumbering::GetBillFormat(const QString &cDbName, const QString &cObject,
                                     bool &bAutoCode, bool &bManualChange,
                                     const QString &languageRegion)
{
    ClsCommon service;
    service.Init(cDbName);
    if (!service.Status()) {
        bAutoCode = false;
        bManualChange = true;
        ErrorLog::instance().error(kWhere,
                                   ResourceTable::builtIn(languageRegion)
                                       .format(kReadFail, { cObject, service.LastError() }));
        return QString();
    }
    return BillNumbering(service, languageRegion).GetBillFormat(cObject, bAutoCode, bManualChange);
}

bool BillNumbering::GetBillNumber(const QString &cObject, const QString &contextXml, QString &code,
                                  QString &sMsg)
{
    code.clear();
    sMsg.clear();
    CodeRule rule;
    switch (readRule(cObject, rule, sMsg)) {
    case Lookup::Found:
        break;
    case Lookup::None:
        sMsg = text(QStringLiteral("Tarn.AA.PUB.BILLNUM.norule"), { cObject });
        return false;
    case Lookup::Failed:
        return false;
    }
    if (!rule.autoCode) {
        sMsg = text(QStringLiteral("Tarn.AA.PUB.BILLNUM.manual"), { rule.object });
        return false;
    }
    XmlDocument context;
    if (!context.loadXml(contextXml)) {
        sMsg = text(QStringLiteral("Tarn.AA.PUB.BILLNUM.badcontext"), { context.parseError() });
        return false;
    }
    const QString prefix = rule.prefixFor(context.documentElement(), QDate::currentDate());
    qint64 serial = 0;
    if (!lastSerial(rule, prefix, serial, sMsg))
        return false;
    serial = qMax(serial + 1, qint64(rule.serialStart));
    if (!skipTakenCodes(rule, prefix, serial, sMsg))
        return false;
    code = rule.codeOf(prefix, serial);
    return true;
}

bool BillNumbering::lastSerial(const CodeRule &rule, const QString &prefix, qint64 &serial,
                               QString &sMsg)
{
    const RecordSet rows = m_service.OpenX(
        QStringLiteral("select iLastNumber from VoucherHistory where cObject = %1 and cPrefix = %2")
            .arg(sqlUnicode(rule.object), sqlUnicode(prefix)));
    if (!rows.IsOpen()) {
        sMsg = text(kReadFail, { rule.object, m_service.LastError() });
        return false;
    }
    serial = rows.RecordCount() > 0 ? rows.valueAt(0, 0).toLongLong() : 0;
    return true;
}

// The archive's codes of the same prefix and width from the candidate on, in order: each one
// that equals the candidate moves it on, the first one above it leaves a gap to take.
bool BillNumbering::skipTakenCodes(const CodeRule &rule, const QString &prefix, qint64 &serial,
                                   QString &sMsg)
{
    const QString exhausted = QStringLiteral("Tarn.AA.PUB.BILLNUM.exhausted");
    const QStringList exhaustedArgs{ rule.object, prefix, QString::number(rule.serialLength) };
    if (serial > rule.largestSerial()) {
        sMsg = text(exhausted, exhaustedArgs);
        return false;
    }
    const QString field = bracketed(rule.codeField);
    const RecordSet taken = m_service.OpenX(
        QStringLiteral("select %1 from %2 where %1 >= %3 and %1 <= %4 and len(%1) = %5"
                       " order by %1")
            .arg(field, bracketed(rule.object), sqlUnicode(rule.codeOf(prefix, serial)),
                 sqlUnicode(rule.codeOf(prefix, rule.largestSerial())))
            .arg(prefix.size() + rule.serialLength));
    if (!taken.IsOpen()) {
        sMsg = text(kReadFail, { rule.object, m_service.LastError() });
        return false;
    }
    for (int row = 0; row < taken.RecordCount(); ++row) {
        const int order = taken.valueAt(row, 0).toString().compare(rule.codeOf(prefix, serial),
                                                                   Qt::CaseInsensitive);
        if (order > 0)
            break;
        if (order == 0 && ++serial > rule.largestSerial()) {
            sMsg = text(exhausted, exhaustedArgs);
            return false;
        }
    }
    return true;
}

bool BillNumbering::consume(const QString &cObject, const QString &code, QString &sMsg)
{
    CodeRule rule;
    switch (readRule(cObject, rule, sMsg)) {
    case Lookup::Found:
        return recordSerial(rule, code, sMsg);
    case Lookup::None:
        return true;
    case Lookup::Failed:
        break;
    }
    return false;
}

bool BillNumbering::consumeRecord(const QString &cTable, const QString &recordXml, QString &sMsg)
{
    XmlDocument record;
    if (!record.loadXml(recordXml)) {
        sMsg = text(QStringLiteral("Tarn.AA.PUB.BILLNUM.badcontext"), { record.parseError() });
        return false;
    }
    const XmlElement root = record.documentElement();
    if (root.attribute(QStringLiteral("bCreateBillNum")).trimmed() != u"1")
        return true;
    CodeRule rule;
    switch (readRule(cTable, rule, sMsg)) {
    case Lookup::Found:
        break;
    case Lookup::None:
        return true;
    case Lookup::Failed:
        return false;
    }
    for (const XmlElement &element : root.childElements()) {
        if (element.name().compare(rule.codeField, Qt::CaseInsensitive) == 0)
            return recordSerial(rule, element.text().trimmed(), sMsg);
    }
    return true;
}

bool BillNumbering::recordSerial(const CodeRule &rule, const QString &code, QString &sMsg)
{
    const std::optional<std::pair<QString, qint64>> parts = rule.split(code);
    if (!rule.autoCode || !parts)
        return true;
    const QString object = sqlUnicode(rule.object);
    const QString prefix = sqlUnicode(parts->first);
    const QString key = QStringLiteral("cObject = %1 and cPrefix = %2").arg(object, prefix);
    if (m_service.ExecuteX(
            QStringLiteral("insert into VoucherHistory (cObject, cPrefix, iLastNumber)"
                           " select %1, %2, 0 where not exists (select 1 from VoucherHistory"
                           " where %3)\n"
                           "update VoucherHistory set iLastNumber = %4 where %3"
                           " and iLastNumber < %4")
                .arg(object, prefix, key)
                .arg(parts->second))) {
        return true;
    }
    sMsg = text(QStringLiteral("Tarn.AA.PUB.BILLNUM.consumefail"), { code, m_service.LastError() });
    return false;
}

} // namespace suite
