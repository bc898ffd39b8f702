#include "win32/roster_file.h"

#include <windows.h>

#include "text/scenario_codec.h"
#include "text/scenario_fault_words.h"
#include "win32/safe_file.h"
#include "win32/wide_text.h"

namespace {

constexpr wchar_t kRosterName[] = L"roster.json";
constexpr wchar_t kAsideName[] = L"roster.bad.json";

}  // namespace

Roster read_kept_roster(std::wstring& said) {
    const std::wstring path = kept_file_path(kRosterName);
    if (path.empty() || !file_exists(path)) {
        return {};
    }
    std::string bytes;
    std::wstring why;
    if (!read_file_bytes(path, bytes, why)) {
        why = L"ファイルを読み出せません。";
    } else {
        try {
            return read_roster(bytes, kScenarioCodec);
        } catch (const ScenarioError& error) {
            why = wide_string_from_shift_jis(scenario_fault_words(error.fault));
        }
    }
    std::wstring aside;
    said = set_kept_file_aside(kRosterName, kAsideName, aside)
               ? L"味方の名簿を読めないため、空の名簿で始めます。"
                 L"読めなかったファイルは %APPDATA%\\Soramito に次の名前で残しました。\n"
                 L"roster.bad.json\n" +
                     why
               : L"味方の名簿を読めないため、空の名簿で始めます。"
                 L"読めなかったファイルを roster.bad.json として残せませんでした。\n" +
                     aside + L"\n" + why;
    return {};
}

void write_kept_roster(const Roster& roster) {
    write_kept_file(kRosterName, write_roster(roster, kScenarioCodec));
}
