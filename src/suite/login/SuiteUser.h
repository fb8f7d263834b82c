#pragma once

#include <QString>

namespace suite {

class IClsCommon;

enum class UserKind {
    Administrator, // every right, no restriction
    User, // rights as the rights tables grant them
    Unknown, // not a user of the system, or the system database could not be asked
};

// What the system database (kvsystem..ua_user) says of a user. A failing question is recorded
// in the error log and answers Unknown, which grants nothing.
UserKind userKind(IClsCommon &service, const QString &userId);

} // namespace suite
