#include "data/growth_file.h"

namespace {

constexpr int kFields = static_cast<int>(std::tuple_size_v<GrowthRecord>);

// Returns how many fields it read.
int scan_growth_record(TextReader& reader, GrowthRecord& record) {
    for (int field = 0; field < kFields; ++field) {
        if (field > 0 && !scan_literal(reader, ',')) {
            return field;
        }
        if (!scan_int(reader, record[static_cast<std::size_t>(field)])) {
            return field;
        }
    }
    skip_space(reader);
    return kFields;
}

// What a record that got fields numbers, the reader standing at the byte it could not read,
// tells of the file.
FileProblem short_record(TextReader& reader, int row, int fields) {
    const int byte = reader_get(reader);
    reader_unget(reader, byte);
    FileProblem problem{FileProblemKind::kNotANumber, reader.offset, fields};
    if (byte == kEndOfText) {
        problem.kind =
            fields == 0 ? FileProblemKind::kFewerLines : FileProblemKind::kMissingNumbers;
        problem.count = fields == 0 ? row : fields;
    } else if (fields > 0 && is_scan_space(byte)) {
        problem.kind = FileProblemKind::kMissingNumbers;
    } else if (fields == 0 && byte == ',') {
        problem.kind = FileProblemKind::kExtraNumbers;
    }
    return problem;
}

bool stops_the_reading(FileProblemKind kind) {
    return kind != FileProblemKind::kMissingNumbers;
}

}  // namespace

void read_growth_file(TextReader& reader, GameTables& tables, FileProblems* problems) {
    bool stopped = false;
    for (int row = 0; row < kGrowthFileRecords; ++row) {
        const int fields = scan_growth_record(reader, tables.growthTable[row]);
        if (problems == nullptr || fields == kFields || stopped) {
            continue;
        }
        // Once the reading stops, every later record stops at the same byte: said once.
        const FileProblem found = short_record(reader, row, fields);
        stopped = stops_the_reading(found.kind);
        problems->push_back(found);
    }
}

bool load_growth_file(std::FILE* file, GameTables& tables) {
    return read_text_file(file, [&](TextReader& reader) { read_growth_file(reader, tables); });
}

bool load_growth_file(const char* path, GameTables& tables) {
    return load_growth_file(std::fopen(path, "r"), tables);
}
