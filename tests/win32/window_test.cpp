#include <cstring>

#include "tests/win32/program_fixture.h"
#include "view/window_layout.h"
#include "win32/wide_text.h"

namespace {

// The start-up files are looked for in the working folder, then beside the program. Without
// them the message says where the program looked, and the program ends, leaving no drawing
// object behind.
TEST(StartUp, FindsTheFilesBesideTheProgramOrSaysWhereItLookedAndEnds) {
    wchar_t exe[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::filesystem::path own = std::filesystem::path(exe).parent_path();
    // character.txt, grow.txt, the message, whether the program's folder is named too
    const std::vector<std::tuple<const char*, const char*, const char*, bool>> cases = {
        {nullptr, kGrowthFile.c_str(), "キャラデータを読み込めません＞＜", true},
        {kUnitFile, nullptr, "成長率を読み込めません＞＜", false}};
    for (const auto& [characterText, growText, message, both] : cases) {
        WorkingFolder folder(characterText, growText);
        const std::wstring here = std::filesystem::current_path().wstring();
        HFONT font = nullptr;
        const std::wstring box = answer_box(
            [&font] {
                EXPECT_EQ(MainWindow::open(GetModuleHandleW(nullptr), SW_SHOW, L""), nullptr);
                font = program().font(DrawFont::kNormal);
            },
            IDOK);
        EXPECT_EQ(box, L"ソラミト|" + wide(message) + L"\n" + wide("探したフォルダ：") + here +
                           (both ? wide("、") + own.wstring() : L""));
        // The window is gone, and so are its fonts: Wine counts no GDI objects.
        EXPECT_EQ(std::make_tuple(run_message_loop(), GetObjectType(font)), std::make_tuple(0, 0u));
    }
    // Started from a folder without them, the files beside the program: a session named on the
    // command line, relative to the working folder, opens.
    struct Beside {
        explicit Beside(const std::filesystem::path& own) : own(own) {
            write_file(own / "character.txt", kUnitFile);
            write_file(own / "grow.txt", kGrowthFile);
        }
        ~Beside() {
            std::filesystem::remove(own / "character.txt");
            std::filesystem::remove(own / "grow.txt");
        }
        std::filesystem::path own;
    };
    {
        const Beside beside(own);
        WorkingFolder folder(nullptr, nullptr);
        write_file(folder.path / "s.json", reinterpret_cast<const char*>(kWorkedSession));
        open_program(L"s.json");
        EXPECT_EQ(std::make_tuple(program().tables().allyUnitCount,
                                  window_text(main_window()).starts_with(L"s.json")),
                  std::make_tuple(2, true));
        close_program_without_saving();
    }
    const WideText cut = wide_from_shift_jis("a" + std::string(2 * 2100, '\x83'));  // 2100 ャ
    EXPECT_EQ(std::wstring(cut.text, cut.length),
              L"a" + std::wstring(kWideTextCapacity - 2, wide("\x83\x83")[0]));
    EXPECT_EQ(wide_from_shift_jis("\x83\x41\x83").length, 2);  // a lead byte at the end
}

// The window as it starts; the dialogs store what they show, and point out a figure out of range.
TEST_F(Program, TheDialogsStoreWhatTheyShowAndPointOutAFigureOutOfRange) {
    // At 96 dpi the window is 800 by 600, as it always was.
    RECT frame{}, client{};
    GetWindowRect(main_window(), &frame);
    GetClientRect(main_window(), &client);
    EXPECT_EQ(std::make_tuple(frame.right - frame.left, frame.bottom - frame.top, client.right,
                              client.bottom, window_text(main_window()),
                              window_text(GetDlgItem(main_window(), IDC_SEARCH)),
                              grayed(IDM_STATUS), grayed(IDM_SEARCH_CONDITIONS)),
              std::make_tuple(800, 600, 792, 554, wide("ソラミト  ver 0.00a"), wide("検索"), false,
                              true));
    dialog(IDM_STATUS, [](HWND box) { press(box, IDOK); });
    dialog(IDM_LEVEL_UP, [](HWND box) {
        EXPECT_EQ(texts(box, {1000, 4100, 4000}), wide("アルト| 80%|+1|"));
        EXPECT_TRUE(GetWindowLongW(GetDlgItem(box, 1000), GWL_STYLE) & SS_NOPREFIX);
        click(box, 2000);  // ヘズルの書, stored at once
        EXPECT_EQ(texts(box, {4100}), L"110%|");
        choose(box, 4002, 0);
        press(box, IDOK);
    });
    const WindowState& state = window_state();
    EXPECT_EQ(
        std::make_tuple(state.session.action.booksHeld[0], state.session.action.growthRates[0],
                        state.session.action.levelUpWanted[2]),
        std::make_tuple(1, 110, 0));
    controller().change([](WindowState& s) {
        std::strcpy(s.session.action.ally.name, "A&B");
        return true;
    });
    dialog(IDM_SEARCH_CONDITIONS, [](HWND box) {
        click(box, 2001);  // 戦闘 checks and enables 予測消費; take it off again
        click(box, 2004);
        press(box, IDOK);
    });
    dialog(IDM_BATTLE_RESULT, [](HWND box) {
        EXPECT_EQ(texts(box, {1000, 1100, 1300, 1057}), wide("A&B|山賊ガロ|HP:現在の値|0|"));
        EXPECT_TRUE(GetWindowLongW(GetDlgItem(box, 1000), GWL_STYLE) & SS_NOPREFIX);
        choose(box, 1301, 2);
        click(box, 2001);
        press(box, IDOK);
    });
    press_key('F', kKeyCtrl);
    EXPECT_EQ(std::make_tuple(state.session.action.predictSwitch, state.search.resultCount,
                              state.search.results[2]),
              std::make_tuple(0, 1044, 6));  // the whole range, for the table
    // A figure out of range, in an n box or a figure box, is pointed out on its box. キャンセル
    // keeps what was stored; OK stores a figure in range, of full-width digits.
    SentMessages balloons(EM_SHOWBALLOONTIP);
    for (const auto& [menu, id, refused, end] :
         {std::tuple{IDM_BATTLE_RESULT, 1058, L"-1000", IDCANCEL},
          {IDM_STATUS, 1127, L"10000", IDOK}}) {
        dialog(menu, [id, refused, end](HWND box) {
            retype(box, id, refused);
            click(box, IDOK);
            EXPECT_EQ(std::make_pair(IsWindow(box), GetFocus()),
                      std::make_pair(TRUE, edit_of(box, id)));
            retype(box, id, L"\xFF11\xFF12");
            press(box, end);
        });
    }
    ASSERT_EQ(balloons.seen.size(), 2u);
    EXPECT_EQ(balloons.seen[1].second, wide("-999から9999までの数を入れてください"));
    EXPECT_EQ(
        std::make_pair(state.session.action.enemyCondition.n, state.session.action.enemy.attack),
        std::make_pair(0, 12));
}

// The marks typed move the lanes with a click on a candidate or a near sequence.
TEST_F(Program, AClickOnACandidateOrANearSequenceMovesALane) {
    const WindowState& state = window_state();
    // Characters with no Shift-JIS form are no marks, nor is a look-alike "o".
    EXPECT_TRUE(type_pattern(L"\x014D\x2603\xD83D\xDE00o\x2603x"));
    EXPECT_EQ(state.shown.marks.markCount, 2);
    // A right click on a candidate sets the lower lane; with one mark typed wrong, a left click
    // on the first near sequence the upper one, which is painted blue.
    EXPECT_TRUE(type_pattern(wide("×××○○×××○×○×○○×○×○○×")));
    SendMessageW(main_window(), WM_RBUTTONUP, 0,
                 MAKELPARAM(number_left(kCandidateRow, 2), kCandidateRow.top));
    EXPECT_TRUE(type_pattern(wide("×××○○×○×○×○×○○×○×○○×")));
    SendMessageW(main_window(), WM_LBUTTONUP, 0,
                 MAKELPARAM(number_left(kNearRow, 1) + 8, kNearRow.top + 5));
    EXPECT_EQ(std::make_tuple(state.session.lanes[0].seedIndex, state.session.lanes[0].position,
                              state.session.lanes[1].seedIndex, state.session.lanes[1].position),
              std::make_tuple(16, 21, 51, 21));
    RedrawWindow(main_window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC screen = GetDC(main_window());
    int blue = 0;
    for (int i = 0; i < 17 * 16; ++i) {
        blue += GetPixel(screen, kNearRow.left + i % 17, kNearRow.top + i / 17) == RGB(0, 0, 255)
                    ? 1
                    : 0;
    }
    ReleaseDC(main_window(), screen);
    EXPECT_GT(blue, 10);
}

// A session saved after a change, renewed with nothing to ask, opened again as saved; a save
// that cannot replace its file says so and changes nothing.
TEST_F(Program, ASessionIsSavedRenewedAndOpenedAgainAndAFailedSaveChangesNothing) {
    const WindowState& state = window_state();
    const std::filesystem::path path = open_written("s.json", kWorkedSession);
    command(IDC_LANE0_FORWARD);
    command(IDM_FILE_SAVE);
    EXPECT_FALSE(controller().changed());
    command(IDM_FILE_NEW);
    EXPECT_EQ(std::make_pair(grayed(IDM_LEVEL_UP), program().files().path()),
              std::make_pair(true, std::wstring()));
    EXPECT_TRUE(program().files().open_file(path.wstring()));
    EXPECT_EQ(std::make_tuple(state.session.lanes[0].position, state.shown.marks.candidateCount,
                              grayed(IDM_LEVEL_UP)),
              std::make_tuple(31, 3, false));
    // A save that cannot replace the file (another program holds it; as root under Wine no
    // folder is read-only) says so and leaves the file as it was, and nothing beside it.
    command(IDC_LANE0_FORWARD);
    const std::string before = read_file(path);
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    const std::wstring message = answer_box([] { command(IDM_FILE_SAVE); }, IDOK);
    CloseHandle(held);
    EXPECT_EQ(read_file(path), before);
    EXPECT_EQ(message.rfind(wide("ソラミト|保存できません：") + path.wstring(), 0), 0u) << message;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path), {}), 4);
    command(IDM_FILE_SAVE);  // once the file is free
    EXPECT_NE(read_file(path), before);
}

}  // namespace
