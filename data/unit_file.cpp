#include "data/unit_file.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kMaxNameBytes = kUnitNameCapacity - 1;

// A name that does not fit is cut to 31 bytes, or to 30 where the 31st byte would open a
// double-byte character, so that no half character is left at the end.
std::size_t fitted_name_length(const char* name, std::size_t length) {
    return length <= kMaxNameBytes ? length : whole_characters(name, kMaxNameBytes);
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

// What reading one entry lost, if anything: its rest, or the end of its name.
void note_entry(const char* entry, std::size_t start, std::size_t run, FileProblem* problem) {
    if (problem == nullptr || problem->kind != FileProblemKind::kNone) {
        return;
    }
    const std::size_t name = std::strcspn(entry, ",");
    if (run >= kUnitEntryCapacity) {
        *problem = {FileProblemKind::kEntryCut, start, static_cast<std::int32_t>(run)};
    } else if (name > kMaxNameBytes) {
        *problem = {FileProblemKind::kNameCut, start, static_cast<std::int32_t>(name)};
    }
}

// Reads one entry per declared unit; rows past the table are read and dropped so that the
// entries after them still line up. Returns false once the text has ended. read counts the
// entries read.
bool read_unit_entries(TextReader& reader, std::int32_t declared,
                       std::array<UnitRecord, kUnitTableCapacity>& rows, std::int32_t& read,
                       FileProblem* problem) {
    char entry[kUnitEntryCapacity];
    for (std::int32_t i = 0; i < declared; ++i) {
        skip_space(reader);
        const std::size_t start = reader.offset;
        std::size_t run = 0;
        if (!scan_word(reader, entry, sizeof entry, &run)) {
            return false;
        }
        ++read;
        note_entry(entry, start, run, problem);
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

void read_unit_file(TextReader& reader, GameTables& tables, FileProblem* problem) {
    std::int32_t allies = 0;
    std::int32_t enemies = 0;
    if (scan_int(reader, allies) && scan_literal(reader, ',') && scan_int(reader, enemies)) {
        skip_space(reader);
    } else if (problem != nullptr) {
        *problem = {FileProblemKind::kNotANumber, reader.offset, 0};
    }
    allies = std::max(allies, 0);
    enemies = std::max(enemies, 0);
    tables.allyUnitCount = std::min(allies, kUnitTableCapacity);
    tables.enemyUnitCount = std::min(enemies, kUnitTableCapacity);
    std::int32_t read = 0;
    const bool allRead = read_unit_entries(reader, allies, tables.allyUnits, read, problem) &&
                         read_unit_entries(reader, enemies, tables.enemyUnits, read, problem);
    if (!allRead && problem != nullptr && problem->kind == FileProblemKind::kNone) {
        *problem = {FileProblemKind::kFewerEntries, reader.offset, read};
    }
}

bool load_unit_file(std::FILE* file, GameTables& tables) {
    return read_text_file(file, [&](TextReader& reader) { read_unit_file(reader, tables); });
}

bool load_unit_file(const char* path, GameTables& tables) {
    return load_unit_file(std::fopen(path, "r"), tables);
}
