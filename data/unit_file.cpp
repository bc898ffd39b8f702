#include "data/unit_file.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

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

// What reading one entry lost: its rest, the end of its name, its factor or a skill.
void note_entry(const char* entry, std::size_t start, std::size_t run, FileProblems& problems) {
    const std::size_t name = std::strcspn(entry, ",");
    const auto quote = [&entry] { return "「" + std::string(entry) + "」"; };
    if (run >= kUnitEntryCapacity) {
        problems.push_back({FileProblemKind::kEntryCut, start, static_cast<std::int32_t>(run)});
    } else if (name > kMaxNameBytes) {
        problems.push_back({FileProblemKind::kNameCut, start, static_cast<std::int32_t>(name)});
    }
    TextReader rest = reader_over_bytes(entry[name] == ',' ? entry + name + 1 : "");
    std::int32_t factor = 0;
    if (!scan_int(rest, factor)) {
        problems.push_back({FileProblemKind::kNoNumber, start, 0, quote()});
        return;
    }
    const std::string_view list = rest.bytes.substr(rest.offset);
    const std::string_view last = list.substr(list.rfind(',') + 1);
    if (list.size() > 1 && list[0] == ',' && !last.empty()) {
        problems.push_back({FileProblemKind::kSkillWithoutComma, start, 0, quote(),
                            "「" + std::string(last) + "」"});
    }
}

// Where the entries came from, for what a split line moved.
struct EntryRead {
    std::size_t start;
    std::size_t end;
    std::string name;
};

// Entries that share a line: one problem a line, naming the units after it, which each stand a
// row lower than the file meant. At most three are named; the rest are counted.
void note_split_lines(std::string_view text, const std::vector<EntryRead>& entries,
                      FileProblems& problems) {
    for (std::size_t i = 1; i < entries.size(); ++i) {
        if (text.substr(entries[i - 1].end, entries[i].start - entries[i - 1].end).find('\n') !=
            std::string_view::npos) {
            continue;
        }
        FileProblem split{FileProblemKind::kLineSplit, entries[i - 1].start, 1};
        split.quoted = "「" +
                       std::string(text.substr(entries[i - 1].start,
                                               entries[i - 1].end - entries[i - 1].start)) +
                       "」";
        std::size_t last = i - 1;
        for (; last + 1 < entries.size() &&
               text.substr(entries[last].end, entries[last + 1].start - entries[last].end)
                       .find('\n') == std::string_view::npos;
             ++last) {
            split.quoted +=
                "「" +
                std::string(text.substr(entries[last + 1].start,
                                        entries[last + 1].end - entries[last + 1].start)) +
                "」";
            ++split.count;
        }
        constexpr std::size_t kMostNamed = 3;
        const std::size_t moved = entries.size() - last - 1;
        for (std::size_t k = last + 1; k < entries.size() && k <= last + kMostNamed; ++k) {
            split.names += (k > last + 1 ? "、" : "") + entries[k].name;
        }
        if (moved > kMostNamed) {
            split.names += " ほか " + std::to_string(moved - kMostNamed) + " 個";
        }
        problems.push_back(split);
        i = last;
    }
}

// Reads one entry per declared unit; rows past the table are read and dropped so that the
// entries after them still line up. Returns false once the text has ended. read lists the
// entries read, when problems are looked for.
bool read_unit_entries(TextReader& reader, std::int32_t declared,
                       std::array<UnitRecord, kUnitTableCapacity>& rows,
                       std::vector<EntryRead>& read, FileProblems* problems) {
    char entry[kUnitEntryCapacity];
    for (std::int32_t i = 0; i < declared; ++i) {
        skip_space(reader);
        const std::size_t start = reader.offset;
        std::size_t run = 0;
        if (!scan_word(reader, entry, sizeof entry, &run)) {
            return false;
        }
        UnitRecord scratch{};
        UnitRecord& unit = i < kUnitTableCapacity ? rows[i] : scratch;
        if (problems != nullptr) {
            note_entry(entry, start, run, *problems);
        }
        parse_unit_line(unit, entry);
        if (problems != nullptr) {
            read.push_back({start, start + run, unit.name});
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

void read_unit_file(TextReader& reader, GameTables& tables, FileProblems* problems) {
    std::int32_t allies = 0;
    std::int32_t enemies = 0;
    if (scan_int(reader, allies) && scan_literal(reader, ',') && scan_int(reader, enemies)) {
        skip_space(reader);
    } else if (problems != nullptr) {
        problems->push_back({FileProblemKind::kNotANumber, reader.offset, 0});
    }
    allies = std::max(allies, 0);
    enemies = std::max(enemies, 0);
    tables.allyUnitCount = std::min(allies, kUnitTableCapacity);
    tables.enemyUnitCount = std::min(enemies, kUnitTableCapacity);
    std::vector<EntryRead> read;
    const bool allRead = read_unit_entries(reader, allies, tables.allyUnits, read, problems) &&
                         read_unit_entries(reader, enemies, tables.enemyUnits, read, problems);
    if (problems == nullptr) {
        return;
    }
    note_split_lines(reader.bytes, read, *problems);
    if (!allRead) {
        problems->push_back({FileProblemKind::kFewerEntries, reader.offset,
                             static_cast<std::int32_t>(read.size())});
    }
}

bool load_unit_file(std::FILE* file, GameTables& tables) {
    return read_text_file(file, [&](TextReader& reader) { read_unit_file(reader, tables); });
}

bool load_unit_file(const char* path, GameTables& tables) {
    return load_unit_file(std::fopen(path, "r"), tables);
}
