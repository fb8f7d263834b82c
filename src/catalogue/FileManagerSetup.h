#pragma once

namespace customer {

// Gives the session a file-manager client on its login, creating it on first use. Without a
// login, or when the client cannot be created, the card simply has no attachments.
void InitFileManager();

} // namespace customer
