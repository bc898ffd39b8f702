#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a dialog's controls show, as plain data. Each dialog's opening is a function from the
// state to this; its OK reads the same controls back into this and makes its form from them.

enum class ControlKind : std::uint8_t {
    kLabel,       // a static text
    kNumberBox,   // an edit box read as a number
    kList,        // a drop-down list
    kFigureList,  // a drop-down list that takes typed text, read as a number
    kCheck,       // a check box
    kButton,      // a push button, whose text stays
};

struct ControlView {
    int id;
    ControlKind kind;
    // A label's or a box's text (Shift-JIS). A list selects the entry that reads exactly this, if
    // it is not empty; a figure list that has no such entry shows the text itself. Read back: what
    // the control shows.
    std::string text = {};
    std::vector<std::string> entries = {};  // a list's, in the order they are added
    // The entry a list selects when none reads the text, -1 for none. Read back: the entry
    // selected.
    int selection = -1;
    bool checked = false;
    bool enabled = true;
};

using DialogView = std::vector<ControlView>;

// The control of that id; a view holds each control once.
const ControlView& control_in(const DialogView& view, int id);

// The first number box or figure list whose text is outside the figures' range, as OK reads it;
// 0 when every one is inside.
int first_figure_out_of_range(const DialogView& shown);
