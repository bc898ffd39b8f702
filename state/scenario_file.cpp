#include "state/scenario_file.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <map>

#include <nlohmann/json.hpp>

#include "data/text_reader.h"

namespace {

using nlohmann::json;
using nlohmann::ordered_json;

constexpr std::int64_t kFigureLow = -999;
constexpr std::int64_t kFigureHigh = 9999;
constexpr std::int64_t kInt32Low = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32High = std::numeric_limits<std::int32_t>::max();

std::int32_t integer(const json& value, std::int64_t low, std::int64_t high,
                     const std::string& field) {
    if (!value.is_number_integer()) {
        throw ScenarioError("scenario field " + field + " must be an integer");
    }
    // Non-negative numbers arrive unsigned and may exceed the signed 64-bit range.
    const bool tooLarge = value.is_number_unsigned()
                              ? value.get<std::uint64_t>() > static_cast<std::uint64_t>(high)
                              : value.get<std::int64_t>() > high;
    if (tooLarge || value.get<std::int64_t>() < low) {
        throw ScenarioError("scenario field " + field + " must be " + std::to_string(low) + " to " +
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

template <std::size_t N>
void integers(const json& value, std::array<std::int32_t, N>& out, const std::string& field,
              std::int64_t low, std::int64_t high) {
    if (!value.is_array() || value.size() != N) {
        throw ScenarioError("scenario field " + field + " must be an array of " +
                            std::to_string(N) + " integers");
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
        throw ScenarioError("scenario field " + where + " must be an object");
    }
    for (const auto& [key, value] : object.items()) {
        const auto handler = handlers.find(key);
        if (handler == handlers.end()) {
            throw ScenarioError("unknown scenario field " + field_path(where, key));
        }
        handler->second(value);
    }
}

void read_unit(const json& object, const std::string& where, const TextCodec& codec,
               CombatantState& unit) {
    const auto field = [&](std::int32_t& member, const char* name) {
        return std::pair<std::string, std::function<void(const json&)>>{
            name,
            [&member, where, name](const json& v) { member = figure(v, where + "." + name); }};
    };
    members(object, where,
            {{"name",
              [&](const json& v) {
                  if (!v.is_string()) {
                      throw ScenarioError("scenario field " + where + ".name must be a string");
                  }
                  std::string name;
                  if (!codec.toShiftJis(v.get<std::string>(), name)) {
                      throw ScenarioError(where + ".name has no Shift-JIS form");
                  }
                  if (name.size() >= sizeof unit.name || name.find('\0') != std::string::npos) {
                      throw ScenarioError("scenario field " + where +
                                          ".name is longer than 31 bytes in Shift-JIS");
                  }
                  std::memset(unit.name, 0, sizeof unit.name);
                  std::memcpy(unit.name, name.data(), name.size());
              }},
             {"skills",
              [&](const json& v) {
                  integers(v, unit.skills, where + ".skills", kInt32Low, kInt32High);
              }},
             field(unit.followUpCritFactor, "followUpCritFactor"),
             field(unit.level, "level"),
             field(unit.technique, "technique"),
             field(unit.luck, "luck"),
             field(unit.hitRate, "hitRate"),
             field(unit.critRate, "critRate"),
             field(unit.attackSpeed, "attackSpeed"),
             field(unit.attack, "attack"),
             field(unit.defense, "defense"),
             field(unit.hp, "hp"),
             field(unit.maxHp, "maxHp")});
}

void read_lanes(const json& value, std::array<Lane, kLaneCount>& lanes) {
    if (!value.is_array() || value.size() > kLaneCount) {
        throw ScenarioError("scenario field lanes must be an array of at most 2 lanes");
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string where = "lanes[" + std::to_string(i) + "]";
        Lane& lane = lanes[i];
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
        throw ScenarioError("scenario field steps must be an array of 1 to " +
                            std::to_string(kMaxPlanSteps) + " steps");
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string where = "steps[" + std::to_string(i) + "]";
        members(value[i], where, step_handlers(step, where, codec));
        if (!action_acts(step)) {
            throw ScenarioError(
                "scenario field " + where +
                ".eventSwitches must switch on the battle, the level-up or the re-move");
        }
        plan.steps[i] = step;
    }
    plan.stepCount = static_cast<std::int32_t>(value.size());
}

// The pattern box's text, at most the 499 bytes the box is read with.
void read_marks(const json& value, const TextCodec& codec, MarkTextBuffer& markText) {
    if (!value.is_string()) {
        throw ScenarioError("scenario field marks must be a string");
    }
    std::string marks;
    if (!codec.toShiftJis(value.get<std::string>(), marks)) {
        throw ScenarioError("scenario field marks has no Shift-JIS form");
    }
    check_mark_text_length(marks.size(), "scenario field marks");
    std::memcpy(markText, marks.data(), marks.size());
}

ordered_json unit_json(const CombatantState& unit, const TextCodec& codec) {
    return {{"name", codec.toUtf8({unit.name, strnlen(unit.name, sizeof unit.name)})},
            {"followUpCritFactor", unit.followUpCritFactor},
            {"skills", unit.skills},
            {"level", unit.level},
            {"technique", unit.technique},
            {"luck", unit.luck},
            {"hitRate", unit.hitRate},
            {"critRate", unit.critRate},
            {"attackSpeed", unit.attackSpeed},
            {"attack", unit.attack},
            {"defense", unit.defense},
            {"hp", unit.hp},
            {"maxHp", unit.maxHp}};
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

void check_mark_text_length(std::size_t bytes, const std::string& what) {
    if (bytes > static_cast<std::size_t>(kMarkTextCapacity - 1)) {
        throw ScenarioError(what + " is " + std::to_string(bytes) +
                            " bytes in Shift-JIS, longer than the 499 bytes that are read");
    }
}

bool read_scenario(const std::string& text, const TextCodec& codec, AppState& state) {
    json scenario;
    try {
        scenario = json::parse(text);
    } catch (const json::exception& error) {
        // Not only syntax: a number too large for a double is refused while parsing, too.
        throw ScenarioError(std::string("bad JSON in the scenario: ") + error.what());
    }
    // Read into copies, so that a refused scenario leaves the state as it was.
    Action top = state;
    std::array<Lane, kLaneCount> lanes = state.lanes;
    const json* steps = nullptr;
    const json* marks = nullptr;
    Handlers handlers = step_handlers(top, "", codec);
    handlers["lanes"] = [&lanes](const json& v) { read_lanes(v, lanes); };
    handlers["marks"] = [&marks](const json& v) { marks = &v; };
    handlers["steps"] = [&steps](const json& v) { steps = &v; };
    members(scenario, "", handlers);
    TurnPlan plan{};
    if (steps != nullptr) {
        read_steps(*steps, top, codec, plan);
    }
    MarkTextBuffer markText{};
    if (marks != nullptr) {
        read_marks(*marks, codec, markText);
    }
    static_cast<Action&>(state) = top;
    for (int k = 0; k < kLaneCount; ++k) {
        state.lanes[k].seedIndex = lanes[k].seedIndex;
        state.lanes[k].position = lanes[k].position;
    }
    state.plan = plan;
    if (marks != nullptr) {
        std::memcpy(state.markText, markText, sizeof markText);
    }
    return marks != nullptr;
}

std::string write_scenario(const AppState& state, const TextCodec& codec) {
    ordered_json scenario = action_json(state, codec);
    scenario["lanes"] = ordered_json::array();
    for (const Lane& lane : state.lanes) {
        scenario["lanes"].push_back({{"seedIndex", lane.seedIndex}, {"position", lane.position}});
    }
    const std::size_t markLength = strnlen(state.markText, kMarkTextCapacity - 1);
    scenario["marks"] =
        codec.toUtf8({state.markText, whole_characters(state.markText, markLength)});
    const int stepCount = std::clamp(state.plan.stepCount, 0, kMaxPlanSteps);
    for (int k = 0; k < stepCount; ++k) {
        scenario["steps"].push_back(action_json(state.plan.steps[k], codec));
    }
    return scenario.dump(2) + "\n";
}
