// Takes the pictures of the players' guide: plays a first session in the program's own window,
// on the start-up files of the working folder, and saves the main window (once more with its
// areas named), its dialogs and its tool windows as the screen shows them, as BMP files in that
// folder. Exits 1 when a step failed.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tools/pictures/session.h"
#include "view/child_controls.h"
#include "view/resource.h"
#include "view/window_layout.h"
#include "win32/main_window.h"
#include "win32/session_files.h"

namespace {

bool allWent = true;

void check(bool went, const char* step) {
    if (!went) {
        std::fprintf(stderr, "take_pictures: %s failed\n", step);
        allWent = false;
    }
}

// Draws on a picture of a window: the device context of the picture, and where the window's
// client area starts in it.
using Annotation = std::function<void(HDC, POINT)>;

// The window with its frame, as it has drawn itself, in a 24-bit BMP file, margin pixels wider
// on the right for what annotate draws. Read from the window's own device context, so that it
// does not matter when the display shows it.
void save_picture(HWND window, const char* path, int margin = 0,
                  const Annotation& annotate = nullptr) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    pump_messages(300);
    RECT frame;
    GetWindowRect(window, &frame);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = frame.right - frame.left + margin;
    header.biHeight = frame.bottom - frame.top;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = ((header.biWidth * 3 + 3) & ~3) * header.biHeight;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + header.biSizeImage;

    HDC drawn = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(drawn);
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(drawn, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                      &pixels, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    PatBlt(memory, 0, 0, header.biWidth, header.biHeight, WHITENESS);
    const bool copied =
        BitBlt(memory, 0, 0, header.biWidth - margin, header.biHeight, drawn, 0, 0, SRCCOPY) != 0;
    if (annotate) {
        annotate(memory, POINT{client.x - frame.left, client.y - frame.top});
    }
    GdiFlush();
    std::FILE* out = std::fopen(path, "wb");
    const bool written = out != nullptr && std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&header, sizeof header, 1, out) == 1 &&
                         std::fwrite(pixels, header.biSizeImage, 1, out) == 1;
    check(copied && written && (out == nullptr || std::fclose(out) == 0), path);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, drawn);
}

// An area of the main window and its name in the guide's 用語, in client coordinates at 96 dpi.
struct NamedArea {
    LayoutBox box;
    const char* name;  // Shift-JIS
    bool inside =
        false;  // named in its own empty corner, where a line to the margin would cross others
};

LayoutBox control_box(int id) {
    for (const ChildControl& control : child_controls()) {
        if (control.id == id) {
            return {control.x, control.y, control.x + control.width, control.y + control.height};
        }
    }
    return {};
}

// The areas the guide names, from where the window places them: the upper lane row by row (a
// lane is a header and three rows of 20 pixels), the lower one whole, what stands under them.
std::vector<NamedArea> named_areas() {
    constexpr int kRow = 20;
    const int upper = control_box(IDC_LANE0_BACK).top;
    const int lower = control_box(IDC_LANE1_BACK).top;
    const int right = place_of(UnderLanes::kMessageLine).right;
    const LayoutBox pattern = control_box(IDC_MARK_EDIT);
    const LayoutBox search = control_box(IDC_SEARCH);
    const LayoutBox advance = control_box(IDM_ADVANCE);
    return {
        {{0, upper, right, upper + kRow + 1}, "見出し（乱数列と位置）"},
        {{0, upper + kRow + 1, right, upper + 2 * kRow + 1}, "乱数値"},
        {{0, upper + 2 * kRow + 1, right, upper + 3 * kRow + 1}, "○×法"},
        {{0, upper + 3 * kRow + 1, right, upper + 4 * kRow + 1}, "使い道"},
        {{0, lower, right, kLanesBottom}, "下のレーン"},
        {{place_of(UnderLanes::kAllyPanel).left, place_of(UnderLanes::kAllyPanel).top,
          place_of(UnderLanes::kEnemyPanel).right,
          place_of(UnderLanes::kAllyPanel).top + 10 * kRow},
         "ユニットの欄",
         true},
        {{search.left - 4, place_of(UnderLanes::kKeptLine).top, right, search.top - 40},
         "条件の欄"},
        {{search.left - 2, search.top - 2, advance.right + 2, advance.bottom + 2},
         "検索・一覧・実行"},
        {{search.left - 2, advance.bottom + 2, right, advance.bottom + 2 + 3 * kRow},
         "位置の候補とどれでも"},
        {{pattern.left - 68, pattern.top - 22, right, pattern.bottom}, "「cx検索：」の欄"},
        {{kCandidateRow.left - 52, kCandidateRow.top - 2, right, kCandidateRow.top + kRow - 2},
         "乱数列の候補"},
        {{kNearRow.left - 52, kNearRow.top - 2, right, kNearRow.top + 3 * kRow}, "見分け方の行"},
    };
}

// Each area framed in red, its name in the margin on the right at its height (or below the
// name above it), joined to the frame by a line.
void name_areas(HDC picture, POINT client, int nameLeft) {
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(220, 30, 30));
    HFONT font = CreateFontW(16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, wide("ＭＳ ゴシック").c_str());
    HGDIOBJ oldPen = SelectObject(picture, pen);
    HGDIOBJ oldFont = SelectObject(picture, font);
    HGDIOBJ oldBrush = SelectObject(picture, GetStockObject(NULL_BRUSH));
    SetBkMode(picture, TRANSPARENT);
    SetTextColor(picture, RGB(200, 20, 20));
    // Names in the order of their areas' middles, so that no two leader lines cross.
    std::vector<NamedArea> areas = named_areas();
    std::stable_sort(areas.begin(), areas.end(), [](const NamedArea& a, const NamedArea& b) {
        return a.box.top + a.box.bottom < b.box.top + b.box.bottom;
    });
    int nextTop = 0;
    for (const NamedArea& area : areas) {
        const RECT r{client.x + area.box.left, client.y + area.box.top, client.x + area.box.right,
                     client.y + area.box.bottom};
        Rectangle(picture, r.left, r.top, r.right, r.bottom);
        const std::wstring name = wide(area.name);
        if (area.inside) {
            TextOutW(picture, r.left + 8, r.bottom - 22, name.c_str(),
                     static_cast<int>(name.size()));
            continue;
        }
        const int top = std::max(static_cast<int>((r.top + r.bottom) / 2 - 8), nextTop);
        MoveToEx(picture, r.right, (r.top + r.bottom) / 2, nullptr);
        LineTo(picture, nameLeft - 4, top + 8);
        TextOutW(picture, nameLeft, top, name.c_str(), static_cast<int>(name.size()));
        nextTop = top + 20;
    }
    SelectObject(picture, oldBrush);
    SelectObject(picture, oldFont);
    SelectObject(picture, oldPen);
    DeleteObject(font);
    DeleteObject(pen);
}

// Selects the entry of a dialog's list that reads text, as the user picks it.
void choose_text(HWND dialog, int id, const char* shiftJis) {
    const LRESULT found =
        SendDlgItemMessageW(dialog, id, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(wide(shiftJis).c_str()));
    check(found != CB_ERR, shiftJis);
    choose(dialog, id, static_cast<int>(found));
}

// The dialog a menu command opens, set up by script, pictured, then confirmed.
void picture_dialog(int menuCommand, const char* path, const std::function<void(HWND)>& script) {
    check(with_dialog(menuCommand,
                      [&](HWND dialog) {
                          script(dialog);
                          // The dialog's own loop shows it once idle, which may not have come yet.
                          ShowWindow(dialog, SW_SHOW);
                          SetFocus(GetDlgItem(dialog, IDOK));
                          save_picture(dialog, path);
                          press(dialog, IDOK);
                      }),
          path);
}

// A window beside the main one, opened by a command: pictured at the screen's corner, then hidden.
void picture_tool_window(int menuCommand, const wchar_t* className, const char* path) {
    command(menuCommand);
    HWND window = FindWindowW(className, nullptr);
    check(window != nullptr, path);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    save_picture(window, path);
    ShowWindow(window, SW_HIDE);
}

}  // namespace

int main() {
    // An empty %APPDATA% of its own, below the working folder: no last session of another run
    // comes back, and this one's stays here.
    wchar_t appData[MAX_PATH] = L"";
    GetFullPathNameW(L"appdata", MAX_PATH, appData, nullptr);
    CreateDirectoryW(appData, nullptr);
    SetEnvironmentVariableW(L"APPDATA", appData);
    MainWindow* program = MainWindow::open(GetModuleHandleW(nullptr), SW_SHOW, L"");
    check(program != nullptr, "the main window");
    HWND window = program->window();
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    pump_messages(200);
    // The guide's first steps in their order. The two units, their figures as the dialog first
    // shows them.
    picture_dialog(IDM_STATUS, "guide-status.bmp", [](HWND dialog) {
        choose_text(dialog, 1000, "アルト");
        choose_text(dialog, 1100, "山賊ガロ");
    });
    // The marks seen in the game; the second candidate goes to the upper lane, the third to
    // the lower one.
    check(type_pattern(L"xxxooxxxoxoxooxoxoox"), "typing the marks");
    const int middle = kCandidateRow.top + kCandidateRow.height / 2;
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(number_left(kCandidateRow, 1) + 8, middle));
    SendMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(number_left(kCandidateRow, 2) + 8, middle));
    // A battle, then a level-up; 予測消費, which 戦闘 switches on, off again.
    picture_dialog(IDM_SEARCH_CONDITIONS, "guide-search-conditions.bmp", [](HWND dialog) {
        click(dialog, 2001);
        click(dialog, 2004);
        click(dialog, 2002);
    });
    // The enemy falls: HP:残りn以下 with n 0, and its 指定しない off.
    picture_dialog(IDM_BATTLE_RESULT, "guide-battle-result.bmp", [](HWND dialog) {
        choose(dialog, 1301, 2);
        SetDlgItemTextW(dialog, 1058, L"0");
        click(dialog, 2001);
    });
    // HP, 力, 速 and 運 must grow: 魔, 技, 守, 体 and 移 from +1 to 0.
    picture_dialog(IDM_LEVEL_UP, "guide-level-up.bmp", [](HWND dialog) {
        for (const int stat : {2, 3, 5, 6, 8}) {
            choose(dialog, 4000 + stat, 0);
        }
    });
    command(IDC_SEARCH);
    save_picture(window, "guide-window.bmp");
    // The same window with each area named, the names in a margin beside it.
    constexpr int kNameMargin = 200;
    RECT frame;
    GetWindowRect(window, &frame);
    save_picture(window, "guide-window-parts.bmp", kNameMargin, [&](HDC picture, POINT client) {
        name_areas(picture, client, frame.right - frame.left + 12);
    });
    // 一覧: the table of every result.
    picture_tool_window(IDC_RESULTS, L"SoramitoResults", "guide-results.bmp");
    // 起きたこと: where the upper lane showed the ally at 30 and the enemy at 20, the game left
    // them at 40 and 10, and HP, 技 and 運 grew; the nearest position chosen.
    picture_dialog(IDM_HAPPENED, "guide-happened.bmp", [](HWND dialog) {
        SetDlgItemTextW(dialog, IDC_HAPPENED_ALLY_HP, L"40");
        SetDlgItemTextW(dialog, IDC_HAPPENED_ENEMY_HP, L"10");
        click(dialog, IDC_HAPPENED_LEVEL_UP);
        for (const int stat : {0, 3, 7}) {
            click(dialog, IDC_HAPPENED_FIRST_GROWN + stat);
        }
        click(dialog, IDC_HAPPENED_SEARCH);
        SendDlgItemMessageW(dialog, IDC_HAPPENED_FOUND, LB_SETCURSEL, 0, 0);
    });
    // 記録: the one action that OK did.
    picture_tool_window(IDM_RECORD, L"SoramitoRecord", "guide-record.bmp");
    // The marks with the 19th typed wrong: no candidate, and the near sequences.
    check(type_pattern(L"xxxooxxxoxoxooxoxoxx"), "typing a slip");
    save_picture(window, "guide-near.bmp");
    // The sample turn plan: its steps, and the lanes that show them one after another.
    check(program->files().open_file(L"turn-plan.json"), "opening the turn plan");
    picture_tool_window(IDM_PLAN, L"SoramitoPlan", "guide-plan.bmp");
    command(IDC_SEARCH);
    save_picture(window, "guide-plan-window.bmp");
    PostMessageW(window, WM_CLOSE, 0, 0);
    run_message_loop();
    return allWent ? 0 : 1;
}
