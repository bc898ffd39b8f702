#include "state/advance.h"

#include <algorithm>

#include "state/kept_positions.h"

namespace {

constexpr int kStatHp = 0;
constexpr int kStatTechnique = 3;
constexpr int kStatLuck = 7;

// Bits over kUnitFigures: 命中 必殺 攻速 攻撃 防御, the figures that come of weapons and formulas
// the program does not know.
constexpr std::uint32_t kHitRate = 1u << 3;
constexpr std::uint32_t kCritRate = 1u << 4;
constexpr std::uint32_t kAttackSpeed = 1u << 5;
constexpr std::uint32_t kAttack = 1u << 6;
constexpr std::uint32_t kDefense = 1u << 7;

// Which of those a grown stat may change, by stat: 力 and 魔 the attack, 技 and 運 hit and
// critical, 速 and 体 (a heavy weapon's weight) the attack speed, 守 the defence. HP changes only
// HP and MAX, which 実行 updates itself, and 移 no figure at all.
constexpr std::uint32_t kMayChange[kStatCount] = {
    0,                     // HP
    kAttack,               // 力
    kAttack,               // 魔
    kHitRate | kCritRate,  // 技
    kAttackSpeed,          // 速
    kDefense,              // 守
    kAttackSpeed,          // 体
    kHitRate | kCritRate,  // 運
    0,                     // 移
};

using Figures = std::array<std::int64_t, kFigureCount>;

Figures figures_of(const CombatantState& unit) {
    Figures figures;
    for (int i = 0; i < kFigureCount; ++i) {
        figures[i] = unit.*kUnitFigures[i].field;
    }
    return figures;
}

int figure_index(std::int32_t CombatantState::*field) {
    int i = 0;
    while (kUnitFigures[i].field != field) {
        ++i;
    }
    return i;
}

std::int64_t& figure(Figures& figures, std::int32_t CombatantState::*field) {
    return figures[figure_index(field)];
}

// The action's outcome in each unit's figures, in 64 bits: the battle's HPs, then the level-up.
void apply_outcome(const ActionOutcome& outcome, Figures& ally, Figures& enemy) {
    if (outcome.battle) {
        figure(ally, &CombatantState::hp) = outcome.allyHp;
        figure(enemy, &CombatantState::hp) = outcome.enemyHp;
    }
    if (!outcome.levelUp) {
        return;
    }
    const auto grew = [&outcome](int stat) { return ((outcome.grown >> stat) & 1u) != 0; };
    figure(ally, &CombatantState::level) += 1;
    if (grew(kStatHp)) {
        figure(ally, &CombatantState::hp) += 1;
        figure(ally, &CombatantState::maxHp) += 1;
    }
    figure(ally, &CombatantState::technique) += grew(kStatTechnique) ? 1 : 0;
    figure(ally, &CombatantState::luck) += grew(kStatLuck) ? 1 : 0;
}

void list_changes(bool ally, const Figures& before, const Figures& after, AdvanceReport& report) {
    for (int i = 0; i < kFigureCount; ++i) {
        if (before[i] != after[i]) {
            report.changes[report.changeCount++] = FigureChange{ally, i, before[i], after[i]};
        }
    }
}

// The first figure that leaves the range a session file holds; kNone when none does. The
// record keeps the battle's HPs as the battle left them, before a level-up adds to the ally's.
AdvanceRefusal check_figures(AdvanceReport& report) {
    const HistoryEntry& entry = report.entry;
    const int hp = figure_index(&CombatantState::hp);
    std::array<FigureChange, 2 * kFigureCount + 2> checked;
    int count = 0;
    if (entry.hasAllyHp) {
        checked[count++] = FigureChange{true, hp, entry.allyHp[0], entry.allyHp[1]};
    }
    if (entry.hasEnemyHp) {
        checked[count++] = FigureChange{false, hp, entry.enemyHp[0], entry.enemyHp[1]};
    }
    std::copy_n(report.changes.begin(), report.changeCount, checked.begin() + count);
    count += report.changeCount;
    for (int c = 0; c < count; ++c) {
        const FigureChange& change = checked[c];
        if (change.after > kHighestFigure || change.after < kLowestFigure) {
            report.refusedFigure = change;
            return change.after > kHighestFigure ? AdvanceRefusal::kFigureTooHigh
                                                 : AdvanceRefusal::kFigureTooLow;
        }
    }
    return AdvanceRefusal::kNone;
}

CombatantState with_figures(CombatantState unit, const Figures& figures) {
    for (int i = 0; i < kFigureCount; ++i) {
        unit.*kUnitFigures[i].field = static_cast<std::int32_t>(figures[i]);
    }
    return unit;
}

// A unit that is the acting unit as it was before the action takes its outcome.
void carry(const CombatantState& before, const CombatantState& after, CombatantState& unit) {
    if (unit == before) {
        unit = with_figures(unit, figures_of(after));
    }
}

HistoryEntry entry_of(const Action& action, const LaneCursor& lane, const SequenceRun& run,
                      const ActionOutcome& outcome) {
    HistoryEntry entry{};
    entry.seedIndex = lane.seedIndex;
    entry.position = lane.position;
    entry.count = run.log.count;
    entry.hasAllyHp = entry.hasEnemyHp = outcome.battle;
    if (outcome.battle) {
        entry.allyHp = {action.ally.hp, outcome.allyHp};
        entry.enemyHp = {action.enemy.hp, outcome.enemyHp};
    }
    entry.hasGrown = outcome.levelUp;
    entry.grown = outcome.levelUp ? outcome.grown : 0;
    entry.hasReMove = outcome.reMoveTested;
    entry.reMove = outcome.reMoveTested && outcome.reMove;
    return entry;
}

}  // namespace

bool advance_available(const Session& session) {
    return ally_is_set(session) && action_acts(lane_zero_action(session));
}

AdvanceReport advance_past_action(Session& session, const RandomTable& table) {
    AdvanceReport report{};
    const LaneCursor& lane = session.lanes[0];
    report.entry.seedIndex = lane.seedIndex;
    report.entry.position = lane.position;
    report.positionAfter = lane.position;
    if (!ally_is_set(session)) {
        report.refusal = AdvanceRefusal::kNoAlly;
        return report;
    }
    const Action action = lane_zero_action(session);
    if (!action_acts(action)) {
        report.refusal = AdvanceRefusal::kNothingUsed;
        return report;
    }
    const SequenceRun run = run_action_at(action, table, lane.seedIndex, lane.position);
    const ActionOutcome outcome = outcome_of(action, run);
    report.outcome = outcome;
    report.entry = entry_of(action, lane, run, outcome);
    report.positionAfter = lane.position + run.log.count;
    const Figures allyBefore = figures_of(action.ally);
    const Figures enemyBefore = figures_of(action.enemy);
    Figures allyAfter = allyBefore;
    Figures enemyAfter = enemyBefore;
    apply_outcome(outcome, allyAfter, enemyAfter);
    list_changes(true, allyBefore, allyAfter, report);
    list_changes(false, enemyBefore, enemyAfter, report);
    if (log_is_full(run.log)) {
        report.refusal = AdvanceRefusal::kFullLog;
    } else if (report.positionAfter > kLastLanePosition) {
        report.refusal = AdvanceRefusal::kPastLastPosition;
    } else {
        report.refusal = check_figures(report);
    }
    if (report.refusal != AdvanceRefusal::kNone) {
        return report;
    }

    const CombatantState ally = with_figures(action.ally, allyAfter);
    const CombatantState enemy = with_figures(action.enemy, enemyAfter);
    TurnPlan& plan = session.plan;
    if (plan.stepCount > 0) {
        std::copy(plan.steps.begin() + 1, plan.steps.begin() + plan.stepCount, plan.steps.begin());
        --plan.stepCount;
    }
    for (int k = 0; k < plan.stepCount; ++k) {
        carry(action.ally, ally, plan.steps[k].ally);
        carry(action.enemy, enemy, plan.steps[k].enemy);
    }
    carry(action.ally, ally, session.action.ally);
    carry(action.enemy, enemy, session.action.enemy);
    session.lanes[0].position = report.positionAfter;
    if (!session.kept.empty()) {
        NarrowedPlaces narrowed =
            narrow_kept(session.kept, action, table, seen_as(action, outcome));
        report.keptTried = narrowed.tried;
        report.keptLeft = narrowed.left.size();
        session.kept = std::move(narrowed.left);
        if (report.keptLeft == 1) {
            session.lanes[0] = session.kept.front();
        }
        if (report.keptLeft <= 1) {
            session.kept.clear();
        }
    }
    append_history(session.history, report.entry);
    return report;
}

// The figures are named as the grown stats bring them up, in stat order: 力 and 速 give
// "攻撃・攻速".
std::string figures_to_check_line(std::uint32_t grown) {
    std::uint32_t stats = 0;
    std::uint32_t named = 0;
    std::string figures;
    for (int k = 0; k < kStatCount; ++k) {
        if (((grown >> k) & 1u) == 0 || kMayChange[k] == 0) {
            continue;
        }
        stats |= 1u << k;
        for (int i = 0; i < kFigureCount; ++i) {
            if (((kMayChange[k] & ~named) >> i & 1u) != 0) {
                figures.append(figures.empty() ? "" : "・").append(kUnitFigures[i].label);
            }
        }
        named |= kMayChange[k];
    }
    if (stats == 0) {
        return "";
    }
    return stat_words(stats) + " が上がりました：" + figures + "を確かめてください";
}

std::string refusal_words(const AdvanceReport& report) {
    const FigureChange& figure = report.refusedFigure;
    const std::string named = std::string(figure.ally ? "味方" : "敵") + "の" +
                              kUnitFigures[figure.figure].label + "が" +
                              std::to_string(figure.after) + "になり";
    switch (report.refusal) {
        case AdvanceRefusal::kNone:
            return "";
        case AdvanceRefusal::kNoAlly:
            return "ステータスで味方を決めてから実行してください";
        case AdvanceRefusal::kNothingUsed:
            return "条件統合で戦闘・レベルアップ・再行動のどれかを選んでください";
        case AdvanceRefusal::kFullLog:
            return "乱数を256個以上使う行動は、使った数が分からないため実行できません";
        case AdvanceRefusal::kPastLastPosition:
            return "位置が" + std::to_string(report.positionAfter) +
                   "になり4973を越えるため実行できません";
        case AdvanceRefusal::kFigureTooHigh:
            return named + "9999を超えるため実行できません";
        case AdvanceRefusal::kFigureTooLow:
            return named + "-999を下回るため実行できません";
    }
    return "";
}
