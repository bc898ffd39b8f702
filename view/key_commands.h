#pragma once

#include <span>
#include <string>

// The program's keys: each gives a command of the main window wherever the focus is in the
// program, and is shown beside that command in the menu. A key an edit box uses itself (Ctrl+Z
// undoes typing) can be left to a focused edit box.

// The modifier keys held down with a key, together in one unsigned.
constexpr unsigned kKeyCtrl = 1;
constexpr unsigned kKeyShift = 2;
constexpr unsigned kKeyAlt = 4;

struct KeyCommand {
    int key;  // the Windows virtual-key code: a letter's or digit's own code, or an arrow
    unsigned modifiers;
    int command;
    bool leftToEditBox;  // while an edit box has the focus, the key is the box's
};

// Virtual-key codes of the keys that are no letter or digit.
constexpr int kKeyEnter = 0x0D;
constexpr int kKeyLeft = 0x25;
constexpr int kKeyUp = 0x26;
constexpr int kKeyRight = 0x27;
constexpr int kKeyDown = 0x28;

std::span<const KeyCommand> key_commands();

// How the menu shows a key (Shift-JIS): "Ctrl+Shift+1", "Alt+←".
std::string key_name(const KeyCommand& key);

// Whether a focused edit box keeps this key press for itself.
bool edit_box_keeps_key(std::span<const KeyCommand> keys, int key, unsigned modifiers);
