#include "state/scenario_file.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <map>
#include <memory>

#include <nlohmann/json.hpp>

#include "data/names.h"
#include "data/text_reader.h"
#include "random/marks.h"
#include "state/figure_limits.h"
#include "state/json_integer.h"
#include "state/kept_positions.h"

namespace {

using nlohmann::json;
using nlohmann::ordered_json;

constexpr std::int64_t kFigureLow = kLowestFigure;
constexpr std::int64_t kFigureHigh = kHighestFigure;
constexpr std::int64_t kInt32Low = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32High = std::numeric_limits<std::int32_t>::max();
// What a message shows of a value found where another was wanted.
constexpr std::size_t kWrittenCharacters = 24;

[[noreturn]] void refuse(ScenarioFault fault, const std::string& message) {
    throw ScenarioError(std::move(fault), message);
}

// A value as the file holds it, in a few characters: a scalar's JSON text, cut on a character
// boundary, or the brackets of an array or object.
std::string written(const json& value) {
    if (value.is_array()) {
        return "[...]";
    }
    if (value.is_object()) {
        return "{...}";
    }
    const std::string text = value.dump(-1, ' ', false, json::error_handler_t::replace);
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool starts = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
        if (starts && ++characters > kWrittenCharacters) {
            return text.substr(0, at) + "...";
        }
    }
    return text;
}

std::int32_t integer(const json& value, std::int64_t low, std::int64_t high,
                     const std::string& field) {
    if (!value.is_number_integer()) {
        refuse({.kind = ScenarioFaultKind::kNotAnInteger,
                .member = field,
                .low = low,
                .high = high,
                .written = written(value)},
               "scenario field " + field + " must be an integer");
    }
    if (!integer_within(value, low, high)) {
        refuse({.kind = ScenarioFaultKind::kOutOfRange,
                .member = field,
                .low = low,
                .high = high,
                .written = written(value)},
               "scenario field " + field + " must be " + std::to_string(low) + " to " +
                   std::to_string(high));
    }
    return static_cast<std::int32_t>(value.get<std::int64_t>());
}

std::int32_t figure(const json& value, const std::string& field) {
    return integer(value, kFigureLow, kFigureHigh, field);
}

std::int32_t any_int32(const json& value, const std::string& field) {
    return integer(value, kInt32Low, kInt32High, field);
}

// An array of low to high elements was wanted.
ScenarioFault array_fault(const json& value, const std::string& field, std::int64_t low,
                          std::int64_t high) {
    ScenarioFault fault{
        .kind = ScenarioFaultKind::kWrongArrayLength, .member = field, .low = low, .high = high};
    if (value.is_array()) {
        fault.size = static_cast<std::int64_t>(value.size());
    } else {
        fault.written = written(value);
    }
    return fault;
}

template <std::size_t N>
void integers(const json& value, std::array<std::int32_t, N>& out, const std::string& field,
              std::int64_t low, std::int64_t high) {
    if (!value.is_array() || value.size() != N) {
        refuse(
            array_fault(value, field, N, N),
            "scenario field " + field + " must be an array of " + std::to_string(N) + " integers");
    }
    for (std::size_t i = 0; i < N; ++i) {
        out[i] = integer(value[i], low, high, field + "[" + std::to_string(i) + "]");
    }
}

using Handlers = std::map<std::string, std::function<void(const json&)>>;

std::string field_path(const std::string& where, const std::string& name) {
    return where.empty() ? name : where + "." + name;
}

// Calls the handler of each member; a member without a handler is an error.
void members(const json& object, const std::string& where, const Handlers& handlers) {
    if (!object.is_object()) {
        refuse(
            {.kind = ScenarioFaultKind::kNotAnObject, .member = where, .written = written(object)},
            "scenario field " + where + " must be an object");
    }
    for (const auto& [key, value] : object.items()) {
        const auto handler = handlers.find(key);
        if (handler == handlers.end()) {
            refuse({.kind = ScenarioFaultKind::kUnknownMember, .member = field_path(where, key)},
                   "unknown scenario field " + field_path(where, key));
        }
        handler->second(value);
    }
}

void read_unit(const json& object, const std::string& where, const TextCodec& codec,
               CombatantState& unit) {
    Handlers handlers = {
        {"name",
         [&](const json& v) {
             const std::string member = where + ".name";
             if (!v.is_string()) {
                 refuse({.kind = ScenarioFaultKind::kNotAString,
                         .member = member,
                         .written = written(v)},
                        "scenario field " + member + " must be a string");
             }
             std::string name;
             if (!codec.toShiftJis(v.get<std::string>(), name)) {
                 refuse({.kind = ScenarioFaultKind::kNoShiftJisForm, .member = member},
                        member + " has no Shift-JIS form");
             }
             const std::int64_t most = sizeof unit.name - 1;
             const std::string tooLong =
                 "scenario field " + member + " is longer than 31 bytes in Shift-JIS";
             if (static_cast<std::int64_t>(name.size()) > most) {
                 refuse({.kind = ScenarioFaultKind::kTooLong,
                         .member = member,
                         .high = most,
                         .size = static_cast<std::int64_t>(name.size())},
                        tooLong);
             }
             if (name.find('\0') != std::string::npos) {
                 refuse({.kind = ScenarioFaultKind::kNulInName, .member = member}, tooLong);
             }
             std::memset(unit.name, 0, sizeof unit.name);
             std::memcpy(unit.name, name.data(), name.size());
         }},
        {"skills",
         [&](const json& v) {
             integers(v, unit.skills, where + ".skills", kInt32Low, kInt32High);
         }},
        {"followUpCritFactor", [&](const json& v) {
             unit.followUpCritFactor = figure(v, where + ".followUpCritFactor");
         }}};
    for (const UnitFigure& f : kUnitFigures) {
        handlers[f.key] = [&unit, &f, &where](const json& v) {
            unit.*f.field = figure(v, where + "." + f.key);
        };
    }
    members(object, where, handlers);
}

void read_lanes(const json& value, std::array<LaneCursor, kLaneCount>& lanes) {
    if (!value.is_array() || value.size() > kLaneCount) {
        refuse(array_fault(value, "lanes", 0, kLaneCount),
               "scenario field lanes must be an array of at most 2 lanes");
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string where = "lanes[" + std::to_string(i) + "]";
        LaneCursor& lane = lanes[i];
        members(value[i], where,
                {{"seedIndex",
                  [&](const json& v) {
                      lane.seedIndex = integer(v, 0, kSeedCount - 1, where + ".seedIndex");
                  }},
                 {"position", [&](const json& v) {
                      lane.position =
                          integer(v, kFirstLanePosition, kLastLanePosition, where + ".position");
                  }}});
    }
}

void read_condition(const json& value, const std::string& where, BattleResultCondition& condition) {
    members(value, where,
            {{"type", [&](const json& v) { condition.type = any_int32(v, where + ".type"); }},
             {"n", [&](const json& v) { condition.n = figure(v, where + ".n"); }},
             {"unspecified", [&](const json& v) {
                  condition.unspecified = any_int32(v, where + ".unspecified") == 1 ? 1 : 0;
              }}});
}

// The members that describe one action, at the top level (where is empty) or in a step.
Handlers step_handlers(Action& step, const std::string& where, const TextCodec& codec) {
    const auto at = [where](const char* name) { return field_path(where, name); };
    return {
        {"ally",
         [&step, at, &codec](const json& v) { read_unit(v, at("ally"), codec, step.ally); }},
        {"enemy",
         [&step, at, &codec](const json& v) { read_unit(v, at("enemy"), codec, step.enemy); }},
        {"eventSwitches",
         [&step, at](const json& v) {
             integers(v, step.eventSwitches, at("eventSwitches"), kInt32Low, kInt32High);
         }},
        {"predictSwitch",
         [&step, at](const json& v) { step.predictSwitch = any_int32(v, at("predictSwitch")); }},
        {"growthRates",
         [&step, at](const json& v) {
             integers(v, step.growthRates, at("growthRates"), kFigureLow, kFigureHigh);
         }},
        {"allyCondition",
         [&step, at](const json& v) {
             read_condition(v, at("allyCondition"), step.allyCondition);
         }},
        {"enemyCondition",
         [&step, at](const json& v) {
             read_condition(v, at("enemyCondition"), step.enemyCondition);
         }},
        {"levelUpWanted",
         [&step, at](const json& v) {
             integers(v, step.levelUpWanted, at("levelUpWanted"), 0, 2);
         }},
        {"booksHeld", [&step, at](const json& v) {
             integers(v, step.booksHeld, at("booksHeld"), kInt32Low, kInt32High);
         }}};
}

// Each step starts as the one before it (the first as the top level) and changes what it
// names; inside a unit or a condition, too, only the fields named change.
void read_steps(const json& value, Action step, const TextCodec& codec, TurnPlan& plan) {
    if (!value.is_array() || value.empty() || value.size() > kMaxPlanSteps) {
        refuse(array_fault(value, "steps", 1, kMaxPlanSteps),
               "scenario field steps must be an array of 1 to " + std::to_string(kMaxPlanSteps) +
                   " steps");
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string where = "steps[" + std::to_string(i) + "]";
        members(value[i], where, step_handlers(step, where, codec));
        if (!action_acts(step)) {
            const std::string member = where + ".eventSwitches";
            refuse({.kind = ScenarioFaultKind::kNoEvent, .member = member},
                   "scenario field " + member +
                       " must switch on the battle, the level-up or the re-move");
        }
        plan.steps[i] = step;
    }
    plan.stepCount = static_cast<std::int32_t>(value.size());
}

// A pattern, member or option, at most the 499 bytes the pattern box is read with.
void check_mark_bytes(std::size_t bytes, const std::string& member, const std::string& what) {
    const std::int64_t most = kMarkTextCapacity - 1;
    if (bytes > static_cast<std::size_t>(most)) {
        refuse({.kind = ScenarioFaultKind::kTooLong,
                .member = member,
                .high = most,
                .size = static_cast<std::int64_t>(bytes)},
               what + " is " + std::to_string(bytes) +
                   " bytes in Shift-JIS, longer than the 499 bytes that are read");
    }
}

// The pattern box's text, at most the 499 bytes the box is read with; as the box is read, it ends
// at a NUL.
std::string read_marks(const json& value, const TextCodec& codec) {
    if (!value.is_string()) {
        refuse(
            {.kind = ScenarioFaultKind::kNotAString, .member = "marks", .written = written(value)},
            "scenario field marks must be a string");
    }
    std::string marks;
    if (!codec.toShiftJis(value.get<std::string>(), marks)) {
        refuse({.kind = ScenarioFaultKind::kNoShiftJisForm, .member = "marks"},
               "scenario field marks has no Shift-JIS form");
    }
    check_mark_bytes(marks.size(), "marks", "scenario field marks");
    return marks.substr(0, marks.find('\0'));
}

// One 実行 of the record: where lane 0 stood and the count are always there, the rest where it
// applied.
HistoryEntry read_history_entry(const json& value, const std::string& where) {
    HistoryEntry entry{};
    std::array<std::int32_t, kStatCount> grown{};
    const auto at = [&where](const char* name) { return where + "." + name; };
    members(
        value, where,
        {{"seedIndex",
          [&](const json& v) { entry.seedIndex = integer(v, 0, kSeedCount - 1, at("seedIndex")); }},
         {"position",
          [&](const json& v) {
              entry.position = integer(v, kFirstLanePosition, kLastLanePosition, at("position"));
          }},
         {"count", [&](const json& v) { entry.count = integer(v, 0, kLogCapacity, at("count")); }},
         {"allyHp",
          [&](const json& v) {
              integers(v, entry.allyHp, at("allyHp"), kFigureLow, kFigureHigh);
              entry.hasAllyHp = true;
          }},
         {"enemyHp",
          [&](const json& v) {
              integers(v, entry.enemyHp, at("enemyHp"), kFigureLow, kFigureHigh);
              entry.hasEnemyHp = true;
          }},
         {"grown",
          [&](const json& v) {
              integers(v, grown, at("grown"), 0, 1);
              entry.hasGrown = true;
          }},
         {"reMove", [&](const json& v) {
              entry.reMove = integer(v, 0, 1, at("reMove")) == 1;
              entry.hasReMove = true;
          }}});
    for (const char* name : {"seedIndex", "position", "count"}) {
        if (!value.contains(name)) {
            refuse({.kind = ScenarioFaultKind::kMissingMember, .member = at(name)},
                   "scenario field " + at(name) + " is missing");
        }
    }
    for (int k = 0; k < kStatCount; ++k) {
        entry.grown |= static_cast<std::uint32_t>(grown[k]) << k;
    }
    return entry;
}

void read_history(const json& value, History& history) {
    if (!value.is_array() || value.size() > kHistoryCapacity) {
        refuse(array_fault(value, "history", 0, kHistoryCapacity),
               "scenario field history must be an array of at most " +
                   std::to_string(kHistoryCapacity) + " entries");
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        history.entries[i] = read_history_entry(value[i], "history[" + std::to_string(i) + "]");
    }
    history.count = static_cast<std::int32_t>(value.size());
}

// One place of the kept list, [seedIndex, position]. A list may hold 65,536 of them: a place in
// range is taken without the names a refusal needs.
LaneCursor read_kept_place(const json& value, std::size_t i) {
    if (value.is_array() && value.size() == 2 && value[0].is_number_integer() &&
        value[1].is_number_integer()) {
        const std::int64_t seed = value[0].get<std::int64_t>();
        const std::int64_t position = value[1].get<std::int64_t>();
        if (seed >= 0 && seed < kSeedCount && position >= kFirstLanePosition &&
            position <= kLastLanePosition) {
            return {static_cast<std::int32_t>(seed), static_cast<std::int32_t>(position)};
        }
    }
    const std::string where = "kept[" + std::to_string(i) + "]";
    if (!value.is_array() || value.size() != 2) {
        refuse(array_fault(value, where, 2, 2),
               "scenario field " + where + " must be a pair [seedIndex, position]");
    }
    return {integer(value[0], 0, kSeedCount - 1, where + "[0]"),
            integer(value[1], kFirstLanePosition, kLastLanePosition, where + "[1]")};
}

void read_kept(const json& value, std::vector<LaneCursor>& kept) {
    if (!value.is_array() || value.size() > kKeptCapacity) {
        refuse(array_fault(value, "kept", 0, kKeptCapacity),
               "scenario field kept must be an array of at most " + std::to_string(kKeptCapacity) +
                   " pairs [seedIndex, position]");
    }
    kept.clear();
    kept.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        kept.push_back(read_kept_place(value[i], i));
    }
}

// The kept list as the last member, a place a line: a list of 65,536 places stays readable and
// is written in a moment, where a JSON value for each place would not be.
std::string with_kept(std::string scenario, const std::vector<LaneCursor>& kept) {
    if (kept.empty()) {
        return scenario;
    }
    scenario.erase(scenario.rfind('}'));
    while (!scenario.empty() && scenario.back() == '\n') {
        scenario.pop_back();
    }
    scenario += ",\n  \"kept\": [";
    for (std::size_t i = 0; i < kept.size(); ++i) {
        scenario += i == 0 ? "\n    [" : ",\n    [";
        scenario += std::to_string(kept[i].seedIndex);
        scenario += ", ";
        scenario += std::to_string(kept[i].position);
        scenario += "]";
    }
    return scenario + "\n  ]\n}";
}

ordered_json history_entry_json(const HistoryEntry& entry) {
    ordered_json object = {
        {"seedIndex", entry.seedIndex}, {"position", entry.position}, {"count", entry.count}};
    if (entry.hasAllyHp) {
        object["allyHp"] = entry.allyHp;
    }
    if (entry.hasEnemyHp) {
        object["enemyHp"] = entry.enemyHp;
    }
    if (entry.hasGrown) {
        std::array<int, kStatCount> grown;
        for (int k = 0; k < kStatCount; ++k) {
            grown[k] = (entry.grown >> k) & 1u;
        }
        object["grown"] = grown;
    }
    if (entry.hasReMove) {
        object["reMove"] = entry.reMove ? 1 : 0;
    }
    return object;
}

ordered_json unit_json(const CombatantState& unit, const TextCodec& codec) {
    ordered_json object = {
        {"name", codec.toUtf8({unit.name, strnlen(unit.name, sizeof unit.name)})},
        {"followUpCritFactor", unit.followUpCritFactor},
        {"skills", unit.skills}};
    for (const UnitFigure& f : kUnitFigures) {
        object[f.key] = unit.*f.field;
    }
    return object;
}

ordered_json condition_json(const BattleResultCondition& condition) {
    return {{"type", condition.type}, {"n", condition.n}, {"unspecified", condition.unspecified}};
}

ordered_json action_json(const Action& action, const TextCodec& codec) {
    return {{"ally", unit_json(action.ally, codec)},
            {"enemy", unit_json(action.enemy, codec)},
            {"eventSwitches", action.eventSwitches},
            {"predictSwitch", action.predictSwitch},
            {"growthRates", action.growthRates},
            {"allyCondition", condition_json(action.allyCondition)},
            {"enemyCondition", condition_json(action.enemyCondition)},
            {"levelUpWanted", action.levelUpWanted},
            {"booksHeld", action.booksHeld}};
}

}  // namespace

ScenarioFault where_reading_stopped(const std::string& text, std::size_t byte) {
    ScenarioFault fault{.kind = ScenarioFaultKind::kBadJson, .line = 1};
    const std::size_t read = std::min(byte, text.size());
    for (std::size_t at = 0; at < read; ++at) {
        if (text[at] == '\n') {
            ++fault.line;
            fault.column = 0;
        } else if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
            ++fault.column;
        }
    }
    fault.column = std::max(fault.column, 1);
    return fault;
}

void check_mark_text_length(std::size_t bytes, const std::string& what) {
    check_mark_bytes(bytes, what, what);
}

namespace {

void append_utf8(std::string& utf8, std::uint32_t code) {
    if (code < 0x80) {
        utf8 += static_cast<char>(code);
    } else if (code < 0x800) {
        utf8 += static_cast<char>(0xC0 | (code >> 6));
        utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (code >> 12));
        utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (code >> 18));
        utf8 += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// UTF-16 after its byte-order mark as UTF-8; false on an odd byte or a lone surrogate.
bool utf8_from_utf16_bytes(std::string_view bytes, bool bigEndian, std::string& utf8) {
    if (bytes.size() % 2 != 0) {
        return false;
    }
    const auto unit = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<std::uint32_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    for (std::size_t at = 0; at < bytes.size(); at += 2) {
        std::uint32_t code = unit(at);
        if (code >= 0xDC00 && code <= 0xDFFF) {
            return false;
        }
        if (code >= 0xD800 && code <= 0xDBFF) {
            if (at + 2 >= bytes.size() || unit(at + 2) < 0xDC00 || unit(at + 2) > 0xDFFF) {
                return false;
            }
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(at + 2) - 0xDC00);
            at += 2;
        }
        append_utf8(utf8, code);
    }
    return true;
}

// Well-formed UTF-8: no stray or missing continuation byte, no overlong form, no surrogate, nothing
// past U+10FFFF; and no NUL, which only a UTF-16 file read as bytes would hold.
bool is_utf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead == 0     ? 0
                                   : lead < 0x80 ? 1
                                   : lead < 0xC2 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF5 ? 4
                                                 : 0;
        if (length == 0 || at + length > text.size()) {
            return false;
        }
        std::uint32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[at + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = code << 6 | (next & 0x3F);
        }
        constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        at += length;
    }
    return true;
}

// The file's text as UTF-8: UTF-8 with or without a byte-order mark, or UTF-16 of either byte
// order after its mark, as an editor or a shell may have saved it. Anything else is refused.
std::string scenario_utf8(const std::string& bytes) {
    std::string utf8;
    const std::string_view text = bytes;
    const bool little = text.starts_with("\xFF\xFE");
    if ((little || text.starts_with("\xFE\xFF")) &&
        utf8_from_utf16_bytes(text.substr(2), !little, utf8)) {
        return utf8;
    }
    if (!little && !text.starts_with("\xFE\xFF") && is_utf8(text)) {
        return bytes;
    }
    refuse({ScenarioFaultKind::kNotUtf},
           "the scenario is neither UTF-8 nor UTF-16 with a byte-order mark");
}

}  // namespace

ScenarioRead read_scenario(const std::string& bytes, const TextCodec& codec) {
    const std::string text = scenario_utf8(bytes);
    json scenario;
    try {
        scenario = json::parse(text);
    } catch (const json::parse_error& error) {
        refuse(where_reading_stopped(text, error.byte),
               std::string("bad JSON in the scenario: ") + error.what());
    } catch (const json::exception& error) {
        // A number too large for a double is refused while parsing, too, with no place given.
        refuse({}, std::string("bad JSON in the scenario: ") + error.what());
    }
    // A thousand entries: too large for the stack of the window's thread to spare lightly.
    auto read = std::make_unique<ScenarioRead>();
    Session& session = read->session;
    session = default_session();
    const json* steps = nullptr;
    const json* marks = nullptr;
    Handlers handlers = step_handlers(session.action, "", codec);
    handlers["lanes"] = [&session](const json& v) { read_lanes(v, session.lanes); };
    handlers["history"] = [&session](const json& v) { read_history(v, session.history); };
    handlers["kept"] = [&session](const json& v) { read_kept(v, session.kept); };
    handlers["marks"] = [&marks](const json& v) { marks = &v; };
    handlers["steps"] = [&steps](const json& v) { steps = &v; };
    members(scenario, "", handlers);
    if (steps != nullptr) {
        read_steps(*steps, session.action, codec, session.plan);
    }
    if (marks != nullptr) {
        session.marks = read_marks(*marks, codec);
    }
    read->hasMarks = marks != nullptr;
    return std::move(*read);
}

std::string write_scenario(const Session& session, const TextCodec& codec) {
    ordered_json scenario = action_json(session.action, codec);
    scenario["lanes"] = ordered_json::array();
    for (const LaneCursor& lane : session.lanes) {
        scenario["lanes"].push_back({{"seedIndex", lane.seedIndex}, {"position", lane.position}});
    }
    const std::string& marks = session.marks;
    const std::size_t markLength = std::min(strnlen(marks.c_str(), marks.size()),
                                            static_cast<std::size_t>(kMarkTextCapacity - 1));
    scenario["marks"] = codec.toUtf8({marks.data(), whole_characters(marks.c_str(), markLength)});
    const int stepCount = std::clamp(session.plan.stepCount, 0, kMaxPlanSteps);
    for (int k = 0; k < stepCount; ++k) {
        scenario["steps"].push_back(action_json(session.plan.steps[k], codec));
    }
    const int historyCount = std::clamp(session.history.count, 0, kHistoryCapacity);
    for (int i = 0; i < historyCount; ++i) {
        scenario["history"].push_back(history_entry_json(session.history.entries[i]));
    }
    return with_kept(scenario.dump(2), session.kept) + "\n";
}
