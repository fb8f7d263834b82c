#include "plugins/creditreview/CreditReviewPlugIn.h"

#include <QObject>

namespace creditreview {

// The library's root object: a fresh credit review for every customer card.
class CreditReviewFactory : public QObject, public suite::IArchivePlugInFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "suite.ArchivePlugIn/1.0")
    Q_INTERFACES(suite::IArchivePlugInFactory)

public:
    std::shared_ptr<suite::IArchivePlugIn> createPlugIn(const QString &archive) override
    {
        if (archive.compare(QStringLiteral("Customer"), Qt::CaseInsensitive) != 0)
            return nullptr;
        return std::make_shared<CreditReviewPlugIn>();
    }
};

} // namespace creditreview

#include "CreditReviewFactory.moc"
