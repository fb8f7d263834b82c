#pragma once

#include "suite/print/PrintStyle.h"

#include <QString>

#include <optional>

namespace suite {

class IClsCommon;

// The print styles of a company (table AA_PrintStyle): one page style per object ("Customer")
// and print key, for every user alike. A company made before the table existed gets it on
// first use.
class PrintStyleStore
{
public:
    explicit PrintStyleStore(IClsCommon &service);

    // The style stored for cObject under cKey (any case); nullopt when there is none.
    std::optional<PrintStyle> read(const QString &cObject, const QString &cKey);
    // Replaces the style of cObject under style.key. False with the reason in sMsg.
    bool save(const QString &cObject, const PrintStyle &style, QString &sMsg);

private:
    bool ensureTable(QString &sMsg);
    bool replace(const QString &cObject, const PrintStyle &style);

    IClsCommon &m_service;
};

} // namespace suite
