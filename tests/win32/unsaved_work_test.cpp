// Nothing a player did is lost: the save question, the title's "*", the last session kept as the
// player works, the marker of a run that did not end cleanly, and messages in Japanese.

#include "tests/win32/program_fixture.h"

namespace {

const std::wstring kTitle = L"ソラミト  ver 0.00a";

// The position of lane 0 in a session's text.
bool at_position(const std::string& session, int position) {
    return session.find("\"position\": " + std::to_string(position) + "\n") != std::string::npos;
}

TEST_F(Program, EachAnswerToTheSaveQuestionAndEachRefusalDoesWhatItSays) {
    const std::filesystem::path path = open_written("s.json", u8R"({"lanes": [{"position": 21}]})");
    EXPECT_EQ(window_text(main_window()), L"s.json - " + kTitle);
    command(IDC_LANE0_FORWARD);
    EXPECT_EQ(window_text(main_window()), L"*s.json - " + kTitle);
    // The last session follows within a second, with room for a busy machine.
    for (const DWORD start = GetTickCount();
         !at_position(read_file(folder.lastSession), 22) && GetTickCount() - start < 2000;) {
        pump_messages(50);
    }
    EXPECT_TRUE(at_position(read_file(folder.lastSession), 22));
    // キャンセル keeps the window and the change.
    const std::wstring question = L"ソラミト|s.json への変更を保存しますか？";
    EXPECT_EQ(answer_box([] { SendMessageW(main_window(), WM_CLOSE, 0, 0); }, IDCANCEL), question);
    EXPECT_EQ(std::make_tuple(IsWindow(main_window()), window_state().session.lanes[0].position),
              std::make_tuple(TRUE, 22));
    // いいえ: the next start has the file as last saved, not the change dropped.
    EXPECT_EQ(answer_box([] { EXPECT_EQ(close_program(), 0); }, IDNO), question);
    open_program();
    EXPECT_EQ(std::make_tuple(window_state().session.lanes[0].position, window_text(main_window())),
              std::make_tuple(21, kTitle));
    // はい saves the file, and the last session is what was saved.
    ASSERT_TRUE(program().files().open_file(path.wstring()));
    command(IDC_LANE0_FORWARD);
    EXPECT_EQ(answer_box([] { EXPECT_EQ(close_program(), 0); }, IDYES), question);
    EXPECT_EQ(std::make_pair(at_position(read_file(path), 22),
                             read_file(folder.lastSession) == read_file(path)),
              std::make_pair(true, true));
    // Restored with no file open, it is work that 新規 asks about: はい asks for a name, and
    // cancelling that cancels 新規; いいえ drops it.
    open_program();
    std::wstring asked;
    with_boxes([] { command(IDM_FILE_NEW); },
               [&](HWND shown) {
                   const bool question = GetDlgItem(shown, IDYES) != nullptr;
                   asked += question ? window_text(GetDlgItem(shown, 0xFFFF)) : L"|名前";
                   const int answer = question ? IDYES : IDCANCEL;
                   PostMessageW(shown, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
               });
    EXPECT_EQ(std::make_tuple(asked, window_state().session.lanes[0].position,
                              window_text(main_window())),
              std::make_tuple(L"無題 への変更を保存しますか？|名前", 22, kTitle));
    EXPECT_EQ(answer_box([] { command(IDM_FILE_NEW); }, IDNO),
              L"ソラミト|無題 への変更を保存しますか？");
    EXPECT_EQ(window_state().session.lanes[0].position, 1);
    // A refused file is told, named, above why.
    const std::filesystem::path bad = folder.path / "bad.json";
    write_file(bad, R"({"lanes": [{"position": 0}]})");
    EXPECT_EQ(answer_box([&] { program().files().open_file(bad.wstring()); }, IDOK)
                  .rfind(L"ソラミト|開けません：" + bad.wstring() + L"\n", 0),
              0u);
    // A last session that cannot be read replaces the one kept aside before: the folder, the
    // name it is kept under on a line of its own, and why.
    EXPECT_EQ(close_program(), 0);
    write_file(folder.lastSession, "{bad");
    const std::filesystem::path aside = folder.appData / "Soramito" / "last-session.bad.json";
    write_file(aside, "older");
    EXPECT_EQ(answer_box([] { open_program(); }, IDOK),
              L"ソラミト|前回のセッションを読めないため、新しく始めます。読めなかったファイルは "
              L"%APPDATA%\\Soramito "
              L"に次の名前で残しました。\nlast-session.bad.json\nJSON として読めません（1 行目の 2 "
              L"文字目で、書き方が正しくありません）");
    EXPECT_EQ(std::make_tuple(read_file(aside), std::filesystem::exists(folder.lastSession),
                              ally_is_set(window_state().session), grayed(IDM_LEVEL_UP)),
              std::make_tuple("{bad", false, false, true));
}

TEST(RunMarker, ARunThatDidNotEndCleanlyAsksBeforeItsSessionComesBack) {
    const std::string own = std::to_string(GetCurrentProcessId());
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const std::string born =
        std::to_string((std::uint64_t{created.dwHighDateTime} << 32) | created.dwLowDateTime);
    const std::wstring question =
        L"ソラミト|前回は正しく終了しませんでした。前回の状態を開きますか？";
    // the marker, the answer, the box, lane 0 then, the session set aside, the marker left after
    const std::vector<std::tuple<std::string, int, std::wstring, int, bool, bool>> cases = {
        {"4294967292 1\r\n", IDNO, question, 1, true, false},            // no such process
        {own + " 1\r\n", IDYES, question, 21, false, false},             // an id used again
        {"garbled", IDNO, question, 1, true, false},                     // a marker cut short
        {own + " " + born + "\r\n", IDNO, L"(none)", 21, false, true}};  // a copy running
    for (const auto& [marker, answer, box, position, setAside, markerLeft] : cases) {
        WorkingFolder folder(kUnitFile, kGrowthFile.c_str());
        const std::filesystem::path running = folder.appData / "Soramito" / "running";
        const std::string session = R"({"lanes": [{"position": 21}]})";
        write_file(running, marker);
        write_file(folder.lastSession, session);
        EXPECT_EQ(answer_box([] { open_program(); }, answer), box) << marker;
        const std::filesystem::path aside = folder.appData / "Soramito" / "last-session.bad.json";
        EXPECT_EQ(
            std::make_tuple(window_state().session.lanes[0].position, read_file(aside) == session),
            std::make_tuple(position, setAside))
            << marker;
        // This run's marker, or the running copy's left as it was.
        EXPECT_EQ(read_file(running), own + " " + born + "\r\n") << marker;
        EXPECT_EQ(close_program(), 0);
        EXPECT_EQ(std::filesystem::exists(running), markerLeft) << marker;
    }
}

}  // namespace
