#include "win32/results_window.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "text/text_encoding.h"
#include "view/drawing.h"
#include "view/main_commands.h"
#include "view/result_table.h"
#include "win32/dpi.h"
#include "win32/main_window.h"
#include "win32/message_box.h"
#include "win32/safe_file.h"
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

}  // namespace

int ResultsWindow::lane_position() const {
    return main_.controller()->session().lanes[0].position;
}

void ResultsWindow::show_title() {
    const std::string title = search_results_stale(main_.controller()->state())
                                  ? "検索結果（条件が変わりました）"
                                  : "検索結果";
    SetWindowTextW(window_, wide_string_from_shift_jis(title).c_str());
}

// A column of outcomes in a few words is as wide as its widest text, the title's included.
int ResultsWindow::text_width(const ResultTable& table, int column) {
    HWND list = list_;
    int widest = ListView_GetStringWidth(
        list, wide_string_from_shift_jis(column_title(table, column)).c_str());
    for (int row = 0; row < static_cast<int>(table.order.size()); ++row) {
        const std::wstring text =
            wide_string_from_shift_jis(cell_text(table, row, column, lane_position()));
        widest = std::max(widest, ListView_GetStringWidth(list, text.c_str()));
    }
    // The cell's margins on either side.
    return widest + scale_to_dpi(16, dpi_);
}

// The arrow of the sorted column's direction in its title, none in the others'.
void ResultsWindow::show_sort_arrow() {
    const ResultTable& table = shown_table();
    HWND header = ListView_GetHeader(list_);
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
void ResultsWindow::show_count() {
    const std::string count = std::to_string(shown_table().order.size()) + "個";
    SetWindowTextW(count_, wide_string_from_shift_jis(count).c_str());
}

// The shown table's columns and row count; the list asks for each cell as it draws it.
void ResultsWindow::show_table() {
    const ResultTable& table = shown_table();
    ListView_DeleteAllItems(list_);
    while (ListView_DeleteColumn(list_, 0)) {
    }
    LVCOLUMNW empty{};
    empty.mask = LVCF_WIDTH;
    ListView_InsertColumn(list_, 0, &empty);
    for (int c = 0; c < static_cast<int>(table.columns.size()); ++c) {
        std::wstring title = wide_string_from_shift_jis(column_title(table, c));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
        column.pszText = title.data();
        const ColumnKind kind = table.columns[static_cast<std::size_t>(c)].kind;
        column.fmt = numeric_column(kind) ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = kind == ColumnKind::kPart     ? text_width(table, c)
                    : kind == ColumnKind::kChain  ? scale_to_dpi(140, dpi_)
                    : kind == ColumnKind::kGrowth ? scale_to_dpi(160, dpi_)
                                                  : scale_to_dpi(60, dpi_);
        column.iSubItem = c + kFirstColumn;
        ListView_InsertColumn(list_, c + kFirstColumn, &column);
    }
    ListView_SetItemCountEx(list_, static_cast<int>(table.order.size()), 0);
    show_sort_arrow();
    show_count();
}

void ResultsWindow::show_tabs() {
    TabCtrl_DeleteAllItems(tabs_);
    const char* const names[] = {"結果", "どれでも"};
    for (int t = 0; t < (hasCommon_ ? 2 : 1); ++t) {
        std::wstring name = wide_string_from_shift_jis(names[t]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = name.data();
        TabCtrl_InsertItem(tabs_, t, &item);
    }
    TabCtrl_SetCurSel(tabs_, shown_);
}

void ResultsWindow::lay_out(int width, int height) {
    const auto at = [this](int value) { return scale_to_dpi(value, dpi_); };
    MoveWindow(tabs_, 0, 0, width, at(kTabsHeight), TRUE);
    MoveWindow(list_, 0, at(kTabsHeight), width,
               height - at(kTabsHeight) - at(kButtonHeight) - at(8), TRUE);
    MoveWindow(save_, width - at(kButtonWidth) - at(4), height - at(kButtonHeight) - at(4),
               at(kButtonWidth), at(kButtonHeight), TRUE);
    MoveWindow(count_, at(4), height - at(kButtonHeight), width / 2, at(kButtonHeight) - at(4),
               TRUE);
}

// Ctrl+C: the selected rows as tab-separated text; what fails on the way is said.
void ResultsWindow::copy_rows() {
    std::vector<int> rows;
    for (int i = ListView_GetNextItem(list_, -1, LVNI_SELECTED); i >= 0;
         i = ListView_GetNextItem(list_, i, LVNI_SELECTED)) {
        rows.push_back(i);
    }
    const std::wstring text =
        wide_string_from_shift_jis(table_tsv(shown_table(), rows, lane_position()));
    ClipboardMemory memory((text.size() + 1) * sizeof(wchar_t));
    bool copied = false;
    if (memory.fill(text.c_str(), (text.size() + 1) * sizeof(wchar_t)) && OpenClipboard(window_)) {
        copied = EmptyClipboard() && memory.give_to_clipboard(CF_UNICODETEXT);
        CloseClipboard();
    }
    if (!copied) {
        say(window_, L"クリップボードにコピーできません：" + system_reason(GetLastError()),
            MB_OK | MB_ICONERROR);
    }
}

// The shown table as CSV in UTF-8 with a byte order mark, so that a spreadsheet reads the
// Japanese; written as safely as a session.
void ResultsWindow::save_table() {
    std::wstring name = L"results.csv";
    if (!ask_file_name(window_, true, L"CSV (*.csv)\0*.csv\0", L"csv", name)) {
        return;
    }
    const std::string csv =
        "\xEF\xBB\xBF" + shift_jis_to_utf8(table_csv(shown_table(), lane_position()));
    std::wstring why;
    if (!write_file_safely(name, csv, why)) {
        say(window_, L"保存できません：" + name + L"\n" + why, MB_OK | MB_ICONERROR);
    }
}

// A double-click or Enter puts lane 0 at the position of the row that has the focus and is
// selected; the notification of Enter may name another row.
void ResultsWindow::act_on_row() {
    const int shownRow = ListView_GetNextItem(list_, -1, LVNI_FOCUSED | LVNI_SELECTED);
    const ResultTable& table = shown_table();
    if (shownRow < 0 || shownRow >= static_cast<int>(table.order.size())) {
        return;
    }
    const std::int32_t position =
        table.positions[static_cast<std::size_t>(table.order[static_cast<std::size_t>(shownRow)])];
    main_.controller()->change(
        [position](WindowState& state) { return put_lane_at(state, 0, position); });
}

LRESULT ResultsWindow::on_notify(const NMHDR& header) {
    if (header.hwndFrom == tabs_ && header.code == TCN_SELCHANGE) {
        shown_ = TabCtrl_GetCurSel(tabs_) == 1 ? 1 : 0;
        show_table();
        return 0;
    }
    if (header.hwndFrom == ListView_GetHeader(list_)) {
        // The empty first column keeps no width.
        const bool empty = reinterpret_cast<const NMHEADERW*>(&header)->iItem == 0;
        const bool resizing = header.code == HDN_BEGINTRACKW || header.code == HDN_BEGINTRACKA ||
                              header.code == HDN_DIVIDERDBLCLICKW ||
                              header.code == HDN_DIVIDERDBLCLICKA;
        return empty && resizing ? TRUE : 0;
    }
    if (header.hwndFrom != list_) {
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
                InvalidateRect(list_, nullptr, TRUE);
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

LRESULT ResultsWindow::handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (main_.tools().handle_message(window, message, wParam, lParam, dpi_)) {
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
            } else if (LOWORD(wParam) == IDOK && GetFocus() == list_) {
                act_on_row();  // Enter, which the window takes as a dialog does
            }
            return 0;
        case WM_DESTROY:
            window_ = nullptr;
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool ResultsWindow::create() {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    dpi_ = window_dpi(main_.window());
    window_ = main_.tools().create(*this, kClassName, L"", ToolWindowKind::kResults, {640, 420},
                                   {420, 240}, dpi_);
    if (window_ == nullptr) {
        return false;
    }
    ToolWindows& tools = main_.tools();
    tabs_ = tools.create_child(window_, WC_TABCONTROLW, L"", WS_TABSTOP, kTabsId);
    list_ = tools.create_child(
        window_, WC_LISTVIEWW, L"",
        WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, kListId);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    save_ = tools.create_child(window_, L"Button", wide_string_from_shift_jis("保存…"), WS_TABSTOP,
                               kSaveId);
    count_ = tools.create_child(window_, L"Static", L"", SS_LEFT | SS_CENTERIMAGE, kCountId);
    RECT client{};
    GetClientRect(window_, &client);
    lay_out(client.right, client.bottom);
    return true;
}

void ResultsWindow::open() {
    if (window_ == nullptr && !create()) {
        return;
    }
    show_tabs();
    show_table();
    show_title();
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void ResultsWindow::refill() {
    const WindowState& state = main_.controller()->state();
    search_ = state.search.number;
    fill_results_table(state, tables_[0]);
    fill_common_table(state, tables_[1]);
    hasCommon_ = state.search.commonShown;
    shown_ = hasCommon_ ? shown_ : 0;
    if (window_ != nullptr) {
        show_tabs();
        show_table();
        show_title();
    }
}

void ResultsWindow::follow() {
    if (main_.controller()->state().search.number != search_) {
        refill();
    } else if (window_ != nullptr) {
        show_title();
        InvalidateRect(list_, nullptr, FALSE);
    }
}
