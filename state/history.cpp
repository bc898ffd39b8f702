#include "state/history.h"

#include <algorithm>
#include <cstdio>
#include <tuple>

#include "state/outcome.h"

void append_history(History& history, const HistoryEntry& entry) {
    if (history.count >= kHistoryCapacity) {
        std::copy(history.entries.begin() + 1, history.entries.end(), history.entries.begin());
        history.count = kHistoryCapacity - 1;
    }
    history.entries[history.count++] = entry;
}

bool History::operator==(const History& other) const {
    const int used = std::clamp(count, 0, kHistoryCapacity);
    return count == other.count &&
           std::equal(entries.begin(), entries.begin() + used, other.entries.begin());
}

std::string history_line(const HistoryEntry& entry) {
    char head[64];
    std::snprintf(head, sizeof head, "#%02d %d→%d（%d個）", entry.seedIndex, entry.position,
                  entry.position + entry.count, entry.count);
    std::string line = head;
    std::string events;
    for (const auto& [applies, name] :
         {std::pair{entry.hasAllyHp || entry.hasEnemyHp, "戦闘"},
          std::pair{entry.hasGrown, "レベルアップ"}, std::pair{entry.hasReMove, "再行動"}}) {
        if (applies) {
            events.append(events.empty() ? "" : "・").append(name);
        }
    }
    if (!events.empty()) {
        line.append(" ").append(events);
    }
    for (const auto& [has, hp, side] : {std::tuple{entry.hasAllyHp, entry.allyHp, "味方"},
                                        std::tuple{entry.hasEnemyHp, entry.enemyHp, "敵"}}) {
        if (has) {
            line.append(" ").append(side).append(std::to_string(hp[0]));
            line.append("→").append(std::to_string(hp[1]));
        }
    }
    ActionOutcome outcome{};
    outcome.levelUp = entry.hasGrown;
    outcome.grown = entry.grown;
    outcome.reMoveTested = entry.hasReMove;
    outcome.reMove = entry.reMove;
    for (const auto& [label, words] : {std::pair{" 成長", growth_words(outcome)},
                                       std::pair{" 再行動", re_move_words(outcome)}}) {
        if (!words.empty()) {
            line.append(label).append(words);
        }
    }
    return line;
}
