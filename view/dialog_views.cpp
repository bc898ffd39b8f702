#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>

#include "view/dialog_forms.h"
#include "view/resource.h"

// What each dialog shows at its opening, and the form its OK makes of the controls read back.

namespace {

constexpr int kEnemy = IDC_STATUS_ENEMY_OFFSET;
constexpr int kSwitchBoxes = 4;

const char* const kConditionLabels[] = {
    "HP:現在の値",   "HP:残りn以上",        "HP:残りn以下",       "HP:残りn%以上",
    "HP:残りn%以下", "攻撃をn回以上受ける", "攻撃をn回以下受ける"};
const char* const kWantedEntries[] = {"0", "+1", "+2"};
// The 再行動 combo's entries, in the order of ReMoveChoice.
const char* const kReMoveChoices[] = {"見ていない", "した", "しなかった"};

std::string name_of(const CombatantState& unit) {
    return std::string(unit.name, strnlen(unit.name, sizeof unit.name));
}

ControlView label(int id, std::string text) {
    return ControlView{id, ControlKind::kLabel, std::move(text)};
}

ControlView check(int id, bool checked) {
    ControlView box{id, ControlKind::kCheck};
    box.checked = checked;
    return box;
}

// A list of fixed entries showing the entry at position, none outside them.
template <std::size_t N>
ControlView list_of(int id, const char* const (&entries)[N], std::int32_t position) {
    ControlView list{id, ControlKind::kList};
    list.entries.assign(std::begin(entries), std::end(entries));
    if (position >= 0 && position < static_cast<std::int32_t>(N)) {
        list.text = entries[position];
    }
    return list;
}

// A side's unit list: the unit's name; the first entry while no unit is chosen.
ControlView unit_list(int id, const std::array<UnitRecord, kUnitTableCapacity>& rows, int count,
                      const CombatantState& unit) {
    ControlView list{id, ControlKind::kList, name_of(unit)};
    for (int row = 0; row < std::min(count, kUnitTableCapacity); ++row) {
        list.entries.emplace_back(rows[static_cast<std::size_t>(row)].name);
    }
    list.selection = unit.name[0] == '\0' ? 0 : -1;
    return list;
}

void add_side(DialogView& view, int offset, const CombatantState& unit, int skillBoxes) {
    for (int i = 0; i < kFigureBoxCount; ++i) {
        ControlView box{IDC_STATUS_FIRST_FIGURE + offset + i, ControlKind::kFigureList,
                        std::to_string(unit.*kFigureBoxes[i].field)};
        for (int value = kFigureBoxes[i].first; value <= kFigureBoxes[i].last; ++value) {
            box.entries.push_back(std::to_string(value));
        }
        view.push_back(std::move(box));
    }
    for (int i = 0; i < skillBoxes; ++i) {
        view.push_back(check(IDC_STATUS_FIRST_SKILL + offset + i, unit.skills[i] == 1));
    }
}

std::string factor_text(std::int32_t factor) {
    char text[32];
    std::snprintf(text, sizeof text, "追撃必殺係数:%d", factor);
    return text;
}

template <std::size_t N>
void read_checks(const DialogView& shown, int firstId, std::array<bool, N>& boxes) {
    for (std::size_t i = 0; i < N; ++i) {
        boxes[i] = control_in(shown, firstId + static_cast<int>(i)).checked;
    }
}

void read_figure_texts(const DialogView& shown, int offset,
                       std::array<std::string, kFigureBoxCount>& texts) {
    for (int i = 0; i < kFigureBoxCount; ++i) {
        texts[static_cast<std::size_t>(i)] =
            control_in(shown, IDC_STATUS_FIRST_FIGURE + offset + i).text;
    }
}

}  // namespace

DialogView status_view(const WindowState& state) {
    DialogView view;
    view.push_back(unit_list(IDC_STATUS_ALLY_LIST, state.tables->allyUnits,
                             state.tables->allyUnitCount, state.session.action.ally));
    view.push_back(unit_list(IDC_STATUS_ENEMY_LIST, state.tables->enemyUnits,
                             state.tables->enemyUnitCount, state.session.action.enemy));
    add_side(view, 0, state.session.action.ally, kAllySkillBoxes);
    add_side(view, kEnemy, state.session.action.enemy, kEnemySkillBoxes);
    // No enemy chosen yet: most enemies strike back, so 反撃 starts checked, as it always did.
    for (ControlView& box : view) {
        box.checked |= box.id == IDC_STATUS_FIRST_SKILL + kEnemy + kSkillCounter &&
                       state.session.action.enemy.name[0] == '\0';
    }
    return view;
}

DialogView status_opening(const WindowState& state) {
    DialogView view = status_view(state);
    for (const int id : {IDC_STATUS_ALLY_LIST, IDC_STATUS_ENEMY_LIST}) {
        // A side with no unit chosen waits for what its list shows.
        ControlView list = control_in(view, id);
        if (list.text.empty()) {
            continue;
        }
        const auto named = std::find(list.entries.begin(), list.entries.end(), list.text);
        list.selection = named == list.entries.end()
                             ? -1
                             : static_cast<int>(std::distance(list.entries.begin(), named));
        const DialogView factor = status_unit_shown(state, Roster{}, list, false);
        view.insert(view.end(), factor.begin(), factor.end());
    }
    return view;
}

DialogView status_first_units(const WindowState& state, const DialogView& listsShown) {
    DialogView view;
    for (const ControlView& list : listsShown) {
        const CombatantState& unit = list.id == IDC_STATUS_ALLY_LIST ? state.session.action.ally
                                                                     : state.session.action.enemy;
        if (unit.name[0] == '\0') {
            // Not from the roster: only a real choice of the player brings its figures.
            const DialogView shown = status_unit_shown(state, Roster{}, list, true);
            view.insert(view.end(), shown.begin(), shown.end());
        }
    }
    return view;
}

DialogView status_unit_shown(const WindowState& state, const Roster& roster,
                             const ControlView& list, bool changed) {
    const bool ally = list.id == IDC_STATUS_ALLY_LIST;
    const int offset = ally ? 0 : kEnemy;
    const int row = list.selection < 0 ? -1
                    : ally             ? find_ally_by_name(*state.tables, list.text.c_str())
                    : list.selection < state.tables->enemyUnitCount ? list.selection
                                                                    : -1;
    const UnitRecord* unit = row < 0 ? nullptr
                             : ally  ? &state.tables->allyUnits[static_cast<std::size_t>(row)]
                                     : &state.tables->enemyUnits[static_cast<std::size_t>(row)];
    const CombatantState& own = ally ? state.session.action.ally : state.session.action.enemy;
    DialogView view{
        label(IDC_STATUS_FACTOR + offset,
              factor_text(unit != nullptr ? unit->followUpCritFactor : own.followUpCritFactor))};
    if (!changed || unit == nullptr) {
        return view;
    }
    const CombatantState* kept = ally ? roster_entry(roster, list.text) : nullptr;
    if (kept != nullptr) {
        for (int i = 0; i < kFigureBoxCount; ++i) {
            view.push_back(ControlView{IDC_STATUS_FIRST_FIGURE + i, ControlKind::kFigureList,
                                       std::to_string(kept->*kFigureBoxes[i].field)});
        }
        for (int i = 0; i < kAllySkillBoxes; ++i) {
            view.push_back(check(IDC_STATUS_FIRST_SKILL + i, kept->skills[i] == 1));
        }
        return view;
    }
    for (int i = 0; i < (ally ? kAllySkillBoxes : kEnemySkillBoxes); ++i) {
        if (ally ? ally_box_follows_unit(i) : i != kSkillCounter) {
            view.push_back(check(IDC_STATUS_FIRST_SKILL + offset + i, unit->skills[i] == 1));
        }
    }
    return view;
}

StatusForm status_form(const DialogView& shown) {
    StatusForm form{};
    const ControlView& allyList = control_in(shown, IDC_STATUS_ALLY_LIST);
    form.allyName = allyList.selection >= 0 ? allyList.text : "";
    form.allySelection = allyList.selection;
    form.enemySelection = control_in(shown, IDC_STATUS_ENEMY_LIST).selection;
    read_checks(shown, IDC_STATUS_FIRST_SKILL, form.allySkills);
    read_checks(shown, IDC_STATUS_FIRST_SKILL + kEnemy, form.enemySkills);
    read_figure_texts(shown, 0, form.allyFigures);
    read_figure_texts(shown, kEnemy, form.enemyFigures);
    return form;
}

DialogView search_conditions_view(const WindowState& state) {
    DialogView view;
    for (int i = 0; i < kSwitchBoxes; ++i) {
        view.push_back(
            check(IDC_SEARCH_FIRST_SWITCH + i, state.session.action.eventSwitches[i] == 1));
    }
    ControlView predict = check(IDC_SEARCH_PREDICT, state.session.action.predictSwitch == 1);
    predict.enabled = state.session.action.eventSwitches[kSwitchBattle] == 1;
    view.push_back(predict);
    return view;
}

SearchConditionsForm search_conditions_form(const DialogView& shown) {
    SearchConditionsForm form{};
    read_checks(shown, IDC_SEARCH_FIRST_SWITCH, form.eventBoxes);
    form.predictBox = control_in(shown, IDC_SEARCH_PREDICT).checked;
    return form;
}

DialogView battle_result_view(const WindowState& state) {
    DialogView view{label(IDC_RESULT_ALLY_NAME, name_of(state.session.action.ally)),
                    label(IDC_RESULT_ENEMY_NAME, name_of(state.session.action.enemy))};
    for (const auto& [typeId, nId, unspecifiedId, condition] :
         {std::tuple{IDC_RESULT_ALLY_TYPE, IDC_RESULT_ALLY_N, IDC_RESULT_ALLY_UNSPECIFIED,
                     state.session.action.allyCondition},
          std::tuple{IDC_RESULT_ENEMY_TYPE, IDC_RESULT_ENEMY_N, IDC_RESULT_ENEMY_UNSPECIFIED,
                     state.session.action.enemyCondition}}) {
        view.push_back(list_of(typeId, kConditionLabels, condition.type));
        view.push_back(ControlView{nId, ControlKind::kNumberBox, std::to_string(condition.n)});
        view.push_back(check(unspecifiedId, condition.unspecified == 1));
    }
    return view;
}

BattleResultForm battle_result_form(const DialogView& shown) {
    return BattleResultForm{control_in(shown, IDC_RESULT_ALLY_TYPE).selection,
                            control_in(shown, IDC_RESULT_ENEMY_TYPE).selection,
                            control_in(shown, IDC_RESULT_ALLY_N).text,
                            control_in(shown, IDC_RESULT_ENEMY_N).text,
                            control_in(shown, IDC_RESULT_ALLY_UNSPECIFIED).checked,
                            control_in(shown, IDC_RESULT_ENEMY_UNSPECIFIED).checked};
}

DialogView level_up_rate_labels(const StatRates& rates) {
    DialogView view;
    for (int k = 0; k < kStatCount; ++k) {
        char text[32];
        std::snprintf(text, sizeof text, "%3d%%", rates[static_cast<std::size_t>(k)]);
        view.push_back(label(IDC_LEVEL_FIRST_RATE + k, text));
    }
    return view;
}

DialogView level_up_view(const WindowState& state) {
    DialogView view = level_up_rate_labels(ally_file_rates(state));
    view.push_back(label(IDC_LEVEL_ALLY_NAME, name_of(state.session.action.ally)));
    for (int i = 0; i < kBookCount; ++i) {
        view.push_back(check(IDC_LEVEL_FIRST_BOOK + i, state.session.action.booksHeld[i] == 1));
    }
    for (int k = 0; k < kStatCount; ++k) {
        view.push_back(list_of(IDC_LEVEL_FIRST_WANTED + k, kWantedEntries,
                               state.session.action.levelUpWanted[k]));
    }
    return view;
}

LevelUpWanted level_up_form(const DialogView& shown) {
    LevelUpWanted wanted{};
    for (int k = 0; k < kStatCount; ++k) {
        wanted[static_cast<std::size_t>(k)] =
            control_in(shown, IDC_LEVEL_FIRST_WANTED + k).selection;
    }
    return wanted;
}

DialogView happened_view(const WindowState& state) {
    DialogView view;
    for (const int id : {IDC_HAPPENED_ALLY_HP, IDC_HAPPENED_ENEMY_HP}) {
        ControlView box{id, ControlKind::kNumberBox};
        box.enabled = action_shows(state.session.action, Observed::kAllyHp);
        view.push_back(box);
    }
    ControlView levelUp = check(IDC_HAPPENED_LEVEL_UP, false);
    levelUp.enabled = action_shows(state.session.action, Observed::kGrown);
    view.push_back(levelUp);
    for (int k = 0; k < kStatCount; ++k) {
        ControlView grown = check(IDC_HAPPENED_FIRST_GROWN + k, false);
        grown.enabled = false;
        view.push_back(grown);
    }
    ControlView reMove = list_of(IDC_HAPPENED_RE_MOVE, kReMoveChoices, kReMoveNotSeen);
    reMove.enabled = action_shows(state.session.action, Observed::kReMove);
    view.push_back(reMove);
    const DialogView kept = happened_kept_view(state);
    view.insert(view.end(), kept.begin(), kept.end());
    return view;
}

DialogView happened_kept_view(const WindowState& state) {
    const bool kept = !state.session.kept.empty();
    ControlView allSequences = check(IDC_HAPPENED_ALL_SEQUENCES, false);
    allSequences.enabled = !kept;
    ControlView discard{IDC_HAPPENED_DISCARD, ControlKind::kButton};
    discard.enabled = kept;
    return {allSequences, discard, label(IDC_HAPPENED_KEPT, kept_search_words(state.session))};
}

LocateForm happened_form(const DialogView& shown) {
    LocateForm form{};
    form.allyHp = control_in(shown, IDC_HAPPENED_ALLY_HP).text;
    form.enemyHp = control_in(shown, IDC_HAPPENED_ENEMY_HP).text;
    form.levelUpSeen = control_in(shown, IDC_HAPPENED_LEVEL_UP).checked;
    read_checks(shown, IDC_HAPPENED_FIRST_GROWN, form.grown);
    form.reMove = control_in(shown, IDC_HAPPENED_RE_MOVE).selection;
    form.allSequences = control_in(shown, IDC_HAPPENED_ALL_SEQUENCES).checked;
    return form;
}
