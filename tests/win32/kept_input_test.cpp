#include <cstring>
#include <functional>

#include <shlobj.h>

#include "tests/win32/program_fixture.h"
#include "view/session.h"

namespace {

const std::filesystem::path kSamples = SORAMITO_SAMPLES_DIR;

// An unseen session on the sample units: ミナト, out of its row's place in the sorted list, with
// 勇者 set by hand, against 傭兵長カザミ without 反撃; figures off the lists, of 3 and 4 digits.
const char8_t kUnseen[] =
    u8R"({"ally": {"name": "ミナト", "followUpCritFactor": 3,
    "skills": [1,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0], "level": 25, "technique": 123, "luck": 1000,
    "hitRate": 150, "critRate": -5, "attackSpeed": 45, "attack": 999, "defense": 41, "hp": 85,
    "maxHp": 9999}, "enemy": {"name": "傭兵長カザミ", "followUpCritFactor": 3,
    "skills": [0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0], "level": 0, "technique": 7, "luck": -999,
    "hitRate": 101, "critRate": 3, "attackSpeed": 8, "attack": 1200, "defense": 12, "hp": 1200,
    "maxHp": 1200}, "eventSwitches": [0, 1, 0, 0], "lanes": [{"seedIndex": 5, "position": 100}],
    "growthRates": [55, 90, 40, 70, 70, 90, 60, 35, 0, 30],
    "allyCondition": {"type": 3, "n": 1000, "unspecified": 1},
    "enemyCondition": {"type": 2, "n": 0, "unspecified": 0}})";

TEST(KeptInput, TheDialogsShowAnOpenedFileAsItIsAndOkKeepsIt) {
    WorkingFolder folder{read_file(kSamples / "character.txt").c_str(),
                         read_file(kSamples / "grow.txt").c_str()};
    const std::filesystem::path path = folder.path / "unseen.json";
    write_file(path, reinterpret_cast<const char*>(kUnseen));
    open_program(path);
    const std::string opened = session_text(window_state().session);
    std::wstring shown;
    Program::dialog(IDM_STATUS, [&shown](HWND box) {
        shown =
            texts(box, {1000, 1041, 1021, 1022, 1023, 1024, 1025, 1026, 1027, 1028, 1029, 1030,
                        1100, 1141, 1121, 1122, 1123, 1124, 1125, 1126, 1127, 1128, 1129, 1130});
        for (const int id : {1001, 1008, 1009, 1108, 1116}) {
            shown += IsDlgButtonChecked(box, id) == BST_CHECKED ? L"1" : L"0";
        }
        press(box, IDOK);
    });
    EXPECT_EQ(shown, wide("ミナト|追撃必殺係数:3|25|123|1000|150|-5|45|999|41|85|9999|"
                          "傭兵長カザミ|追撃必殺係数:3|0|7|-999|101|3|8|1200|12|1200|1200|10110"));
    Program::dialog(IDM_BATTLE_RESULT, [&shown](HWND box) {
        shown = texts(box, {1300, 1057, 1301, 1058});
        press(box, IDOK);
    });
    EXPECT_EQ(shown, wide("HP:残りn%以上|1000|HP:残りn以下|0|"));
    for (const int menu : {IDM_SEARCH_CONDITIONS, IDM_LEVEL_UP}) {
        Program::dialog(menu, [](HWND box) { press(box, IDOK); });
    }
    // Saved with Ctrl+S, the file written afresh as the session stands, and searched with Ctrl+L,
    // pressed as keys.
    press_key('S', kKeyCtrl);
    press_key('L', kKeyCtrl);
    EXPECT_EQ(
        std::make_pair(read_file(path), IsWindowVisible(FindWindowW(L"SoramitoResults", nullptr))),
        std::make_pair(opened, TRUE));
    close_program_without_saving();
}

// A file dropped on the window, as Explorer drops it.
void drop_file(const std::filesystem::path& path) {
    const std::wstring name = path.wstring();
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + (name.size() + 2) * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::memcpy(files + 1, name.c_str(), name.size() * sizeof(wchar_t));
    GlobalUnlock(drop);
    SendMessageW(main_window(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}

// After 新規 nothing is chosen: each list shows its first entry in its own order (アサギ in the
// sorted ally list, the file's 山賊ガロ in the enemy's), with that unit's own line of the unit
// file. A new session, opened or dropped, leaves the position boxes empty.
TEST(KeptInput, AFreshSessionShowsEachListsFirstUnitAndEmptyPositionBoxes) {
    WorkingFolder folder{read_file(kSamples / "character.txt").c_str(),
                         read_file(kSamples / "grow.txt").c_str()};
    open_program();
    const std::filesystem::path worked = folder.path / "worked.json";
    std::filesystem::copy_file(kSamples / "worked-battle.json", worked);
    const std::function<void()> opens[] = {
        [] { command(IDM_FILE_NEW); },
        [&worked] { EXPECT_TRUE(program().files().open_file(worked.wstring())); },
        [&worked] { drop_file(worked); }};
    for (const auto& open : opens) {
        HWND boxes[] = {program().position_edit(0), program().position_edit(1)};
        SetWindowTextW(boxes[0], L"123");
        SetWindowTextW(boxes[1], L"45");
        open();
        EXPECT_EQ(window_text(boxes[0]) + window_text(boxes[1]), L"");
    }
    command(IDM_FILE_NEW);
    std::wstring shown;
    Program::dialog(IDM_STATUS, [&shown](HWND box) {
        shown = texts(box, {1000, 1041, 1100, 1141});
        for (int id = 1001; id <= 1014; ++id) {
            shown += IsDlgButtonChecked(box, id) == BST_CHECKED ? L"1" : L"0";
        }
        shown += IsDlgButtonChecked(box, 1116) == BST_CHECKED ? L"|1" : L"|0";
        press(box, IDOK);
    });
    EXPECT_EQ(shown, wide("アサギ|追撃必殺係数:4|山賊ガロ|追撃必殺係数:1|00000000000000|1"));
    close_program_without_saving();
}

TEST(KeptInput, AUnitListSelectsItsNameExactly) {
    // Two allies whose names differ in case alone; the list sorts "alt" first.
    WorkingFolder folder("2,1\r\nALT,1,0,\r\nalt,2,7,\r\nE,0,15,\r\n", kGrowthFile.c_str());
    write_file(folder.path / "alt.json", R"({"ally": {"name": "ALT", "followUpCritFactor": 1}})");
    open_program(folder.path / "alt.json");
    std::wstring shown;
    Program::dialog(IDM_STATUS, [&shown](HWND box) {
        shown = texts(box, {1000, 1041});
        press(box, IDOK);
    });
    EXPECT_EQ(std::make_tuple(shown, std::string(window_state().session.action.ally.name),
                              window_state().session.action.growthRates[0]),
              std::make_tuple(wide("ALT|追撃必殺係数:1|"), std::string("ALT"), 80));
    close_program_without_saving();
}

}  // namespace
