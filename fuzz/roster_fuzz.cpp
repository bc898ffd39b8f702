// The roster's reader, on JSON of any shape and size: either it refuses the text with its one
// kind of error, or every ally it keeps has a name the status dialog can hold and figures and
// skills within the ranges it promises, and what the writer makes of them reads back alike.
#include <cstdint>
#include <string>

#include "data/names.h"
#include "fuzz_check.h"
#include "text/scenario_codec.h"
#include "view/roster.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Roster roster;
    try {
        roster = read_roster(text, kScenarioCodec);
    } catch (const ScenarioError&) {
        return 0;
    }
    for (const auto& [name, ally] : roster) {
        FUZZ_CHECK(name.size() < kUnitNameCapacity && name.find('\0') == std::string::npos);
        for (const UnitFigure& figure : kUnitFigures) {
            FUZZ_CHECK(ally.*figure.field >= -999 && ally.*figure.field <= 9999);
        }
        for (const std::int32_t skill : ally.skills) {
            FUZZ_CHECK(skill == 0 || skill == 1);
        }
    }
    FUZZ_CHECK(read_roster(write_roster(roster, kScenarioCodec), kScenarioCodec) == roster);
    return 0;
}
