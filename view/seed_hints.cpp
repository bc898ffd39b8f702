#include "view/seed_hints.h"

#include "view/window_layout.h"

#include "view/painter.h"

namespace {

// The sequences of a list, or "なし", or their count (in 本) when there are more than four.
void append_seeds(char (&text)[kTextBufferSize], const std::int32_t* seeds, int count) {
    if (count == 0) {
        append(text, "なし");
    } else if (count > 4) {
        append(text, "%d本", count);
    }
    for (int i = 0; i < count && count <= 4; ++i) {
        append(text, i == 0 ? "%d" : " %d", seeds[i]);
    }
}

// What tells apart sequences whose marks agree: the entry of lane 0's log, put on each of them
// right behind the typed marks, whose test passes for some of them and fails for others.
void add_telling_entry(FlowingText& flow, const TellingEntry& telling) {
    if (telling.entry < 0) {
        return;
    }
    const char* shownLabel = "";
    for (const int side : {kTellingPasses, kTellingFails}) {
        char seeds[kTextBufferSize] = "";
        for (int c = 0; c < std::clamp(telling.counts[side], 0, kSeedCount); ++c) {
            append(seeds, c == 0 ? "%d" : " %d", telling.seeds[side][c]);
        }
        const std::int32_t code = telling.codes[side];
        const bool passes = side == kTellingPasses;
        const char* label = kConsumptionLabels[code];
        const char* word =
            code == kCodeHit ? (passes ? "当たる" : "外れる") : (passes ? "成功" : "失敗");
        char piece[kTextBufferSize] = "";
        if (std::strcmp(label, shownLabel) != 0) {
            append(piece, "%s：", label);
        }
        append(piece, "%s%s", seeds, word);
        // The "／" is part of the failing side's piece, so that a line break keeps it.
        flow.add(passes ? " " : "", passes ? "%s" : "／%s", piece);
        shownLabel = label;
    }
}

}  // namespace

void draw_seed_hints(Painter& painter, const WindowState& state, int clientWidth) {
    constexpr int kLeft = 436;
    constexpr int kTop = 493;
    constexpr int kLineHeight = 20;
    if (state.shown.marks.markCount > 0 && state.shown.marks.candidateCount == 0) {
        painter.text(kLeft, kTop, "近い：");
        if (state.shown.marks.nearCount == 0) {
            painter.text(kNearRow.left, kNearRow.top, "なし");
            return;
        }
        for (int k = 0; k < std::min(state.shown.marks.nearCount, kSeedCount); ++k) {
            draw_sequence_number(painter, number_left(kNearRow, k), kNearRow.top,
                                 state.shown.marks.nearMatches[k].seedIndex);
        }
        const NearMatch& first = state.shown.marks.nearMatches[0];
        FlowingText words{painter, kLeft, kTop + kLineHeight, kLineHeight, clientWidth};
        words.add("", "%d：", first.seedIndex);
        for (int c = 0; c < std::min(first.changeCount, kMaxTolerance); ++c) {
            char word[kTextBufferSize];
            std::snprintf(word, sizeof word, kChangeWords[first.changes[c].kind],
                          first.changes[c].index);
            words.add(c == 0 ? "" : "、", "%s", word);
        }
        words.finish();
        return;
    }
    if (!state.shown.marks.adviceShown) {
        return;
    }
    const NextMarkAdvice& advice = state.shown.marks.markAdvice;
    FlowingText flow{painter, kLeft, kTop, kLineHeight, clientWidth};
    char text[kTextBufferSize] = "";
    append_seeds(text, advice.circle, advice.circleCount);
    flow.add("", "次の印：○→%s", text);
    text[0] = '\0';
    append_seeds(text, advice.cross, advice.crossCount);
    flow.add(" ", "×→%s", text);
    if (advice.marksToSettle > 0) {
        flow.add(" ", "あと%d個", advice.marksToSettle);
    }
    // Only once the matches are one group of sequences whose marks always agree is there nothing
    // more for marks to tell; then the upper lane's log may.
    if (advice.groupCount > 0 && advice.marksToSettle == 0) {
        flow.add(" ", "○×では見分けられない");
        // In two pieces, so that a break between them keeps the lines within the window.
        if (ally_is_set(state.session) && action_acts(state.session.action)) {
            flow.add("", "（検索で「どれでも」");
            flow.add("", "の位置が出ます）");
        }
        add_telling_entry(flow, state.shown.telling);
    }
    flow.finish();
}
