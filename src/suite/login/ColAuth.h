#pragma once

#include "suite/login/IColAuth.h"

#include <memory>

namespace suite {

class IClsCommon;

// The column rights of one user of a company database, from AA_HoldColAuth. Administrators
// may read and change every field.
class ColAuth : public IColAuth
{
public:
    ColAuth(std::shared_ptr<IClsCommon> service, const QString &userId);

    // A request that does not parse, or that names no object or a function other than R and
    // N, is recorded in the error log and answers an empty text.
    QString GetAuthString(const QString &cXml) override;

private:
    QString fieldsOfLevel(const QString &busObId, const QString &level);

    std::shared_ptr<IClsCommon> m_service;
    QString m_userId;
};

} // namespace suite
