// A whole growth file, as any bytes: at most rows 0 to 51 are filled.
#include <cstdint>
#include <string_view>

#include "data/growth_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static GameTables tables;
    tables = GameTables{};
    TextReader reader =
        reader_over_bytes(std::string_view(reinterpret_cast<const char*>(data), size));
    read_growth_file(reader, tables);
    for (int row = kGrowthFileRecords; row < kGrowthTableCapacity; ++row) {
        FUZZ_CHECK(tables.growthTable[row] == GrowthRecord{});
    }
    FUZZ_CHECK(tables.allyUnitCount == 0 && tables.enemyUnitCount == 0);
    return 0;
}
