#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "data/growth_file.h"
#include "data/unit_file.h"
#include "view/dialog_forms.h"
#include "view/number_boxes.h"
#include "view/plan_steps.h"
#include "view/resource.h"
#include "view/session.h"
#include "window_states.h"

namespace {

// The sample start-up files' tables and the sequences.
std::unique_ptr<Tables> sample_tables() {
    auto tables = std::make_unique<Tables>();
    generate_random_tables(tables->randomTable);
    const std::string samples = SORAMITO_SAMPLES_DIR;
    EXPECT_TRUE(load_unit_file((samples + "/character.txt").c_str(), *tables));
    EXPECT_TRUE(load_growth_file((samples + "/grow.txt").c_str(), *tables));
    return tables;
}

// A state on the tables whose action the dialogs can show: units from the tables with their own
// factors, flags of 0 or 1, figures the session holds, and the rates the ally's books give.
std::unique_ptr<WindowState> random_scenario(const Tables& tables, std::mt19937& random) {
    const auto pick = [&random](int low, int high) {
        return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1));
    };
    const auto fill = [&pick](auto& values, int high) {
        for (auto& value : values) {
            value = pick(0, high);
        }
    };
    auto state = std::make_unique<WindowState>(fresh_window_state(tables));
    Action& action = state->session.action;
    const int allyRow = pick(0, tables.allyUnitCount - 1);
    const int enemyRow = pick(0, tables.enemyUnitCount - 1);
    for (const auto& [unit, row] : {std::pair{&action.ally, &tables.allyUnits[allyRow]},
                                    std::pair{&action.enemy, &tables.enemyUnits[enemyRow]}}) {
        std::strcpy(unit->name, row->name);
        unit->followUpCritFactor = row->followUpCritFactor;
        fill(unit->skills, 1);
        for (const FigureBox& box : kFigureBoxes) {
            unit->*box.field =
                pick(0, 1) == 0 ? pick(box.first, box.last) : pick(kLowestFigure, kHighestFigure);
        }
    }
    fill(action.eventSwitches, 1);
    action.predictSwitch = action.eventSwitches[kSwitchBattle] == 1 ? pick(0, 1) : 0;
    for (BattleResultCondition* condition : {&action.allyCondition, &action.enemyCondition}) {
        *condition = {pick(0, 6), pick(kLowestFigure, kHighestFigure),
                      static_cast<std::uint8_t>(pick(0, 1))};
    }
    fill(action.levelUpWanted, 2);
    fill(action.booksHeld, 1);
    StatRates rates{};
    compute_growth_rates(tables.growthTable[allyRow], action.booksHeld, rates);
    std::copy(rates.begin(), rates.end(), action.growthRates.begin());
    action.growthRates[kReMoveRateIndex] = tables.growthTable[allyRow][kReMoveRateIndex];
    refresh_shown(*state);
    return state;
}

// What the controls show, read back, once a view is shown: a list selects the entry that reads
// its text (none for an empty one), or else the entry it falls back on; a figure list with no such
// entry shows the text, a plain list then shows nothing.
DialogView as_shown(DialogView view) {
    for (ControlView& c : view) {
        if (c.kind != ControlKind::kList && c.kind != ControlKind::kFigureList) {
            continue;
        }
        const auto found = c.text.empty() ? c.entries.end()
                                          : std::find(c.entries.begin(), c.entries.end(), c.text);
        const int entry = found != c.entries.end()
                              ? static_cast<int>(std::distance(c.entries.begin(), found))
                              : c.selection;
        c.selection = entry >= 0 && entry < static_cast<int>(c.entries.size()) ? entry : -1;
        if (c.selection >= 0) {
            c.text = c.entries[static_cast<std::size_t>(c.selection)];
        } else if (c.kind == ControlKind::kList) {
            c.text.clear();
        }
    }
    return view;
}

// Each dialog's OK on what it shows at its opening: the status dialog, the search conditions,
// the battle result and the level-up. A figure box out of range would keep the dialog open.
using Ok = void (*)(WindowState&);
const Ok kOks[] = {
    [](WindowState& s) {
        EXPECT_EQ(first_figure_out_of_range(as_shown(status_view(s))), 0);
        apply_status_form(s, status_form(as_shown(status_view(s))));
    },
    [](WindowState& s) {
        apply_search_conditions(s, search_conditions_form(as_shown(search_conditions_view(s))));
    },
    [](WindowState& s) {
        EXPECT_EQ(first_figure_out_of_range(as_shown(battle_result_view(s))), 0);
        apply_battle_result_form(s, battle_result_form(as_shown(battle_result_view(s))));
    },
    [](WindowState& s) {
        apply_level_up_form(s, level_up_form(as_shown(level_up_view(s))), ally_book_rates(s));
    }};

// OK without a change keeps the session, but for the status dialog's OK, which copies the ally's
// row of the growth file, without the books. Step 2 of the turn plan has ミナト with アルト's
// rates: there the level-up OK stores ミナト's nine rates too, which the books (none) leave as
// they are.
TEST(DialogRoundTrip, OkWithoutAChangeKeepsEverySampleSessionAndRandomOnes) {
    const auto tables = sample_tables();
    const GrowthRates minato = {55, 90, 40, 70, 70, 90, 60, 35, 0, 30};
    const auto expect_ok_keeps = [&tables](const WindowState& opened, const GrowthRates* levelUpRow,
                                           const std::string& what) {
        for (std::size_t k = 0; k < std::size(kOks); ++k) {
            const auto state = std::make_unique<WindowState>(opened);
            kOks[k](*state);
            Session expected = opened.session;
            if (k == 0) {
                expected.action.growthRates =
                    tables->growthTable[find_ally_by_name(*tables, expected.action.ally.name)];
            } else if (k == 3 && levelUpRow != nullptr) {
                expected.action.growthRates = *levelUpRow;
            }
            EXPECT_EQ(std::make_pair(session_text(state->session), state->roster),
                      std::make_pair(session_text(expected), opened.roster))
                << what << ", dialog " << k;
        }
    };
    int sessions = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SORAMITO_SAMPLES_DIR)) {
        if (entry.path().extension() != ".json") {
            continue;
        }
        const auto opened = std::make_unique<WindowState>(fresh_window_state(*tables));
        std::ifstream file(entry.path(), std::ios::binary);
        open_session(*opened, std::string(std::istreambuf_iterator<char>(file), {}));
        // Newer figures, as a 実行 in another session left them: an OK must not replace them.
        CombatantState newer = opened->session.action.ally;
        ++newer.level;
        confirm_in_roster(opened->roster, newer);
        const int steps = opened->session.plan.stepCount;
        for (int step = -1; step < steps; ++step) {
            const auto state = std::make_unique<WindowState>(*opened);
            if (step >= 0) {
                press_plan_button(*state, PlanButton::kRecall, step);
            }
            expect_ok_keeps(*state, step == 1 ? &minato : nullptr,
                            entry.path().filename().string() + " step " + std::to_string(step + 1));
            ++sessions;
        }
    }
    EXPECT_EQ(sessions, 3 + 3);  // three files, one of them with three steps
    std::mt19937 random(26);
    for (int n = 0; n < 200; ++n) {
        expect_ok_keeps(*random_scenario(*tables, random), nullptr,
                        "scenario " + std::to_string(n));
    }
}

// Allies Abc (factor 1, 怒り), abc (factor 2, 連続, 勇者 in the file) and one without a name;
// enemies E1 (反撃) and E2 (factor 5, 毒).
WindowState named_units() {
    static const auto tables = tables_of("3,2\nAbc,1,0,\nabc,2,7,8,\n,0\nE1,0,15,\nE2,5,14,\n");
    return fresh_window_state(*tables);
}

TEST(StatusDialog, ShowsEachUnitByItsNameAPickedOneSetsItsBoxesAndTheyAreReadWhole) {
    // Units named in no row: no entry selected, each unit's own factor shown (the window's tests
    // meet a name selected exactly and the boxes of an opened file).
    WindowState state = named_units();
    std::strcpy(state.session.action.ally.name, "Zed");
    std::strcpy(state.session.action.enemy.name, "Nobody");
    std::tie(state.session.action.ally.followUpCritFactor,
             state.session.action.enemy.followUpCritFactor) = std::pair(7, 9);
    const DialogView shown = as_shown(status_opening(state));
    EXPECT_EQ(std::make_tuple(control_in(shown, IDC_STATUS_ALLY_LIST).selection,
                              control_in(shown, IDC_STATUS_ENEMY_LIST).selection,
                              control_in(shown, 1041).text + "|" + control_in(shown, 1141).text),
              std::make_tuple(-1, -1, "追撃必殺係数:7|追撃必殺係数:9"));
    // A unit picked in a list sets the boxes that follow it.
    // The texts set, then the skill boxes checked and how many boxes are set.
    Roster roster;
    const auto set_boxes = [&state, &roster](int listId, const char* text, int entry) {
        ControlView list{listId, ControlKind::kList, text};
        list.selection = entry;
        std::string boxes;
        int set = 0;
        for (const ControlView& c : status_unit_shown(state, roster, list, true)) {
            set += c.kind == ControlKind::kCheck ? 1 : 0;
            boxes += c.kind != ControlKind::kCheck ? c.text + " "
                     : c.checked                   ? std::to_string(c.id) + " "
                                                   : "";
        }
        return boxes + std::to_string(set);
    };
    // 勇者 is no box that follows an ally; 反撃 none that follows an enemy.
    EXPECT_EQ(set_boxes(IDC_STATUS_ALLY_LIST, "abc", 1), "追撃必殺係数:2 1008 9");
    // Nothing chosen: the unit's own factor, and no box changes.
    EXPECT_EQ(set_boxes(IDC_STATUS_ENEMY_LIST, "", -1), "追撃必殺係数:9 0");
    // An ally the roster keeps: every figure and every skill box as kept; enemies are not kept.
    CombatantState kept = make_unit("abc", 2, {kSkillBrave, kSkillSleep},
                                    {11, 12, 13, 14, 15, 16, 17, 18, -999, 9999});
    confirm_in_roster(roster, kept);
    std::strcpy(kept.name, "E2");
    confirm_in_roster(roster, kept);
    EXPECT_EQ(set_boxes(IDC_STATUS_ALLY_LIST, "abc", 1),
              "追撃必殺係数:2 11 12 13 14 15 16 17 18 -999 9999 1009 1014 14");
    EXPECT_EQ(set_boxes(IDC_STATUS_ENEMY_LIST, "E2", 1), "追撃必殺係数:5 1115 15");
    // Each box by its rule, full-width digits too: a figure box read whole as atol reads it, kept
    // in -999..9999; a 移動 box a whole number 1..4973, blanks around it allowed; an HP box of
    // 起きたこと digits alone, 0..9999, empty not seen.
    constexpr NumberRule F = NumberRule::kFigure, L = NumberRule::kLanePosition,
                         H = NumberRule::kSeenHp;
    constexpr NumberBox E = NumberBox::kEmpty, N = NumberBox::kNumber, R = NumberBox::kRefused;
    // clang-format off
    const std::vector<std::tuple<const char*, NumberRule, NumberBox, int>> cases = {
        {"12a", F, N, 12}, {"abc", F, N, 0}, {"", F, N, 0}, {"10000", F, R, 10000},
        {"-999", F, N, -999}, {"-1000", F, R, -1000}, {" +8x", F, N, 8}, {"１２", F, N, 12},
        {"－５", F, N, 0}, {"99999999999", F, R, 2147483647},
        {"1", L, N, 1}, {" +4973 ", L, N, 4973}, {"0000000123", L, N, 123}, {"1２", L, N, 12},
        {"3.5", L, R, 0}, {"0", L, R, 0}, {"4974", L, R, 0}, {"-5", L, R, 0}, {"", L, R, 0},
        {"+", L, R, 0}, {"1 2", L, R, 0}, {"１２ａ", L, R, 0}, {"\x82", L, R, 0},
        {"", H, E, 0}, {"0", H, N, 0}, {"００００00000000000012", H, N, 12}, {"９９９９", H, N, 9999},
        {"10000", H, R, 0}, {"99999999999999999999", H, R, 0}, {" 1", H, R, 0}, {"-1", H, R, 0},
        {"1.5", H, R, 0}, {"４O", H, R, 0}, {"1\x82", H, R, 0}, {"\x82\x4E", H, R, 0},
        {"\x82\x59", H, R, 0}, {"　", H, R, 0}};
    // clang-format on
    for (const auto& [text, rule, box, value] : cases) {
        const NumberReading reading = read_number(text, rule);
        EXPECT_EQ(std::make_pair(reading.box, reading.value), std::make_pair(box, value))
            << text << " " << static_cast<int>(rule);
    }
    // A full-width digit only where a character starts: モ is 0x83 0x82, then "O".
    EXPECT_EQ(with_ascii_digits("ア０９\x83\x82\x4F\x82"), "ア09\x83\x82\x4F\x82");
}

}  // namespace
