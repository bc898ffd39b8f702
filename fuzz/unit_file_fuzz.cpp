// A whole unit file, as any bytes: the header and the entries of both sides.
#include <cstdint>
#include <cstring>
#include <string_view>

#include "data/unit_file.h"
#include "fuzz_check.h"

namespace {

void check_rows(const std::array<UnitRecord, kUnitTableCapacity>& rows) {
    for (const UnitRecord& unit : rows) {
        FUZZ_CHECK(std::memchr(unit.name, '\0', sizeof unit.name) != nullptr);
        for (const std::int32_t flag : unit.skills) {
            FUZZ_CHECK(flag == 0 || flag == 1);
        }
        FUZZ_CHECK(unit.level == 0 && unit.hp == 0 && unit.hpAfterBattle == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static GameTables tables;
    tables = GameTables{};
    TextReader reader =
        reader_over_bytes(std::string_view(reinterpret_cast<const char*>(data), size));
    read_unit_file(reader, tables);
    FUZZ_CHECK(tables.allyUnitCount >= 0 && tables.allyUnitCount <= kUnitTableCapacity);
    FUZZ_CHECK(tables.enemyUnitCount >= 0 && tables.enemyUnitCount <= kUnitTableCapacity);
    check_rows(tables.allyUnits);
    check_rows(tables.enemyUnits);
    for (const GrowthRecord& row : tables.growthTable) {
        FUZZ_CHECK(row == GrowthRecord{});
    }
    return 0;
}
