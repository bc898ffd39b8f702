#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "view/dialog_view.h"

// Small helpers over dialog controls, with the texts converted at code page 932.

void set_item_text(HWND dialog, int id, std::string_view shiftJis);

// A control's whole text, as Shift-JIS.
std::string window_text_shift_jis(HWND control);

bool is_checked(HWND dialog, int id);
void set_checked(HWND dialog, int id, bool checked);

// Shows a view in the dialog's controls: texts, entries, selections, checks.
void show_controls(HWND dialog, const DialogView& view);

// Reads back what the view's controls now show: each one's text, selection and check.
void read_controls(HWND dialog, DialogView& view);

// Puts a balloon with the message on a box (an edit box, or a combo box's edit part), gives the
// box the focus and selects its text, so that the player types the number again.
void point_out_box(HWND box, std::string_view shiftJisMessage);

class MainWindow;

// One opening of a dialog: what it does at its opening, what its OK stores (false: it said why
// and the dialog stays open), and the other notifications it handles (false: none). OK then ends
// with 1; Cancel stores nothing and ends with 2, or like OK where the dialog's Cancel always did
// so. What a dialog keeps while it is open is its own.
class Dialog {
public:
    explicit Dialog(MainWindow& main) : main_(main) {}
    virtual ~Dialog() = default;
    virtual void open(HWND dialog) = 0;
    virtual bool confirm(HWND dialog) = 0;
    virtual bool command(HWND dialog, int id, int notification);
    virtual bool cancel_ends_as_ok() const { return false; }
    MainWindow& main() const { return main_; }

protected:
    MainWindow& main_;
};

// Runs the dialog modally from the program's resources, owned by the main window.
INT_PTR run_modal_dialog(Dialog& dialog, int templateId);
