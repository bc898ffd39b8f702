// The pattern box's text, as any bytes: parse it, match it against the 64 sequences exactly and
// within a tolerance taken from its first byte, and advise on the next mark.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "random/mark_advice.h"
#include "random/near_match.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const RandomTable* table = [] {
        static RandomTable generated;
        generate_random_tables(generated);
        return &generated;
    }();
    const std::string text(reinterpret_cast<const char*>(data), size);
    MarkArray marks;
    const int markCount = parse_mark_pattern(text.c_str(), marks);
    FUZZ_CHECK(markCount >= 0 && markCount < kMarkTextCapacity);
    for (int k = 0; k < markCount; ++k) {
        FUZZ_CHECK(marks[k] == 0 || marks[k] == 1);
    }
    CandidateList candidates;
    const int count = match_seeds(*table, marks, markCount, candidates);
    FUZZ_CHECK(count >= 0 && count < kSeedCount);
    for (int c = 1; c < count; ++c) {
        FUZZ_CHECK(candidates[c - 1] < candidates[c]);
    }
    const int matches = markCount == 0 ? kSeedCount : count;
    NearMatchList near;
    const int tolerance = size > 0 ? static_cast<std::int8_t>(data[0]) : 0;
    const int nearCount = match_near(*table, marks, markCount, tolerance, near);
    FUZZ_CHECK(nearCount >= matches && nearCount <= kSeedCount);
    for (int m = 0; m < nearCount; ++m) {
        const NearMatch& match = near[m];
        // The exact matches come first, then by edits.
        FUZZ_CHECK((m < matches) == (match.edits == 0) && match.edits <= kMaxTolerance);
        FUZZ_CHECK(m == 0 || near[m - 1].edits <= match.edits);
        FUZZ_CHECK(match.changeCount == match.edits);
        FUZZ_CHECK(std::abs(match.lanePosition - 1 - markCount) <= match.edits);
    }
    NextMarkAdvice advice;
    advise_next_mark(*table, markCount, candidates, matches, advice);
    FUZZ_CHECK(advice.circleCount + advice.crossCount == matches && advice.marksToSettle >= 0);
    return 0;
}
