#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "state/scenario_file.h"
#include "text/scenario_codec.h"
#include "worked_units.h"

namespace {

// The fault as one line: kind, member, low..high, size, written, line:column.
std::string fault_line(const std::string& text) {
    try {
        read_scenario(text, kScenarioCodec, started_state());
    } catch (const ScenarioError& error) {
        const ScenarioFault& f = error.fault;
        return std::to_string(static_cast<int>(f.kind)) + " " + f.member + " " +
               std::to_string(f.low) + ".." + std::to_string(f.high) + " " +
               std::to_string(f.size) + " " + f.written + " " + std::to_string(f.line) + ":" +
               std::to_string(f.column);
    }
    return "read";
}

TEST(ScenarioFault, SaysMemberKindBoundsAndValue) {
    using K = ScenarioFaultKind;
    const auto kind = [](K k) { return std::to_string(static_cast<int>(k)) + " "; };
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"{bad", kind(K::kBadJson) + " 0..0 -1  1:2"},
        {"{\"a\": 1,\n  }", kind(K::kBadJson) + " 0..0 -1  2:3"},
        // Cut short: the last character; one of three bytes counts once.
        {"{\"\xE3\x81\x82\": ", kind(K::kBadJson) + " 0..0 -1  1:6"},
        {R"({"lanes": [{"position": 1e999}]})", kind(K::kBadJson) + " 0..0 -1  0:0"},
        {"[1, 2]", kind(K::kNotAnObject) + " 0..0 -1 [...] 0:0"},
        {R"({"ally": {"lvl": 3}})", kind(K::kUnknownMember) + "ally.lvl 0..0 -1  0:0"},
        {R"({"lanes": [{"position": 0}]})",
         kind(K::kOutOfRange) + "lanes[0].position 1..4973 -1 0 0:0"},
        {R"({"lanes": [{}, {"seedIndex": 18446744073709551615}]})",
         kind(K::kOutOfRange) + "lanes[1].seedIndex 0..63 -1 18446744073709551615 0:0"},
        {R"({"predictSwitch": 1.5})",
         kind(K::kNotAnInteger) + "predictSwitch -2147483648..2147483647 -1 1.5 0:0"},
        {R"({"lanes": [{"position": "abcdefghijklmnopqrstuvwxyz"}]})",
         kind(K::kNotAnInteger) + "lanes[0].position 1..4973 -1 \"abcdefghijklmnopqrstuvw... 0:0"},
        {R"({"ally": {"skills": [1, 2]}})", kind(K::kWrongArrayLength) + "ally.skills 16..16 2  0:0"},
        {R"({"lanes": {}})", kind(K::kWrongArrayLength) + "lanes 0..2 -1 {...} 0:0"},
        {R"({"steps": []})", kind(K::kWrongArrayLength) + "steps 1..16 0  0:0"},
        {R"({"ally": {"name": null}})", kind(K::kNotAString) + "ally.name 0..0 -1 null 0:0"},
        {R"({"enemy": {"name": "\ud83d\ude00"}})", kind(K::kNoShiftJisForm) + "enemy.name 0..0 -1  0:0"},
        {R"({"ally": {"name": "abcdefghijklmnopqrstuvwxyz012345"}})",
         kind(K::kTooLong) + "ally.name 0..31 32  0:0"},
        {R"({"marks": ")" + std::string(500, 'o') + "\"}", kind(K::kTooLong) + "marks 0..499 500  0:0"},
        {R"({"ally": {"name": "a\u0000b"}})", kind(K::kNulInName) + "ally.name 0..0 -1  0:0"},
        {R"({"steps": [{"eventSwitches": [0, 1, 0, 0]}, {"eventSwitches": [1, 0, 0, 0]}]})",
         kind(K::kNoEvent) + "steps[1].eventSwitches 0..0 -1  0:0"},
        {R"({"history": [{"seedIndex": 0, "count": 1}]})",
         kind(K::kMissingMember) + "history[0].position 0..0 -1  0:0"},
        {R"({"history": {}})", kind(K::kWrongArrayLength) + "history 0..1000 -1 {...} 0:0"}};
    // clang-format on
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(fault_line(text), expected) << text;
    }
}

}  // namespace
