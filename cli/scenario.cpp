#include "cli/scenario.h"

#include <cstring>
#include <functional>
#include <limits>
#include <map>

#include <nlohmann/json.hpp>

#include "cli/cli_context.h"
#include "cli/open_file.h"

namespace {

using nlohmann::json;

constexpr std::int64_t kFigureLow = -999;
constexpr std::int64_t kFigureHigh = 9999;
constexpr std::int64_t kInt32Low = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32High = std::numeric_limits<std::int32_t>::max();

std::int32_t integer(const json& value, std::int64_t low, std::int64_t high,
                     const std::string& field) {
    if (!value.is_number_integer()) {
        throw CliError("scenario field " + field + " must be an integer");
    }
    // Non-negative numbers arrive unsigned and may exceed the signed 64-bit range.
    const bool tooLarge = value.is_number_unsigned()
                              ? value.get<std::uint64_t>() > static_cast<std::uint64_t>(high)
                              : value.get<std::int64_t>() > high;
    if (tooLarge || value.get<std::int64_t>() < low) {
        throw CliError("scenario field " + field + " must be " + std::to_string(low) + " to " +
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
        throw CliError("scenario field " + field + " must be an array of " + std::to_string(N) +
                       " integers");
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
        throw CliError("scenario field " + where + " must be an object");
    }
    for (const auto& [key, value] : object.items()) {
        const auto handler = handlers.find(key);
        if (handler == handlers.end()) {
            throw CliError("unknown scenario field " + field_path(where, key));
        }
        handler->second(value);
    }
}

void read_unit(const json& object, const std::string& where, CombatantState& unit) {
    const auto field = [&](std::int32_t& member, const char* name) {
        return std::pair<std::string, std::function<void(const json&)>>{
            name,
            [&member, where, name](const json& v) { member = figure(v, where + "." + name); }};
    };
    members(object, where,
            {{"name",
              [&](const json& v) {
                  if (!v.is_string()) {
                      throw CliError("scenario field " + where + ".name must be a string");
                  }
                  const std::string name = shift_jis_of(v.get<std::string>(), where + ".name");
                  if (name.size() >= sizeof unit.name || name.find('\0') != std::string::npos) {
                      throw CliError("scenario field " + where +
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

void read_lanes(const json& value, AppState& state) {
    if (!value.is_array() || value.size() > kLaneCount) {
        throw CliError("scenario field lanes must be an array of at most 2 lanes");
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string where = "lanes[" + std::to_string(i) + "]";
        Lane& lane = state.lanes[i];
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
Handlers step_handlers(PlanStep& step, const std::string& where) {
    const auto at = [where](const char* name) { return field_path(where, name); };
    return {
        {"ally", [&step, at](const json& v) { read_unit(v, at("ally"), step.ally); }},
        {"enemy", [&step, at](const json& v) { read_unit(v, at("enemy"), step.enemy); }},
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
void read_steps(const json& value, PlanStep step, TurnPlan& plan) {
    if (!value.is_array() || value.empty() || value.size() > kMaxPlanSteps) {
        throw CliError("scenario field steps must be an array of 1 to " +
                       std::to_string(kMaxPlanSteps) + " steps");
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::string where = "steps[" + std::to_string(i) + "]";
        members(value[i], where, step_handlers(step, where));
        if (!plan_step_acts(step)) {
            throw CliError("scenario field " + where +
                           ".eventSwitches must switch on the battle, the level-up or the re-move");
        }
        plan.steps[i] = step;
    }
    plan.stepCount = static_cast<std::int32_t>(value.size());
}

}  // namespace

void apply_scenario_text(const std::string& text, AppState& state, TurnPlan& plan) {
    json scenario;
    try {
        scenario = json::parse(text);
    } catch (const json::exception& error) {
        // Not only syntax: a number too large for a double is refused while parsing, too.
        throw CliError(std::string("bad JSON in the scenario: ") + error.what());
    }
    PlanStep top = plan_step_of(state);
    const json* steps = nullptr;
    Handlers handlers = step_handlers(top, "");
    handlers["lanes"] = [&state](const json& v) { read_lanes(v, state); };
    handlers["steps"] = [&steps](const json& v) { steps = &v; };
    members(scenario, "", handlers);
    load_plan_step(state, top);
    plan.stepCount = 0;
    if (steps != nullptr) {
        read_steps(*steps, top, plan);
    }
}

void apply_scenario_text(const std::string& text, AppState& state) {
    TurnPlan ignored;
    apply_scenario_text(text, state, ignored);
}

void apply_scenario_file(const std::string& path, AppState& state, TurnPlan& plan) {
    std::string text;
    if (!read_whole_file(path, text)) {
        throw CliError("cannot read the scenario " + path);
    }
    apply_scenario_text(text, state, plan);
}

void apply_scenario_file(const std::string& path, AppState& state) {
    TurnPlan ignored;
    apply_scenario_file(path, state, ignored);
}
