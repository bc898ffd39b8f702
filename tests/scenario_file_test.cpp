#include <nlohmann/json.hpp>

#include "state/kept_positions.h"
#include "state/scenario_file.h"
#include "text/scenario_codec.h"
#include "text/text_encoding.h"
#include "worked_units.h"

namespace {

using nlohmann::json;

Session read_text(const std::string& text) {
    return read_scenario(text, kScenarioCodec).session;
}

TEST(ScenarioFile, WritesTheStartUpDefaultsAndReadsBackWhatItWrote) {
    EXPECT_TRUE(json::parse(write_scenario(default_session(), kScenarioCodec)) ==
                json::parse(R"({"ally": {"name": "",
        "followUpCritFactor": 0, "skills": [0,0,0,0,0,0,0,1,0,0,0,0,0,0,0,0], "level": 10,
        "technique": 10, "luck": 10, "hitRate": 90, "critRate": 10, "attackSpeed": 10,
        "attack": 20, "defense": 10, "hp": 40, "maxHp": 60}, "enemy": {"name": "",
        "followUpCritFactor": 0, "skills": [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0], "level": 10,
        "technique": 5, "luck": 5, "hitRate": 40, "critRate": 2, "attackSpeed": 5, "attack": 20,
        "defense": 10, "hp": 40, "maxHp": 60}, "eventSwitches": [0, 0, 0, 0], "predictSwitch": 0,
        "growthRates": [0, 0, 0, 0, 0, 0, 0, 0, 0, 0], "allyCondition": {"type": 0, "n": 0,
        "unspecified": 1}, "enemyCondition": {"type": 0, "n": 0, "unspecified": 1},
        "levelUpWanted": [1, 1, 1, 1, 1, 1, 1, 1, 1], "booksHeld": [0,0,0,0,0,0,0,0,0,0,0,0],
        "lanes": [{"seedIndex": 0, "position": 1}, {"seedIndex": 0, "position": 1}],
        "marks": ""})"));
    EXPECT_EQ(read_text("{}"), default_session());
    // The record: the ends of every member, and an entry without its optional members.
    Session s = read_text(R"({"history": [{"seedIndex": 63, "position": 4973, "count": 256,
        "allyHp": [-999, 9999], "enemyHp": [40, 0], "grown": [1, 0, 0, 1, 0, 0, 0, 1, 1],
        "reMove": 0}, {"seedIndex": 0, "position": 1, "count": 0}]})");
    EXPECT_EQ(std::make_tuple(s.history.count, history_line(s.history.entries[0]),
                              history_line(s.history.entries[1])),
              std::make_tuple(2,
                              std::string("#63 4973→5229（256個） 戦闘・レベルアップ・再行動 "
                                          "味方-999→9999 敵40→0 成長HP 技 運 移 再行動×"),
                              std::string("#00 1→1（0個）")));
    Action& a = s.action;
    std::tie(a.ally, a.enemy) = std::pair(worked_attacker(), worked_defender());
    s.lanes = {LaneCursor{5, 100}, LaneCursor{63, 4973}};
    std::tie(a.eventSwitches, a.predictSwitch) = std::pair(EventSwitches{1, 1, 0, 1}, 1);
    a.allyCondition = {kResultPercentAtMost, -7, 0};
    a.enemyCondition = {9, 2, 1};
    a.levelUpWanted = {0, 1, 2, 0, 1, 2, 0, 1, 2};
    a.booksHeld = {1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1};
    a.growthRates = {-999, 9999, 0, 1, 2, 3, 4, 5, 6, 7};
    a.enemy.skills[kSkillPrayer] = -3;
    s.marks = "○×\x81";  // the box's text cut inside a character
    s.plan.stepCount = 2;
    s.plan.steps[0] = s.plan.steps[1] = a;
    s.plan.steps[1].eventSwitches = {0, 0, 1, 0};
    std::strncpy(s.plan.steps[1].enemy.name, "山賊", kUnitNameCapacity);  // zeroed after, as read
    s.plan.steps[1].enemy.hp = 34;
    s.kept = {{63, 4973}, {0, 1}, {63, 4973}};  // duplicates and order kept, written last
    const std::string written = write_scenario(s, kScenarioCodec);
    s.marks = "○×";
    EXPECT_EQ(read_text(written), s);
    EXPECT_TRUE(
        written.ends_with("\"kept\": [\n    [63, 4973],\n    [0, 1],\n    [63, 4973]\n  ]\n}\n"));
    // The file speaks UTF-8.
    EXPECT_NE(written.find("\"name\": \"" + shift_jis_to_utf8("アルト") + "\""), std::string::npos);
}

// UTF-16 of either byte order, after its mark.
std::string bytes_of(std::u16string_view utf16, bool big) {
    std::string bytes = big ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : utf16) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += big ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// "read", or the fault: kind, member, low..high, size, written, line:column, each part not empty.
std::string fault_line(const std::string& text) {
    static const char* const kKinds[] = {"json",  "object",  "unknown", "integer", "range",
                                         "array", "string",  "sjis",    "long",    "nul",
                                         "event", "missing", "utf"};
    try {
        read_text(text);
    } catch (const ScenarioError& error) {
        const ScenarioFault& f = error.fault;
        std::string line = kKinds[static_cast<int>(f.kind)];
        for (const std::string& part :
             {f.member,
              f.low != 0 || f.high != 0 ? std::to_string(f.low) + ".." + std::to_string(f.high)
                                        : "",
              f.size >= 0 ? "size " + std::to_string(f.size) : "", f.written,
              f.line != 0 ? std::to_string(f.line) + ":" + std::to_string(f.column) : ""}) {
            line += part.empty() ? "" : " " + part;
        }
        return line;
    }
    return "read";
}

TEST(ScenarioFile, ReadsTheEndsOfEveryRangeAndRefusesPastThemNamingTheMember) {
    const std::string entry = R"({"seedIndex": 0, "position": 1, "count": 11)";
    const auto h = [](const std::string& members) { return R"({"history": [{)" + members + "}]}"; };
    const auto e = [&](const std::string& more) { return h(entry.substr(1) + ", " + more); };
    const std::string zeros15 = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,";
    const std::string kana15 = repeated(15, R"(\u30a2)");  // 30 bytes in Shift-JIS
    const std::string kept = R"({"kept": [)" + repeated(kKeptCapacity, "[0, 1]", ", ");
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"({"ally": {"name": ")" + kana15 + R"(a", "level": -999, "hp": 9999,
            "skills": [-2147483648, 2147483647, 0,0,0,0,0,0,0,0,0,0,0,0,0,0]},
            "lanes": [{"seedIndex": 63, "position": 4973}], "levelUpWanted": [0,2,0,0,0,0,0,0,0],
            "eventSwitches": [0, 0, 0, 1],
            "growthRates": [9999, -999, 0, 0, 0, 0, 0, 0, 0, 0], "marks": ")" +
             std::string(499, 'o') + R"(", "steps": [)" + repeated(16, "{}", ",") + "]}", "read"},
        {"{bad", "json 1:2"}, {"{\"a\": 1,\n  }", "json 2:3"}, {"", "json 1:1"},
        {"{\"\xE3\x81\x82\": ", "json 1:6"},  // cut short: one of three bytes counts once
        {R"({"lanes": [{"position": 1e999}]})", "json"}, {"[1, 2]", "object [...]"},
        {R"({"enemy": []})", "object enemy [...]"}, {R"({"ally": {"lvl": 3}})", "unknown ally.lvl"},
        {R"({"allyCondition": {"kind": 1}})", "unknown allyCondition.kind"},
        {R"({"lanes": [{"position": 0}]})", "range lanes[0].position 1..4973 0"},
        {R"({"lanes": [{"position": 4974}]})", "range lanes[0].position 1..4973 4974"},
        {R"({"lanes": [{}, {"seedIndex": 64}]})", "range lanes[1].seedIndex 0..63 64"},
        {R"({"lanes": [{"seedIndex": 18446744073709551615}]})",
         "range lanes[0].seedIndex 0..63 18446744073709551615"},
        {R"({"ally": {"level": 10000}})", "range ally.level -999..9999 10000"},
        {R"({"enemy": {"maxHp": -1000}})", "range enemy.maxHp -999..9999 -1000"},
        {R"({"ally": {"followUpCritFactor": 10000}})",
         "range ally.followUpCritFactor -999..9999 10000"},
        {R"({"ally": {"skills": [)" + zeros15 + "4294967296]}}",
         "range ally.skills[15] -2147483648..2147483647 4294967296"},
        {R"({"levelUpWanted": [0,0,0,0,0,0,0,0,3]})", "range levelUpWanted[8] 0..2 3"},
        {R"({"growthRates": [0,0,0,0,0,0,0,0,0,10000]})", "range growthRates[9] -999..9999 10000"},
        {R"({"enemyCondition": {"n": -1000}})", "range enemyCondition.n -999..9999 -1000"},
        {R"({"predictSwitch": 1.5})", "integer predictSwitch -2147483648..2147483647 1.5"},
        {R"({"allyCondition": {"type": "2"}})",
         "integer allyCondition.type -2147483648..2147483647 \"2\""},
        {R"({"lanes": [{"position": "abcdefghijklmnopqrstuvwxyz"}]})",
         "integer lanes[0].position 1..4973 \"abcdefghijklmnopqrstuvw..."},
        {R"({"ally": {"skills": [1, 2]}})", "array ally.skills 16..16 size 2"},
        {R"({"eventSwitches": [0, 1, 0]})", "array eventSwitches 4..4 size 3"},
        {R"({"booksHeld": 1})", "array booksHeld 12..12 1"}, {R"({"lanes": {}})", "array lanes 0..2 {...}"},
        {R"({"lanes": [{}, {}, {}]})", "array lanes 0..2 size 3"}, {R"({"steps": []})", "array steps 1..16 size 0"},
        {R"({"steps": [)" + repeated(17, "{}", ",") + "]}", "array steps 1..16 size 17"},
        {R"({"ally": {"name": null}})", "string ally.name null"}, {R"({"marks": 7})", "string marks 7"},
        {R"({"enemy": {"name": "\ud83d\ude00"}})", "sjis enemy.name"}, {R"({"marks": "o\ud83d\ude00"})", "sjis marks"},
        {R"({"ally": {"name": ")" + kana15 + R"(\u30a2"}})", "long ally.name 0..31 size 32"},
        {R"({"marks": ")" + std::string(500, 'o') + "\"}", "long marks 0..499 size 500"},
        {R"({"ally": {"name": "a\u0000b"}})", "nul ally.name"},
        // Each step is read over the one before it, and the first over the top level.
        {R"({"lanes": [{"seedIndex": 3}], "eventSwitches": [0, 1, 0, 0],
            "steps": [{}, {"eventSwitches": [1, 0, 0, 0]}]})", "event steps[1].eventSwitches"},
        {R"({"steps": [{"eventSwitches": [0, 0, 1, 0]}, 3]})", "object steps[1] 3"},
        {R"({"eventSwitches": [0, 1, 0, 0], "steps": [{"lanes": []}]})", "unknown steps[0].lanes"},
        {R"({"eventSwitches": [0, 1, 0, 0], "steps": [{}, {"ally": {"level": 10000}}]})",
         "range steps[1].ally.level -999..9999 10000"},
        {R"({"history": {}})", "array history 0..1000 {...}"}, {R"({"history": [7]})", "object history[0] 7"},
        {R"({"history": [)" + repeated(1001, entry + "}", ",") + "]}", "array history 0..1000 size 1001"},
        {h(R"("seedIndex": 0, "count": 1)"), "missing history[0].position"},
        {h(R"("position": 1, "count": 1)"), "missing history[0].seedIndex"},
        {h(R"("seedIndex": 0, "position": 1)"), "missing history[0].count"},
        {h(R"("seedIndex": 64, "position": 1, "count": 1)"), "range history[0].seedIndex 0..63 64"},
        {h(R"("seedIndex": 0, "position": 0, "count": 1)"), "range history[0].position 1..4973 0"},
        {h(R"("seedIndex": 0, "position": 4974, "count": 1)"), "range history[0].position 1..4973 4974"},
        {h(R"("seedIndex": 0, "position": 1, "count": 257)"), "range history[0].count 0..256 257"},
        {h(R"("seedIndex": 0, "position": 1, "count": -1)"), "range history[0].count 0..256 -1"},
        {e(R"("allyHp": [-1000, 0])"), "range history[0].allyHp[0] -999..9999 -1000"},
        {e(R"("enemyHp": [40, 10000])"), "range history[0].enemyHp[1] -999..9999 10000"},
        {e(R"("grown": [0, 0, 2, 0, 0, 0, 0, 0, 0])"), "range history[0].grown[2] 0..1 2"},
        {e(R"("reMove": 2)"), "range history[0].reMove 0..1 2"},
        {e(R"("hp": 3)"), "unknown history[0].hp"},
        {kept + "]}", "read"}, {kept + ", [0, 1]]}", "array kept 0..65536 size 65537"},
        {R"({"kept": {}})", "array kept 0..65536 {...}"},
        {R"({"kept": [[0, 0]]})", "range kept[0][1] 1..4973 0"},
        {R"({"kept": [[0, 1], [0]]})", "array kept[1] 2..2 size 1"},
        {R"({"kept": [[0, 1, 2]]})", "array kept[0] 2..2 size 3"},
        {R"({"kept": [[64, 1]]})", "range kept[0][0] 0..63 64"},
        {R"({"kept": [[-1, 1]]})", "range kept[0][0] 0..63 -1"},
        {R"({"kept": [[0, 4974]]})", "range kept[0][1] 1..4973 4974"},
        {R"({"kept": [[0, 18446744073709551615]]})", "range kept[0][1] 1..4973 18446744073709551615"},
        {R"({"kept": [[0, "1"]]})", "integer kept[0][1] 1..4973 \"1\""},
        // A character past U+FFFF (a surrogate pair) decodes, and has no Shift-JIS form;
        // Shift-JIS, UTF-16 without its mark or with a lone surrogate, an odd byte: no text.
        {bytes_of(uR"({"marks": "😀"})", false), "sjis marks"}, {R"({"marks": "○×"})", "utf"},
        {std::string("{\0}\0", 4), "utf"}, {bytes_of(u"{\xD800}", false), "utf"},
        {bytes_of(u"{}", true) + std::string(1, '\0'), "utf"}};
    // clang-format on
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(fault_line(text), expected) << text.substr(0, 200);
    }
}

// A scenario saved by an editor or a shell in another encoding: UTF-8 after a byte-order mark,
// or UTF-16 of either byte order after one, reads as its UTF-8 twin. (The sources' plain
// literals are Shift-JIS, as the engine's texts are; UTF-8 is written out in bytes.)
TEST(TextEncoding, ScenariosReadUtf16AndAByteOrderMarkAndShiftJisConvertsToUtf8BothWays) {
    const std::string utf8 =
        reinterpret_cast<const char*>(u8R"({"ally": {"name": "アルト"}, "marks": "○×"})");
    const std::u16string utf16 = uR"({"ally": {"name": "アルト"}, "marks": "○×"})";
    const Session twin = read_text(utf8);
    for (const std::string& text :
         {"\xEF\xBB\xBF" + utf8, bytes_of(utf16, false), bytes_of(utf16, true)}) {
        EXPECT_EQ(read_text(text), twin);
    }
    // Shift-JIS, its UTF-8: a byte that begins no character is U+FFFD, and the next one is read.
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""}, {"a三", "a\xE4\xB8\x89"}, {"a\xFF" "b\x81", "a\xEF\xBF\xBD" "b\xEF\xBF\xBD"}};
    // clang-format on
    for (const auto& [shiftJis, utf8] : cases) {
        EXPECT_EQ(shift_jis_to_utf8(shiftJis), utf8);
        std::string back;
        EXPECT_EQ(utf8_to_shift_jis(utf8, back), utf8.find("\xEF\xBF\xBD") == std::string::npos);
        EXPECT_EQ(back, utf8.find("\xEF\xBF\xBD") == std::string::npos ? shiftJis : "a") << utf8;
    }
}

}  // namespace
