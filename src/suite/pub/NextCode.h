#pragma once

#include <QString>

namespace suite {

// The code that follows a saved one, which the card offers for the next customer when codes
// are typed by hand: the trailing digits count up and keep their width ("C0099" -> "C0100",
// "0000001" -> "0000002"), growing only when they must ("C999" -> "C1000"). A code that does
// not end in a digit gets "1" appended ("ABC" -> "ABC1"), so that the next one goes on from
// there; an empty code gives an empty one.
QString nextCode(const QString &savedCode);

} // namespace suite
