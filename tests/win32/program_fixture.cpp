#include "tests/win32/program_fixture.h"

#include <commctrl.h>

#include <cstring>
#include <fstream>

#include "view/drawing.h"
#include "win32/program.h"
#include "win32/wide_text.h"

WorkingFolder::WorkingFolder(const char* characterText, const char* growText) {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);  // left by a run that was cut short
    std::filesystem::create_directories(appData / "Soramito");
    SetEnvironmentVariableW(L"APPDATA", appData.c_str());
    for (const auto& [name, text] :
         {std::pair{"character.txt", characterText}, std::pair{"grow.txt", growText}}) {
        if (text != nullptr) {
            std::ofstream(path / name, std::ios::binary) << text;
        }
    }
    SetCurrentDirectoryW(path.c_str());
}

WorkingFolder::~WorkingFolder() {
    SetCurrentDirectoryW(std::filesystem::temp_directory_path().c_str());
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void write_file(const std::filesystem::path& path, std::string_view text) {
    std::ofstream(path, std::ios::binary) << text;
}

void write_file(const std::filesystem::path& path, const char8_t* text) {
    write_file(path, reinterpret_cast<const char*>(text));
}

const char* const kUnitFile =
    "2,2\r\nアルト,2,7,\r\nミナト,3,0,\r\n山賊ガロ,1,15,\r\n山賊,0,15,\r\n";
namespace {
// アルト's and ミナト's rows, then the 50 rows a whole file has besides.
const std::string kGrowthRows = [] {
    std::string rows = "80,50,10,40,60,30,5,45,0,30\r\n55,90,40,70,70,90,60,35,0,20\r\n";
    for (int row = 2; row < 52; ++row) {
        rows += "0,0,0,0,0,0,0,0,0,0\r\n";
    }
    return rows;
}();
}  // namespace
const char* const kGrowthFile = kGrowthRows.c_str();

std::wstring window_text(HWND window) {
    wchar_t text[4096] = {};
    GetWindowTextW(window, text, 4096);
    return text;
}

std::wstring texts(HWND dialog, std::initializer_list<int> ids) {
    std::wstring joined;
    for (int id : ids) {
        joined += window_text(GetDlgItem(dialog, id)) + L"|";
    }
    return joined;
}

HWND main_window() {
    return window_handles().mainWindow;
}

void open_program() {
    open_program_with({});
}

void open_program_with(const std::filesystem::path& file) {
    std::memset(static_cast<void*>(&app_state()), 0, sizeof(AppState));
    window_handles() = WindowHandles{};
    EXPECT_TRUE(open_main_window(GetModuleHandleW(nullptr), SW_SHOW, file.wstring()));
    EXPECT_TRUE(pump_messages(50));
}

int close_program() {
    PostMessageW(main_window(), WM_CLOSE, 0, 0);
    return run_message_loop();
}

int close_program_without_saving() {
    int exitCode = -1;
    with_boxes([&exitCode] { exitCode = close_program(); },
               [](HWND box) { PostMessageW(box, WM_COMMAND, IDNO, 0); });
    return exitCode;
}

std::string drawing() {
    static DrawList list;
    build_main_window_drawing(app_state(), 784, list);
    std::string all;
    for (int i = 0; i < list.count; ++i) {
        const DrawStep& s = list.steps[i];
        all += std::to_string(s.left) + "," + std::to_string(s.top) + "," +
               std::to_string(static_cast<int>(s.font)) + "," + std::to_string(s.color) + ":" +
               std::string(step_text(list, s)) + "|";
    }
    return all;
}

std::vector<std::wstring> list_box_lines(HWND list) {
    std::vector<std::wstring> lines;
    for (int i = 0; i < static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); ++i) {
        wchar_t line[256] = L"";
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
        lines.emplace_back(line);
    }
    return lines;
}

std::wstring drawn_after(const std::wstring& label) {
    static DrawList list;
    RECT client{};
    GetClientRect(main_window(), &client);
    build_main_window_drawing(app_state(), client.right, list);
    for (int i = list.count - 2; i >= 0; --i) {
        if (wide_from_shift_jis(step_text(list, list.steps[i])).text == label) {
            return wide_from_shift_jis(step_text(list, list.steps[i + 1])).text;
        }
    }
    return L"(none)";
}

bool grayed(int item) {
    return GetMenuState(GetMenu(main_window()), item, MF_BYCOMMAND) & MF_GRAYED;
}

std::wstring answer_box(const std::function<void()>& action, int button) {
    std::wstring box = L"(none)";
    with_boxes(action, [&](HWND shown) {
        box = window_text(shown) + L"|" + window_text(GetDlgItem(shown, 0xFFFF));
        click(shown, button);
    });
    return box;
}

HWND edit_of(HWND dialog, int id) {
    HWND box = GetDlgItem(dialog, id);
    HWND child = GetWindow(box, GW_CHILD);
    return child != nullptr ? child : box;
}

void retype(HWND dialog, int id, const std::wstring& text) {
    HWND edit = edit_of(dialog, id);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (const wchar_t c : text) {
        SendMessageW(edit, WM_CHAR, c, 0);
    }
}

namespace {

LRESULT CALLBACK record_sent(int code, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent.message == SentMessages::watched) {
        const bool balloon = sent.message == EM_SHOWBALLOONTIP;
        SentMessages::seen.push_back(
            {sent.hwnd, sent.wParam,
             balloon ? reinterpret_cast<const EDITBALLOONTIP*>(sent.lParam)->pszText : L""});
        if (sent.message == WM_SYSCOMMAND && (sent.wParam & 0xFFF0) == SC_KEYMENU) {
            SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR timer, DWORD) {
                KillTimer(nullptr, timer);
                EndMenu();
            });
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

SentMessages::SentMessages(UINT kind)
    : hook(SetWindowsHookExW(WH_CALLWNDPROC, record_sent, nullptr, GetCurrentThreadId())) {
    watched = kind;
    seen.clear();
}

SentMessages::~SentMessages() {
    UnhookWindowsHookEx(hook);
}
