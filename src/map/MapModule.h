#pragma once

#include <QString>

namespace map {

class MapWindowFactory;

// The map module: the map window and the browser it needs, in a library of their own beside the
// program, loaded on the first showing of the map and kept for the rest of the process (the
// browser cannot be unloaded). It takes the record set, the error log and the map's state from
// the program, which exports them.
class MapModule
{
public:
    // The module's factory of map windows; nullptr with the reason in sMsg when the module
    // cannot be loaded. A failed load is tried again on the next call.
    static MapWindowFactory *factory(QString &sMsg);
    // Where the module is looked for: beside the program.
    static QString path();
};

} // namespace map
