#pragma once

#include "suite/pub/CodeRule.h"

#include <QString>

namespace suite {

class IClsCommon;

// The numbering of archive codes on a company database: the rule of an object (VoucherNumber
// and its prefix parts VoucherNumberPart) and the last serial that saved records used per
// prefix (VoucherHistory).
//
// A proposal takes nothing: it is the serial after the last one used for its prefix, moved on
// past every code the archive holds already. The data service records a serial when it saves a
// record that asked for a generated code (bCreateBillNum='1'), in the transaction of the
// insert, so the record and its serial are stored together or not at all; two sessions that
// were offered the same code cannot both save it, as the code is the archive's key, and the
// one that lost is offered the next free code when it asks again.
//
// Messages are the resource texts of the language region.
class BillNumbering
{
public:
    enum class Lookup { Found, None, Failed };

    explicit BillNumbering(IClsCommon &service, const QString &languageRegion = QString());

    // The rule of an object, whatever the case of its name: None when the company has no rule
    // for it (or no rule table at all), Failed with the reason when the rule cannot be read or
    // is not usable.
    Lookup readRule(const QString &cObject, CodeRule &rule, QString &sMsg);

    // The rule's descriptor (CodeRule::formatText) with its two flags; without a usable rule an
    // empty descriptor, codes not generated and typed by hand.
    QString GetBillFormat(const QString &cObject, bool &bAutoCode, bool &bManualChange);
    // The same on the company database a connection text names.
    static QString GetBillFormat(const QString &cDbName, const QString &cObject, bool &bAutoCode,
                                 bool &bManualChange, const QString &languageRegion = QString());

    // The next free code for the record that the context XML describes (root element named
    // after the object, one child element per value, as the card builds it).
    bool GetBillNumber(const QString &cObject, const QString &contextXml, QString &code,
                       QString &sMsg);

    // Records that a saved record used the code: its prefix's last serial becomes the code's
    // serial unless a later one is recorded. A code that is not of the rule's form, or an object
    // without a generating rule, uses nothing.
    bool consume(const QString &cObject, const QString &code, QString &sMsg);
    // The same for a record XML saved into cTable, when its root asks for a generated code.
    bool consumeRecord(const QString &cTable, const QString &recordXml, QString &sMsg);

private:
    Lookup readRuleRow(const QString &cObject, CodeRule &rule, QString &sMsg);
    bool readParts(CodeRule &rule, QString &sMsg);
    bool checkRule(const CodeRule &rule, QString &sMsg) const;
    bool ruleTableExists();
    bool lastSerial(const CodeRule &rule, const QString &prefix, qint64 &serial, QString &sMsg);
    bool skipTakenCodes(const CodeRule &rule, const QString &prefix, qint64 &serial, QString &sMsg);
    bool recordSerial(const CodeRule &rule, const QString &code, QString &sMsg);
    QString text(const QString &key, const QStringList &args = {}) const;

    IClsCommon &m_service;
    QString m_languageRegion;
};

} // namespace suite
