#pragma once

#include "demo/CompanyNames.h"
#include "demo/DemoRandom.h"
#include "demo/DemoTables.h"
#include "demo/Places.h"
#include "demo/PlantedDuplicates.h"
#include "demo/Receivables.h"
#include "demo/ReferenceCodes.h"

#include <QDate>

#include <functional>

namespace demo {

// Generates the demo company's customers with everything that hangs on them: extended
// fields, delivery address, bank account, contact, receivables, credit sums, the vendors
// that are also customers and a few rows waiting in the import staging table.
//
// Every twentieth company or so is a group whose branches follow it, named after it, in other
// cities, with the group as their credit company and invoice unit. All codes come from the
// reference tables, so every customer points at existing rows.
class CustomerGenerator
{
public:
    static constexpr int kStagingRows = 20;

    CustomerGenerator(const Places &places, const ReferenceCodes &codes, Pinyin &pinyin,
                      std::uint64_t seed);

    // Sends count customers to sink; progress gets the number done every few hundred.
    bool run(int count, const RowSink &sink, const std::function<void(int)> &progress,
             QString &sMsg);

    static QString customerCode(int index);

private:
    struct Company
    {
        QString code;
        CompanyName name;
        Place place;
        QString department;
        QString salesperson;
        QString rank;
        double creditLine = 0;
        bool credit = false;
        bool creditDate = false;
        int creditDays = 0;
        QString protocols[5]; // sales, export, consignment, other, import agency
    };
    struct CreditGroup
    {
        QString code;
        double line = 0;
        double used = 0;
    };

    bool emitCustomer(int index, const RowSink &sink, QString &sMsg);
    void fillIdentity(QVariantList &row, const Company &company, const QDate &developed);
    void fillPlace(QVariantList &row, const Company &company, const QString &addressGuid);
    void fillTerms(QVariantList &row, Company &company, const Company *head);
    void fillCustomFields(QVariantList &row, const Company &company, const QDate &developed);
    void fillExport(QVariantList &row, const Company &company);
    QVariantList extraRow(const Company &company, const QVariantList &row);
    QString email(const Company &company, bool withWebsite, QString &website);
    QString creditCode(const Place &place);
    QString pickAgreement(int firstKind, int lastKind);
    bool flushCreditGroup(const RowSink &sink, QString &sMsg);
    bool emitVendor(const Company &company, const QVariantList &row, const RowSink &sink,
                    QString &sMsg);
    bool emitStaging(const RowSink &sink, QString &sMsg);

    const Places &m_places;
    const ReferenceCodes &m_codes;
    Pinyin &m_pinyin;
    DemoRandom m_random;
    CompanyNames m_names;
    Receivables m_receivables;
    int m_count = 0;
    int m_vendorTarget = 0;
    int m_vendorsLinked = 0;
    int m_vendorStep = 1;
    int m_branchesLeft = 0;
    Company m_head;
    CreditGroup m_creditGroup;
    qint64 m_contactNumber = 0;
    QList<Company> m_remembered; // the first customers, some of which the staging table names
    PlantedDuplicates m_twins;
};

} // namespace demo
