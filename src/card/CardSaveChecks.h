#pragma once

#include "card/CardFields.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace suite {
class IClsCommon;
class ILogin;
class IPub;
} // namespace suite

namespace customer {

// What the checks before a save take besides the card's controls.
struct SaveCheckInputs
{
    int state = 1; // 1 add, 2 modify
    bool canAdd = true;
    bool canModify = true;
    // The user-defined-field control's verdict on its fields; it tells the user itself.
    std::function<bool()> userDefinedFieldsValid;
    // Gives an empty code its generated value when codes are numbered.
    std::function<void()> refreshAutoCode;
    QString rightsXml; // the privilege list kept by the card
    std::shared_ptr<suite::IPub> pub;
    std::shared_ptr<suite::IClsCommon> service;
    std::shared_ptr<suite::ILogin> login;
    // The card's own authority-dimension check, which tells the user itself; without it the
    // dimensions are checked here against rightsXml.
    std::function<bool()> authorityDimensionsCovered;

    // The session's edit rights and services.
    static SaveCheckInputs fromSession(int state);
};

// The check that stopped a save. An empty message means the user has been told already (by the
// lock service, the user-defined-field control, or a question the user said no to).
struct SaveCheckFailure
{
    QString messageKey;
    QString message;
    QString focusControl; // empty: the focus stays where it is
    int focusIndex = -1;
};

// The checks before a customer is saved, in the order the user meets them: edit rights, the
// advance-payment ratio and tax rate, the user-defined fields, the code and abbreviation, the
// function lock, names and abbreviations of other customers, and the authority dimensions.
// Nothing when every check passes.
std::optional<SaveCheckFailure> checkBeforeSave(CardFields &fields, const SaveCheckInputs &inputs);

// The other customer whose name or abbreviation meets the new name or abbreviation; in modify
// state the customer itself is left out. Quotes inside the values are doubled.
QString duplicateNameStatement(const QString &name, const QString &abbreviation, int state,
                               const QString &code);

// Whether another customer's name or abbreviation keeps this one from being saved: a taken
// abbreviation refuses, an abbreviation equal to another's name or a name equal to another's
// abbreviation asks the user; an equal name alone passes.
std::optional<SaveCheckFailure> checkDuplicateNames(const CardFields &fields, int state,
                                                    suite::IClsCommon &service, suite::IPub &pub);

} // namespace customer
