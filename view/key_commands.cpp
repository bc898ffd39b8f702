#include "view/key_commands.h"

#include <utility>

#include "view/resource.h"

namespace {

// One line a key. Ctrl+1 to Ctrl+9 put lane 0 on an entry of the candidates' line,
// Ctrl+Shift+1 to 9 lane 1.
constexpr KeyCommand kKeys[] = {
    {'N', kKeyCtrl, IDM_FILE_NEW, false},
    {'O', kKeyCtrl, IDM_FILE_OPEN, false},
    {'S', kKeyCtrl, IDM_FILE_SAVE, false},
    {'F', kKeyCtrl, IDC_SEARCH, false},
    {'L', kKeyCtrl, IDC_RESULTS, false},
    {kKeyEnter, kKeyCtrl, IDM_ADVANCE, false},
    // In an edit box they undo and redo its typing.
    {'Z', kKeyCtrl, IDM_UNDO, true},
    {'Y', kKeyCtrl, IDM_REDO, true},
    {'K', kKeyCtrl, IDM_HAPPENED, false},
    {kKeyLeft, kKeyAlt, IDC_LANE0_BACK, false},
    {kKeyRight, kKeyAlt, IDC_LANE0_FORWARD, false},
    {kKeyUp, kKeyAlt, IDC_LANE0_SEED_UP, false},
    {kKeyDown, kKeyAlt, IDC_LANE0_SEED_DOWN, false},
    {kKeyLeft, kKeyAlt | kKeyShift, IDC_LANE1_BACK, false},
    {kKeyRight, kKeyAlt | kKeyShift, IDC_LANE1_FORWARD, false},
    {kKeyUp, kKeyAlt | kKeyShift, IDC_LANE1_SEED_UP, false},
    {kKeyDown, kKeyAlt | kKeyShift, IDC_LANE1_SEED_DOWN, false},
    {'1', kKeyCtrl, IDM_LANE0_ENTRY + 0, false},
    {'2', kKeyCtrl, IDM_LANE0_ENTRY + 1, false},
    {'3', kKeyCtrl, IDM_LANE0_ENTRY + 2, false},
    {'4', kKeyCtrl, IDM_LANE0_ENTRY + 3, false},
    {'5', kKeyCtrl, IDM_LANE0_ENTRY + 4, false},
    {'6', kKeyCtrl, IDM_LANE0_ENTRY + 5, false},
    {'7', kKeyCtrl, IDM_LANE0_ENTRY + 6, false},
    {'8', kKeyCtrl, IDM_LANE0_ENTRY + 7, false},
    {'9', kKeyCtrl, IDM_LANE0_ENTRY + 8, false},
    {'1', kKeyCtrl | kKeyShift, IDM_LANE1_ENTRY + 0, false},
    {'2', kKeyCtrl | kKeyShift, IDM_LANE1_ENTRY + 1, false},
    {'3', kKeyCtrl | kKeyShift, IDM_LANE1_ENTRY + 2, false},
    {'4', kKeyCtrl | kKeyShift, IDM_LANE1_ENTRY + 3, false},
    {'5', kKeyCtrl | kKeyShift, IDM_LANE1_ENTRY + 4, false},
    {'6', kKeyCtrl | kKeyShift, IDM_LANE1_ENTRY + 5, false},
    {'7', kKeyCtrl | kKeyShift, IDM_LANE1_ENTRY + 6, false},
    {'8', kKeyCtrl | kKeyShift, IDM_LANE1_ENTRY + 7, false},
    {'9', kKeyCtrl | kKeyShift, IDM_LANE1_ENTRY + 8, false},
};

}  // namespace

std::span<const KeyCommand> key_commands() {
    return kKeys;
}

std::string key_name(const KeyCommand& key) {
    std::string name;
    for (const auto& [modifier, word] : {std::pair{kKeyCtrl, "Ctrl+"}, std::pair{kKeyAlt, "Alt+"},
                                         std::pair{kKeyShift, "Shift+"}}) {
        if ((key.modifiers & modifier) != 0) {
            name += word;
        }
    }
    switch (key.key) {
        case kKeyEnter:
            return name + "Enter";
        case kKeyLeft:
            return name + "←";
        case kKeyUp:
            return name + "↑";
        case kKeyRight:
            return name + "→";
        case kKeyDown:
            return name + "↓";
        default:
            return name + static_cast<char>(key.key);
    }
}

bool edit_box_keeps_key(std::span<const KeyCommand> keys, int key, unsigned modifiers) {
    for (const KeyCommand& k : keys) {
        if (k.leftToEditBox && k.key == key && k.modifiers == modifiers) {
            return true;
        }
    }
    return false;
}
