#pragma once

#include "card/CardFields.h"

#include <QString>

#include <functional>

namespace customer {

// Key codes the card's key filters never hold back: the mouse buttons, Backspace, Tab, Enter,
// Shift, Ctrl, Caps Lock, Esc, Insert and Num Lock.
bool isPassThroughKey(int keyCode);

// Whether the unified social credit code takes a key down, by its platform key code: digits
// and letters of the main keyboard (either case, as both share a code) and the pass-through
// keys. The keypad's digits have codes of their own and are held back.
bool creditCodeTakesKey(int keyCode);

// A post code as the card accepts it: digits, letters and "-", blanks around it aside. An empty
// text passes.
bool isPostCode(const QString &text);

// Whether a web address names a scheme (http, https or ftp) and a host somewhere in the text,
// without regard to case. An empty text passes.
bool isWebAddress(const QString &text);

// The upper bound of a rate field: the advance-payment ratio may reach it, the tax rate must
// stay below it.
enum class RateBound { UpToHundred, BelowHundred };

// Whether a rate's text passes its bound. Empty texts and texts that are no number pass: the
// fields' own input rules keep those out.
bool isWithinRateBound(const QString &text, RateBound bound);

// The derived name fields of the card: the abbreviation Edt(2) and the mnemonic code
// EdtcCusMnemCode follow the name Edt(1), and an empty name takes the abbreviation.
class CardNameRules
{
public:
    using MnemonicOf = std::function<QString(const QString &name)>;

    // autoMnemonic: the account generates mnemonic codes ("AutoCreateMnemCodeCustomer").
    CardNameRules(CardFields &fields, bool autoMnemonic, MnemonicOf mnemonicOf);

    // The name or the mnemonic code was left: an empty mnemonic code is generated, an empty
    // abbreviation takes the name.
    void nameLeft();
    void abbreviationLeft();
    // Every change of the name regenerates the mnemonic code, even one typed by hand.
    void nameChanged();

private:
    QString name() const;

    CardFields &m_fields;
    bool m_autoMnemonic;
    MnemonicOf m_mnemonicOf;
};

// What an empty address proposes: the province, city and county names run together.
QString defaultAddress(const CardFields &fields);

} // namespace customer
