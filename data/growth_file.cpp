#include "data/growth_file.h"

namespace {

void scan_growth_record(TextReader& reader, GrowthRecord& record) {
    for (std::size_t field = 0; field < record.size(); ++field) {
        if (field > 0 && !scan_literal(reader, ',')) {
            return;
        }
        if (!scan_int(reader, record[field])) {
            return;
        }
    }
    skip_space(reader);
}

}  // namespace

void read_growth_file(TextReader& reader, GameTables& tables) {
    for (int row = 0; row < kGrowthFileRecords; ++row) {
        scan_growth_record(reader, tables.growthTable[row]);
    }
}

bool load_growth_file(std::FILE* file, GameTables& tables) {
    return read_text_file(file, [&](TextReader& reader) { read_growth_file(reader, tables); });
}

bool load_growth_file(const char* path, GameTables& tables) {
    return load_growth_file(std::fopen(path, "r"), tables);
}
