#pragma once

#include "host/HostServices.h"

class QLineEdit;
class QWidget;

namespace vks {

// What a capture control accepts from the keyboard (tested on the character
// the screen's key preview hands on).
enum class Keys {
    Any,
    Digits,      // "0" to "9", Backspace, Enter
    HostNumeric, // what the host's PermiteNumerico_BS_Enter lets through
    ListSteps,   // "2" and "8" step the list through the host; other keys reach it
    OwnSteps,    // "2" (next; from none the first) and "8" (previous) step the
                 // list by the screen itself; other keys reach it
};

// One capture control as a screen declares it.
struct Control {
    const char* name;            // object name, e.g. "edCPF"
    const char* label = nullptr; // object name of its label, e.g. "lbCPF"
    const char* design = "";     // label text until the catalogue text is set
    MessageId caption = 0;       // label text from the catalogue (0: keeps `design`)
    MessageId hint = 0;          // entry hint on the message line (0: none)
    int maxLength = 0;           // 0: no limit
    Keys keys = Keys::Any;
    const char* mask = nullptr; // edit mask of a masked edit field
};

// Gives `control` the key rule `keys`.
void installKeys(QWidget& control, Keys keys);

// An edit field wide enough for the longest text the cashier may type, and
// no more typed into it (a mask bounds what is typed by itself).
void sizeEdit(QLineEdit& edit, int maxLength, bool masked = false);

} // namespace vks
