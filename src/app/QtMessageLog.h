#pragma once

namespace host {

// Qt's own diagnostics (a missing XDG_RUNTIME_DIR, a platform plug-in's notes) go to the error
// log instead of standard error, so that a sub-command's output holds only what it is for. A
// fatal message still ends the process as Qt ends it.
void sendQtMessagesToErrorLog();

} // namespace host
