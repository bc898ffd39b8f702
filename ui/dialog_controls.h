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
