#include "ui/dialog_controls.h"

#include "ui/program.h"
#include "ui/wide_text.h"

void set_item_text(HWND dialog, int id, std::string_view shiftJis) {
    SetDlgItemTextW(dialog, id, wide_from_shift_jis(shiftJis).text);
}

void read_item_text(HWND dialog, int id, int maxChars, char* out, int capacity) {
    wchar_t text[kWideTextCapacity] = L"";
    GetDlgItemTextW(dialog, id, text, std::min(maxChars + 1, kWideTextCapacity));
    shift_jis_from_wide(text, out, capacity);
}

void add_list_entry(HWND dialog, int id, std::string_view shiftJis) {
    SendDlgItemMessageW(dialog, id, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(wide_from_shift_jis(shiftJis).text));
}

int selected_entry(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

void select_entry(HWND dialog, int id, int position) {
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
}

bool is_checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void set_checked(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

namespace {

// Redraws the window that owns the dialog: the main window.
void invalidate_owner(HWND dialog) {
    invalidate_window(GetWindow(dialog, GW_OWNER));
}

}  // namespace

INT_PTR handle_dialog_message(HWND dialog, UINT message, WPARAM wParam,
                              const DialogBehaviour& behaviour) {
    if (message == WM_INITDIALOG) {
        behaviour.open(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    const int id = LOWORD(wParam);
    if (id == IDOK || (id == IDCANCEL && behaviour.cancelEndsAsOk)) {
        if (id == IDOK) {
            behaviour.confirm(dialog);
        }
        invalidate_owner(dialog);
        EndDialog(dialog, IDOK);
        return TRUE;
    }
    if (id == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return behaviour.command != nullptr && behaviour.command(dialog, id) ? TRUE : FALSE;
}

INT_PTR run_modal_dialog(HWND owner, int templateId, DLGPROC procedure) {
    return DialogBoxParamW(window_handles().instance, MAKEINTRESOURCEW(templateId), owner,
                           procedure, 0);
}
