#include "win32/dialog_controls.h"

#include <commctrl.h>

#include <vector>

#include "win32/main_window.h"
#include "win32/wide_text.h"

void set_item_text(HWND dialog, int id, std::string_view shiftJis) {
    SetDlgItemTextW(dialog, id, wide_string_from_shift_jis(shiftJis).c_str());
}

std::string window_text_shift_jis(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return shift_jis_string_from_wide(text);
}

bool is_checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void set_checked(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

namespace {

bool is_list(const ControlView& control) {
    return control.kind == ControlKind::kList || control.kind == ControlKind::kFigureList;
}

// The first entry of a combo box that reads exactly text (CB_FINDSTRINGEXACT ignores case).
int entry_reading(HWND list, const std::wstring& text) {
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::wstring entry(static_cast<std::size_t>(SendMessageW(list, CB_GETLBTEXTLEN, i, 0)) + 1,
                           L'\0');
        entry.resize(static_cast<std::size_t>(
            SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
        if (entry == text) {
            return i;
        }
    }
    return -1;
}

void show_list(HWND list, const ControlView& control) {
    for (const std::string& entry : control.entries) {
        SendMessageW(list, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(wide_string_from_shift_jis(entry).c_str()));
    }
    const std::wstring text = wide_string_from_shift_jis(control.text);
    const int found = text.empty() ? -1 : entry_reading(list, text);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(found >= 0 ? found : control.selection),
                 0);
    if (found < 0 && control.kind == ControlKind::kFigureList) {
        SetWindowTextW(list, text.c_str());
    }
}

}  // namespace

void show_controls(HWND dialog, const DialogView& view) {
    for (const ControlView& control : view) {
        HWND item = GetDlgItem(dialog, control.id);
        if (is_list(control)) {
            show_list(item, control);
        } else if (control.kind == ControlKind::kCheck) {
            set_checked(dialog, control.id, control.checked);
        } else if (control.kind != ControlKind::kButton) {
            set_item_text(dialog, control.id, control.text);
        }
        EnableWindow(item, control.enabled ? TRUE : FALSE);
    }
}

void read_controls(HWND dialog, DialogView& view) {
    for (ControlView& control : view) {
        HWND item = GetDlgItem(dialog, control.id);
        control.text = window_text_shift_jis(item);
        control.selection =
            is_list(control) ? static_cast<int>(SendMessageW(item, CB_GETCURSEL, 0, 0)) : -1;
        control.checked = control.kind == ControlKind::kCheck && is_checked(dialog, control.id);
        control.enabled = IsWindowEnabled(item) != FALSE;
    }
}

void point_out_box(HWND box, std::string_view shiftJisMessage) {
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    HWND edit = GetComboBoxInfo(box, &combo) && combo.hwndItem != nullptr ? combo.hwndItem : box;
    HWND parent = GetParent(box);
    wchar_t parentClass[16] = L"";
    GetClassNameW(parent, parentClass, 16);
    if (std::wstring_view(parentClass) == L"#32770") {
        // A dialog moves its focus itself, and with it its default button.
        SendMessageW(parent, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(box), TRUE);
    } else {
        SetFocus(edit);
    }
    SendMessageW(edit, EM_SETSEL, 0, -1);
    const std::wstring message = wide_string_from_shift_jis(shiftJisMessage);
    EDITBALLOONTIP balloon{};
    balloon.cbStruct = sizeof balloon;
    balloon.pszTitle = L"";
    balloon.pszText = message.c_str();
    balloon.ttiIcon = TTI_NONE;
    SendMessageW(edit, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&balloon));
}

bool Dialog::command(HWND, int, int) {
    return false;
}

namespace {

INT_PTR CALLBACK dialog_procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
    }
    auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (dialog == nullptr) {
        return FALSE;
    }
    if (message == WM_INITDIALOG) {
        dialog->open(window);
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    const int id = LOWORD(wParam);
    if (id == IDOK || (id == IDCANCEL && dialog->cancel_ends_as_ok())) {
        // Cleared first: an OK that does 実行 (起きたこと's) brings its own line.
        dialog->main().controller()->clear_check_line();
        if (id == IDOK && !dialog->confirm(window)) {
            return TRUE;
        }
        EndDialog(window, IDOK);
        return TRUE;
    }
    if (id == IDCANCEL) {
        EndDialog(window, IDCANCEL);
        return TRUE;
    }
    return dialog->command(window, id, HIWORD(wParam)) ? TRUE : FALSE;
}

}  // namespace

INT_PTR run_modal_dialog(Dialog& dialog, int templateId) {
    MainWindow& main = dialog.main();
    HWND owner = main.window();
    // The tool windows beside the owner (手順, 検索結果, 記録) wait too, as the owner does: a step
    // recalled or a row taken under an open dialog would change what the dialog is showing.
    struct Owned {
        HWND owner;
        std::vector<HWND> windows;
    } owned{owner, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) {
            Owned& o = *reinterpret_cast<Owned*>(found);
            if (GetWindow(window, GW_OWNER) == o.owner && IsWindowEnabled(window)) {
                o.windows.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&owned));
    for (HWND window : owned.windows) {
        EnableWindow(window, FALSE);
    }
    const INT_PTR result = DialogBoxParamW(main.instance(), MAKEINTRESOURCEW(templateId), owner,
                                           dialog_procedure, reinterpret_cast<LPARAM>(&dialog));
    for (HWND window : owned.windows) {
        EnableWindow(window, TRUE);
    }
    return result;
}
