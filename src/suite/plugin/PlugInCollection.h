#pragma once

#include "suite/plugin/IArchivePlugIn.h"

#include <QList>

#include <memory>

namespace suite {

// The plug-ins loaded for one archive card, in their configured order.
class PlugInCollection
{
public:
    PlugInCollection() = default;
    explicit PlugInCollection(QList<std::shared_ptr<IArchivePlugIn>> items)
        : m_items(std::move(items))
    { }

    int count() const { return int(m_items.size()); }
    const QList<std::shared_ptr<IArchivePlugIn>> &Items() const { return m_items; }

private:
    QList<std::shared_ptr<IArchivePlugIn>> m_items;
};

} // namespace suite
