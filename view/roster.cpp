#include "view/roster.h"

#include <cstring>
#include <vector>

#include <nlohmann/json.hpp>

#include "data/names.h"
#include "state/figure_limits.h"
#include "state/json_integer.h"

namespace {

using nlohmann::json;
using nlohmann::ordered_json;

[[noreturn]] void refuse(ScenarioFault fault) {
    const std::string member = fault.member;
    throw ScenarioError(std::move(fault), "roster member " + member + " cannot be read");
}

std::string shown(const json& value) {
    return value.is_structured() ? (value.is_array() ? "[...]" : "{...}")
                                 : value.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::int32_t integer(const json& value, std::int64_t low, std::int64_t high,
                     const std::string& member) {
    if (!value.is_number_integer()) {
        refuse({.kind = ScenarioFaultKind::kNotAnInteger,
                .member = member,
                .low = low,
                .high = high,
                .written = shown(value)});
    }
    if (!integer_within(value, low, high)) {
        refuse({.kind = ScenarioFaultKind::kOutOfRange,
                .member = member,
                .low = low,
                .high = high,
                .written = shown(value)});
    }
    return static_cast<std::int32_t>(value.get<std::int64_t>());
}

void must_be_object(const json& value, const std::string& member) {
    if (!value.is_object()) {
        refuse(
            {.kind = ScenarioFaultKind::kNotAnObject, .member = member, .written = shown(value)});
    }
}

std::string shift_jis_name(const std::string& utf8, const TextCodec& codec,
                           const std::string& member) {
    std::string name;
    if (!codec.toShiftJis(utf8, name)) {
        refuse({.kind = ScenarioFaultKind::kNoShiftJisForm, .member = member});
    }
    const std::int64_t most = kUnitNameCapacity - 1;
    if (static_cast<std::int64_t>(name.size()) > most) {
        refuse({.kind = ScenarioFaultKind::kTooLong,
                .member = member,
                .high = most,
                .size = static_cast<std::int64_t>(name.size())});
    }
    if (name.find('\0') != std::string::npos) {
        refuse({.kind = ScenarioFaultKind::kNulInName, .member = member});
    }
    return name;
}

CombatantState read_ally(const json& value, const std::string& where) {
    must_be_object(value, where);
    CombatantState ally{};
    for (const auto& [key, member] : value.items()) {
        const std::string path = where + "." + key;
        if (key == "skills") {
            if (!member.is_array() || member.size() != kSkillCount) {
                refuse({.kind = ScenarioFaultKind::kWrongArrayLength,
                        .member = path,
                        .low = kSkillCount,
                        .high = kSkillCount,
                        .size = member.is_array() ? static_cast<std::int64_t>(member.size()) : -1,
                        .written = member.is_array() ? "" : shown(member)});
            }
            for (int i = 0; i < kSkillCount; ++i) {
                ally.skills[i] = integer(member[i], 0, 1, path + "[" + std::to_string(i) + "]");
            }
            continue;
        }
        const UnitFigure* figure = nullptr;
        for (const UnitFigure& f : kUnitFigures) {
            figure = key == f.key ? &f : figure;
        }
        if (figure == nullptr) {
            refuse({.kind = ScenarioFaultKind::kUnknownMember, .member = path});
        }
        ally.*figure->field = integer(member, kLowestFigure, kHighestFigure, path);
    }
    // An ally is written whole: one that lacks a member is a damaged file.
    std::vector<const char*> wanted = {"skills"};
    for (const UnitFigure& f : kUnitFigures) {
        wanted.push_back(f.key);
    }
    for (const char* key : wanted) {
        if (!value.contains(key)) {
            refuse({.kind = ScenarioFaultKind::kMissingMember, .member = where + "." + key});
        }
    }
    return ally;
}

// What the roster keeps of an ally: its ten figures and skills, the rest zero.
CombatantState roster_record(const CombatantState& ally) {
    CombatantState kept{};
    for (const UnitFigure& f : kUnitFigures) {
        kept.*f.field = ally.*f.field;
    }
    for (int i = 0; i < kSkillCount; ++i) {
        kept.skills[i] = ally.skills[i] == 1 ? 1 : 0;
    }
    return kept;
}

}  // namespace

bool same_for_roster(const CombatantState& one, const CombatantState& other) {
    return std::strncmp(one.name, other.name, sizeof one.name) == 0 &&
           roster_record(one) == roster_record(other);
}

bool confirm_in_roster(Roster& roster, const CombatantState& ally) {
    const std::string name(ally.name, strnlen(ally.name, sizeof ally.name));
    if (name.empty()) {
        return false;
    }
    const CombatantState kept = roster_record(ally);
    const auto found = roster.find(name);
    if (found != roster.end() && found->second == kept) {
        return false;
    }
    roster[name] = kept;
    return true;
}

CombatantState ally_after(CombatantState acting, const AdvanceReport& report) {
    for (int c = 0; c < report.changeCount; ++c) {
        const FigureChange& change = report.changes[c];
        if (change.ally) {
            acting.*kUnitFigures[change.figure].field = static_cast<std::int32_t>(change.after);
        }
    }
    return acting;
}

const CombatantState* roster_entry(const Roster& roster, const std::string& name) {
    const auto found = roster.find(name);
    return found != roster.end() ? &found->second : nullptr;
}

Roster read_roster(const std::string& text, const TextCodec& codec) {
    json file;
    try {
        file = json::parse(text);
    } catch (const json::parse_error& error) {
        refuse(where_reading_stopped(text, error.byte));
    } catch (const json::exception&) {
        refuse({});
    }
    must_be_object(file, "");
    Roster roster;
    for (const auto& [key, allies] : file.items()) {
        if (key != "allies") {
            refuse({.kind = ScenarioFaultKind::kUnknownMember, .member = key});
        }
        must_be_object(allies, "allies");
        for (const auto& [name, ally] : allies.items()) {
            const std::string where = "allies." + name;
            roster[shift_jis_name(name, codec, where)] = read_ally(ally, where);
        }
    }
    return roster;
}

std::string write_roster(const Roster& roster, const TextCodec& codec) {
    ordered_json allies = ordered_json::object();
    for (const auto& [name, ally] : roster) {
        ordered_json figures;
        for (const UnitFigure& f : kUnitFigures) {
            figures[f.key] = ally.*f.field;
        }
        figures["skills"] = ally.skills;
        allies[codec.toUtf8(name)] = figures;
    }
    return ordered_json{{"allies", allies}}.dump(2) + "\n";
}
