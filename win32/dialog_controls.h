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

// Every dialog is modal, owned by the main window and built from the program's resources.
INT_PTR run_modal_dialog(HWND owner, int templateId, DLGPROC procedure);

// What a dialog does at its opening, what its OK stores (false: it said why and the dialog stays
// open), and the other notifications it handles (none: it handles no other). OK then redraws the
// main window and ends with 1; Cancel stores nothing and ends with 2, or like OK where the
// dialog's Cancel always did so.
struct DialogBehaviour {
    void (*open)(HWND dialog);
    bool (*confirm)(HWND dialog);
    bool (*command)(HWND dialog, int id, int notification);
    bool cancelEndsAsOk;
};

// The body of every dialog procedure.
INT_PTR handle_dialog_message(HWND dialog, UINT message, WPARAM wParam,
                              const DialogBehaviour& behaviour);
