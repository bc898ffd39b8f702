#include "data/unit_file.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kMaxNameBytes = kUnitNameCapacity - 1;

// A name that does not fit is cut to 31 bytes, or to 30 where the 31st byte would open a
// double-byte character, so that no half character is left at the end.
std::size_t fitted_name_length(const char* name, std::size_t length) {
    if (length <= kMaxNameBytes) {
        return length;
    }
    std::size_t i = 0;
    while (i < kMaxNameBytes) {
        if (is_shift_jis_lead_byte(static_cast<unsigned char>(name[i]))) {
            if (i + 1 >= kMaxNameBytes) {
                return i;
            }
            i += 2;
        } else {
            i += 1;
        }
    }
    return kMaxNameBytes;
}

// Every item of the list is ended by a comma and read as atol reads it (which stops at that
// comma); bytes after the last comma are no item.
void set_skills_from_list(UnitRecord& unit, const char* list) {
    const char* item = list;
    for (const char* p = list; *p != '\0'; ++p) {
        if (*p != ',') {
            continue;
        }
        const std::int32_t index = text_to_long(item);
        if (index >= 0 && index < kSkillCount) {
            unit.skills[index] = 1;
        }
        item = p + 1;
    }
}

// Reads one entry per declared unit; rows past the table are read and dropped so that the
// entries after them still line up. Returns false once the text has ended.
bool read_unit_entries(TextReader& reader, std::int32_t declared,
                       std::array<UnitRecord, kUnitTableCapacity>& rows) {
    char entry[kUnitEntryCapacity];
    for (std::int32_t i = 0; i < declared; ++i) {
        if (!scan_word(reader, entry, sizeof entry)) {
            return false;
        }
        if (i < kUnitTableCapacity) {
            parse_unit_line(rows[i], entry);
        }
    }
    return true;
}

}  // namespace

void parse_unit_line(UnitRecord& unit, char* entry) {
    char* comma = std::strchr(entry, ',');
    const std::size_t nameLength =
        comma != nullptr ? static_cast<std::size_t>(comma - entry) : std::strlen(entry);
    const std::size_t kept = fitted_name_length(entry, nameLength);
    std::memcpy(unit.name, entry, kept);
    unit.name[kept] = '\0';
    if (comma == nullptr) {
        return;
    }
    TextReader rest = reader_over_bytes(comma + 1);
    if (!scan_int(rest, unit.followUpCritFactor)) {
        return;
    }
    const std::size_t afterNumber = rest.offset;
    const char* list = comma + 1 + afterNumber;
    if (list[0] == ',' && list[1] != '\0') {
        set_skills_from_list(unit, list + 1);
    }
}

void read_unit_file(TextReader& reader, GameTables& tables) {
    std::int32_t allies = 0;
    std::int32_t enemies = 0;
    if (scan_int(reader, allies) && scan_literal(reader, ',') && scan_int(reader, enemies)) {
        skip_space(reader);
    }
    allies = std::max(allies, 0);
    enemies = std::max(enemies, 0);
    tables.allyUnitCount = std::min(allies, kUnitTableCapacity);
    tables.enemyUnitCount = std::min(enemies, kUnitTableCapacity);
    if (read_unit_entries(reader, allies, tables.allyUnits)) {
        read_unit_entries(reader, enemies, tables.enemyUnits);
    }
}

bool load_unit_file(std::FILE* file, GameTables& tables) {
    return read_text_file(file, [&](TextReader& reader) { read_unit_file(reader, tables); });
}

bool load_unit_file(const char* path, GameTables& tables) {
    return load_unit_file(std::fopen(path, "r"), tables);
}
