#pragma once

#include <QString>

namespace customer {

// What the card's keyboard handling needs to know about the card at the moment of a key.
struct CardKeyState
{
    // Opened by the entry class to view a customer or a delete log.
    bool viewOnly = false;
    bool loading = false;
    bool openedFromList = false;
    bool web = false;
    bool exitEnabled = true;
    bool saveEnabled = false;
    bool saveNewEnabled = false;
};

// The command a key of the card runs, by platform key code and shift mask (1 Shift, 2 Ctrl,
// 4 Alt): "Previous"/"First" (Page Up), "Next"/"Last" (Page Down), "Exit" (Esc), "SaveRs" /
// "SaveRsNew" (F6 / Alt+F6), "Help" (F1 outside web mode, where the browser has its own);
// empty for a key that runs nothing.
QString cardKeyCommand(int keyCode, int shift, const CardKeyState &state);

// The help page of a tab of the card ("CustomerBase" for the first); empty past the export tab.
QString cardHelpContext(int tab);

} // namespace customer
