// One entry of the unit file, as any bytes up to its NUL.
#include <cstdint>
#include <cstring>
#include <vector>

#include "data/unit_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<char> entry(data, data + size);
    entry.push_back('\0');
    UnitRecord unit{};
    parse_unit_line(unit, entry.data());
    FUZZ_CHECK(std::memchr(unit.name, '\0', sizeof unit.name) != nullptr);
    for (const std::int32_t flag : unit.skills) {
        FUZZ_CHECK(flag == 0 || flag == 1);
    }
    return 0;
}
