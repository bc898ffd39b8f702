#include "win32/results_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "text/text_encoding.h"
#include "view/drawing.h"
#include "view/main_commands.h"
#include "view/result_table.h"
#include "win32/dpi.h"
#include "win32/edit_commands.h"
#include "win32/message_box.h"
#include "win32/program.h"
#include "win32/safe_file.h"
#include "win32/tool_window.h"
#include "win32/wide_text.h"

namespace {

constexpr wchar_t kClassName[] = L"SoramitoResults";
constexpr int kTabsId = 100;
constexpr int kListId = 101;
constexpr int kSaveId = 102;
constexpr int kCountId = 103;
// The list's first column is an empty one of no width: a list draws the text of its first column
// to the left whatever it is told, and the numbers stand to the right.
constexpr int kFirstColumn = 1;
constexpr int kTabsHeight = 26;
constexpr int kButtonHeight = 24;
constexpr int kButtonWidth = 80;

struct ResultsWindow {
    HWND window;
    int dpi;
    HWND tabs;
    HWND list;
    HWND save;
    HWND count;
    ResultTable tables[2];  // 結果, どれでも
    int shown;
    bool hasCommon;
};

ResultsWindow& results() {
    static ResultsWindow r;
    return r;
}

ResultTable& shown_table() {
    return results().tables[results().shown];
}

int lane_position() {
    return app_state().session.lanes[0].position;
}

void show_title() {
    const std::string title =
        search_results_stale(app_state()) ? "検索結果（条件が変わりました）" : "検索結果";
    SetWindowTextW(results().window, wide_string_from_shift_jis(title).c_str());
}

// A column of outcomes in a few words is as wide as its widest text, the title's included.
int text_width(const ResultTable& table, int column) {
    HWND list = results().list;
    int widest = ListView_GetStringWidth(
        list, wide_string_from_shift_jis(column_title(table, column)).c_str());
    for (int row = 0; row < static_cast<int>(table.order.size()); ++row) {
        const std::wstring text =
            wide_string_from_shift_jis(cell_text(table, row, column, lane_position()));
        widest = std::max(widest, ListView_GetStringWidth(list, text.c_str()));
    }
    // The cell's margins on either side.
    return widest + scale_to_dpi(16, results().dpi);
}

// The arrow of the sorted column's direction in its title, none in the others'.
void show_sort_arrow() {
    const ResultTable& table = shown_table();
    HWND header = ListView_GetHeader(results().list);
    for (int c = 0; c < Header_GetItemCount(header); ++c) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        Header_GetItem(header, c, &item);
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (c == table.sortColumn + kFirstColumn) {
            item.fmt |= table.descending ? HDF_SORTDOWN : HDF_SORTUP;
        }
        Header_SetItem(header, c, &item);
    }
}

// How many results the shown table holds.
void show_count() {
    const std::string count = std::to_string(shown_table().order.size()) + "件";
    SetWindowTextW(results().count, wide_string_from_shift_jis(count).c_str());
}

// The shown table's columns and row count; the list asks for each cell as it draws it.
void show_table() {
    ResultsWindow& r = results();
    const ResultTable& table = shown_table();
    ListView_DeleteAllItems(r.list);
    while (ListView_DeleteColumn(r.list, 0)) {
    }
    LVCOLUMNW empty{};
    empty.mask = LVCF_WIDTH;
    ListView_InsertColumn(r.list, 0, &empty);
    for (int c = 0; c < static_cast<int>(table.columns.size()); ++c) {
        std::wstring title = wide_string_from_shift_jis(column_title(table, c));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
        column.pszText = title.data();
        const ColumnKind kind = table.columns[static_cast<std::size_t>(c)].kind;
        column.fmt = numeric_column(kind) ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = kind == ColumnKind::kPart     ? text_width(table, c)
                    : kind == ColumnKind::kChain  ? scale_to_dpi(140, r.dpi)
                    : kind == ColumnKind::kGrowth ? scale_to_dpi(160, r.dpi)
                                                  : scale_to_dpi(60, r.dpi);
        column.iSubItem = c + kFirstColumn;
        ListView_InsertColumn(r.list, c + kFirstColumn, &column);
    }
    ListView_SetItemCountEx(r.list, static_cast<int>(table.order.size()), 0);
    show_sort_arrow();
    show_count();
}

void show_tabs() {
    ResultsWindow& r = results();
    TabCtrl_DeleteAllItems(r.tabs);
    const char* const names[] = {"結果", "どれでも"};
    for (int t = 0; t < (r.hasCommon ? 2 : 1); ++t) {
        std::wstring name = wide_string_from_shift_jis(names[t]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = name.data();
        TabCtrl_InsertItem(r.tabs, t, &item);
    }
    TabCtrl_SetCurSel(r.tabs, r.shown);
}

void lay_out(int width, int height) {
    ResultsWindow& r = results();
    const auto at = [&r](int value) { return scale_to_dpi(value, r.dpi); };
    MoveWindow(r.tabs, 0, 0, width, at(kTabsHeight), TRUE);
    MoveWindow(r.list, 0, at(kTabsHeight), width,
               height - at(kTabsHeight) - at(kButtonHeight) - at(8), TRUE);
    MoveWindow(r.save, width - at(kButtonWidth) - at(4), height - at(kButtonHeight) - at(4),
               at(kButtonWidth), at(kButtonHeight), TRUE);
    MoveWindow(r.count, at(4), height - at(kButtonHeight), width / 2, at(kButtonHeight) - at(4),
               TRUE);
}

void copy_rows() {
    ResultsWindow& r = results();
    std::vector<int> rows;
    for (int i = ListView_GetNextItem(r.list, -1, LVNI_SELECTED); i >= 0;
         i = ListView_GetNextItem(r.list, i, LVNI_SELECTED)) {
        rows.push_back(i);
    }
    const std::wstring text =
        wide_string_from_shift_jis(table_tsv(shown_table(), rows, lane_position()));
    if (!OpenClipboard(r.window)) {
        return;
    }
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        std::memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

// The shown table as CSV in UTF-8 with a byte order mark, so that a spreadsheet reads the
// Japanese; written as safely as a session.
void save_table() {
    ResultsWindow& r = results();
    std::wstring name = L"results.csv";
    if (!ask_file_name(r.window, true, L"CSV (*.csv)\0*.csv\0", L"csv", name)) {
        return;
    }
    const std::string csv =
        "\xEF\xBB\xBF" + shift_jis_to_utf8(table_csv(shown_table(), lane_position()));
    std::wstring why;
    if (!write_file_safely(name, csv, why)) {
        say(r.window, L"保存できません：" + name + L"\n" + why, MB_OK | MB_ICONERROR);
    }
}

// A double-click or Enter puts lane 0 at the position of the row that has the focus and is
// selected; the notification of Enter may name another row.
void act_on_row() {
    const int shownRow = ListView_GetNextItem(results().list, -1, LVNI_FOCUSED | LVNI_SELECTED);
    const ResultTable& table = shown_table();
    if (shownRow < 0 || shownRow >= static_cast<int>(table.order.size())) {
        return;
    }
    const std::int32_t row = table.order[static_cast<std::size_t>(shownRow)];
    bool moved = false;
    take_undo_step([&] {
        moved = put_lane_at(app_state(), 0, table.positions[static_cast<std::size_t>(row)]);
    });
    if (moved) {
        invalidate_window(window_handles().mainWindow);
    }
}

LRESULT on_notify(const NMHDR& header) {
    ResultsWindow& r = results();
    if (header.hwndFrom == r.tabs && header.code == TCN_SELCHANGE) {
        r.shown = TabCtrl_GetCurSel(r.tabs) == 1 ? 1 : 0;
        show_table();
        return 0;
    }
    if (header.hwndFrom == ListView_GetHeader(r.list)) {
        // The empty first column keeps no width.
        const bool empty = reinterpret_cast<const NMHEADERW*>(&header)->iItem == 0;
        const bool resizing = header.code == HDN_BEGINTRACKW || header.code == HDN_BEGINTRACKA ||
                              header.code == HDN_DIVIDERDBLCLICKW ||
                              header.code == HDN_DIVIDERDBLCLICKA;
        return empty && resizing ? TRUE : 0;
    }
    if (header.hwndFrom != r.list) {
        return 0;
    }
    switch (header.code) {
        case LVN_GETDISPINFOW: {
            LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header))->item;
            const ResultTable& table = shown_table();
            const int column = item.iSubItem - kFirstColumn;
            if ((item.mask & LVIF_TEXT) != 0 && item.iItem >= 0 &&
                item.iItem < static_cast<int>(table.order.size()) && item.cchTextMax > 0) {
                const std::wstring text = wide_string_from_shift_jis(
                    column >= 0 ? cell_text(table, item.iItem, column, lane_position()) : "");
                lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
            }
            return 0;
        }
        case LVN_COLUMNCLICK: {
            const int column = reinterpret_cast<const NMLISTVIEW*>(&header)->iSubItem;
            if (column >= kFirstColumn) {
                sort_table(shown_table(), column - kFirstColumn);
                show_sort_arrow();
                InvalidateRect(r.list, nullptr, TRUE);
            }
            return 0;
        }
        case LVN_ITEMACTIVATE:
            act_on_row();
            return 0;
        case LVN_KEYDOWN:
            if (reinterpret_cast<const NMLVKEYDOWN*>(&header)->wVKey == 'C' &&
                GetKeyState(VK_CONTROL) < 0) {
                copy_rows();
            }
            return 0;
        default:
            return 0;
    }
}

LRESULT CALLBACK results_procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handle_tool_window_message(window, message, wParam, lParam, results().dpi)) {
        if (message == WM_DPICHANGED) {
            show_table();  // the columns' widths
        }
        return 0;
    }
    switch (message) {
        case WM_SIZE:
            lay_out(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_NOTIFY:
            return on_notify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_COMMAND:
            if (LOWORD(wParam) == kSaveId) {
                save_table();
            } else if (LOWORD(wParam) == IDOK && GetFocus() == results().list) {
                act_on_row();  // Enter, which the window takes as a dialog does
            }
            return 0;
        case WM_DESTROY:
            results().window = nullptr;
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool create_results_window(HWND owner) {
    ResultsWindow& r = results();
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    r.dpi = window_dpi(owner);
    r.window =
        create_tool_window(owner, kClassName, results_procedure, L"", 640, 420, r.dpi, Align::kTop);
    if (r.window == nullptr) {
        return false;
    }
    r.tabs = create_tool_child(r.window, WC_TABCONTROLW, L"", WS_TABSTOP, kTabsId);
    r.list = create_tool_child(
        r.window, WC_LISTVIEWW, L"",
        WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, kListId);
    ListView_SetExtendedListViewStyle(r.list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    r.save = create_tool_child(r.window, L"Button", wide_string_from_shift_jis("保存…"), WS_TABSTOP,
                               kSaveId);
    r.count = create_tool_child(r.window, L"Static", L"", SS_LEFT | SS_CENTERIMAGE, kCountId);
    RECT client{};
    GetClientRect(r.window, &client);
    lay_out(client.right, client.bottom);
    return true;
}

}  // namespace

void show_results_window(HWND owner) {
    ResultsWindow& r = results();
    if (r.window == nullptr && !create_results_window(owner)) {
        return;
    }
    show_tabs();
    show_table();
    show_title();
    ShowWindow(r.window, SW_SHOW);
    SetForegroundWindow(r.window);
}

void refill_results_window() {
    ResultsWindow& r = results();
    const WindowState& state = app_state();
    fill_results_table(state, r.tables[0]);
    fill_common_table(state, r.tables[1]);
    r.hasCommon = state.search.commonShown;
    r.shown = r.hasCommon ? r.shown : 0;
    if (r.window != nullptr) {
        show_tabs();
        show_table();
        show_title();
    }
}

void follow_main_window() {
    const ResultsWindow& r = results();
    if (r.window != nullptr) {
        show_title();
        InvalidateRect(r.list, nullptr, FALSE);
    }
}
