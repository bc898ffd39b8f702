#pragma once

#include <windows.h>

#include <string_view>

// Small helpers over dialog controls, with the texts converted at code page 932.

void set_item_text(HWND dialog, int id, std::string_view shiftJis);

// At most maxChars characters of a control's text, as NUL-terminated Shift-JIS (out holds
// two bytes per character and one more).
void read_item_text(HWND dialog, int id, int maxChars, char* out, int capacity);

void add_list_entry(HWND dialog, int id, std::string_view shiftJis);
int selected_entry(HWND dialog, int id);
void select_entry(HWND dialog, int id, int position);

bool is_checked(HWND dialog, int id);
void set_checked(HWND dialog, int id, bool checked);

// Every dialog is modal, owned by the main window and built from the program's resources.
INT_PTR run_modal_dialog(HWND owner, int templateId, DLGPROC procedure);

// What a dialog does at its opening, what its OK stores, and the other commands it handles
// (none: it handles no other). OK then redraws the main window and ends with 1; Cancel stores
// nothing and ends with 2, or like OK where the dialog's Cancel always did so. A command is
// known by the low 16 bits of its identifier alone, so every notification of a handled control
// counts.
struct DialogBehaviour {
    void (*open)(HWND dialog);
    void (*confirm)(HWND dialog);
    bool (*command)(HWND dialog, int id);
    bool cancelEndsAsOk;
};

// The body of every dialog procedure.
INT_PTR handle_dialog_message(HWND dialog, UINT message, WPARAM wParam,
                              const DialogBehaviour& behaviour);
