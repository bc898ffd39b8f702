#include "state/outcome.h"

#include "data/names.h"

ActionOutcome outcome_of(const Action& action, const SequenceRun& run) {
    ActionOutcome outcome{};
    outcome.battle = action.eventSwitches[kSwitchBattle] == 1;
    outcome.levelUp = action.eventSwitches[kSwitchLevelUp] == 1;
    outcome.allyHp = run.allyHpAfterBattle;
    outcome.enemyHp = run.enemyHpAfterBattle;
    outcome.allyHits = run.log.attackerHitsLanded;
    outcome.enemyHits = run.log.defenderHitsLanded;
    for (int i = 0; i < run.log.count && i < kLogCapacity; ++i) {
        const std::int32_t code = run.log.codes[i];
        const bool passed = run.log.success[i] == 1;
        if (code >= kCodeFirstGrowth && code < kCodeReMove && passed) {
            outcome.grown |= 1u << (code - kCodeFirstGrowth);
        } else if (code == kCodeReMove) {
            outcome.reMoveTested = true;
            outcome.reMove = passed;
        }
    }
    return outcome;
}

std::string hp_words(const ActionOutcome& outcome, bool ally) {
    return outcome.battle ? std::to_string(ally ? outcome.allyHp : outcome.enemyHp) : "";
}

std::string hits_words(const ActionOutcome& outcome) {
    return outcome.battle
               ? std::to_string(outcome.allyHits) + "/" + std::to_string(outcome.enemyHits)
               : "";
}

std::string stat_words(std::uint32_t stats) {
    std::string words;
    for (int k = 0; k < kStatCount; ++k) {
        if ((stats >> k) & 1u) {
            words.append(words.empty() ? "" : " ").append(kStatNames[k]);
        }
    }
    return words;
}

std::string growth_words(const ActionOutcome& outcome) {
    if (!outcome.levelUp) {
        return "";
    }
    const std::string words = stat_words(outcome.grown);
    return words.empty() ? "なし" : words;
}

std::string re_move_words(const ActionOutcome& outcome) {
    return outcome.reMoveTested ? (outcome.reMove ? "○" : "×") : "";
}

std::string outcome_words(const ActionOutcome& outcome) {
    std::string words;
    const auto piece = [&words](const char* label, const std::string& value) {
        if (!value.empty()) {
            words.append(words.empty() ? "" : " ").append(label).append(value);
        }
    };
    piece("味方", hp_words(outcome, true));
    piece("敵", hp_words(outcome, false));
    piece("命中", hits_words(outcome));
    piece("成長", growth_words(outcome));
    piece("再行動", re_move_words(outcome));
    return words;
}
