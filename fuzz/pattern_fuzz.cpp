// The pattern box's text, as any bytes: parse it and match it against the 64 sequences.
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "random/marks.h"

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
    return 0;
}
