#include "sim/event_runner.h"

#include <algorithm>

#include "sim/combat.h"

namespace {

void consume_growth_test(ConsumptionLog& log, const Sequence& sequence, std::int32_t rate,
                         std::int32_t code) {
    if (sequence[log.position + log.count] < rate) {
        log.success[log.count] = 1;
    }
    log.codes[log.count++] = code;
}

}  // namespace

void consume_level_up(ConsumptionLog& log, const Sequence& sequence, const GrowthRates& rates) {
    for (int stat = 0; stat < kStatCount && !log_is_full(log); ++stat) {
        consume_growth_test(log, sequence, rates[stat], kCodeFirstGrowth + stat);
    }
}

void consume_re_move(ConsumptionLog& log, const Sequence& sequence, const GrowthRates& rates) {
    if (rates[kReMoveRateIndex] == 0 || log_is_full(log)) {
        return;
    }
    consume_growth_test(log, sequence, rates[kReMoveRateIndex], kCodeReMove);
}

void run_events(CombatantState& attacker, CombatantState& defender, ConsumptionLog& log,
                std::int32_t predictFlag, const EventSwitches& switches, const Sequence& sequence,
                const GrowthRates& rates) {
    std::fill_n(log.success.begin(), std::clamp(log.count, 0, kLogCapacity), 0);
    log.count = 0;
    if (switches[kSwitchBattle] == 1) {
        if (predictFlag == 1) {
            log.predictStart = 0;
            simulate_battle(attacker, defender, log, sequence);
            log.predictEnd = log.count;
        }
        simulate_battle(attacker, defender, log, sequence);
    }
    if (switches[kSwitchLevelUp] == 1) {
        consume_level_up(log, sequence, rates);
    }
    if (switches[kSwitchReMove] == 1) {
        consume_re_move(log, sequence, rates);
    }
}
