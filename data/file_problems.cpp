#include "data/file_problems.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "data/growth_file.h"
#include "data/unit_file.h"

namespace {

// The start-up files are a few kilobytes; what lies past this is not looked at.
constexpr std::size_t kMostBytesChecked = 16 << 20;

int line_of(std::string_view text, std::size_t offset) {
    const std::size_t end = std::min(offset, text.size());
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + end, '\n'));
}

// The numbers on the line that holds offset: its commas, and one.
int numbers_on_line(std::string_view text, std::size_t offset) {
    const std::size_t start = text.rfind('\n', offset == 0 ? 0 : offset - 1);
    const std::size_t from = start == std::string_view::npos ? 0 : start + 1;
    const std::size_t to = std::min(text.find('\n', from), text.size());
    return 1 + static_cast<int>(std::count(text.begin() + from, text.begin() + to, ','));
}

// The character at offset: a double-byte one whole.
std::string character_at(std::string_view text, std::size_t offset) {
    const bool pair = offset + 1 < text.size() &&
                      is_shift_jis_lead_byte(static_cast<unsigned char>(text[offset]));
    return std::string(text.substr(offset, pair ? 2 : 1));
}

}  // namespace

FileProblems check_growth_text(std::string_view text, const GameTables& units) {
    TextReader reader = reader_over_bytes(text);
    GameTables scratch{};
    FileProblems read;
    read_growth_file(reader, scratch, &read);
    // A short file is said through the allies it leaves without a line, and so are the allies
    // past the last line read.
    FileProblems problems;
    int rows = kGrowthFileRecords;
    for (const FileProblem& problem : read) {
        if (problem.kind == FileProblemKind::kFewerLines) {
            rows = problem.count;
        } else {
            problems.push_back(problem);
        }
    }
    for (int ally = rows; ally < units.allyUnitCount; ++ally) {
        problems.push_back({FileProblemKind::kNoGrowthRow,
                            text.size(),
                            ally,
                            {},
                            units.allyUnits[static_cast<std::size_t>(ally)].name});
    }
    return problems;
}

FileProblems check_unit_text(std::string_view text) {
    TextReader reader = reader_over_bytes(text);
    GameTables scratch{};
    FileProblems problems;
    read_unit_file(reader, scratch, &problems);
    std::stable_sort(
        problems.begin(), problems.end(),
        [](const FileProblem& a, const FileProblem& b) { return a.offset < b.offset; });
    return problems;
}

std::string file_problem_words(const char* fileName, std::string_view text,
                               const FileProblem& problem) {
    const int line = line_of(text, problem.offset);
    char words[256];
    switch (problem.kind) {
        case FileProblemKind::kNone:
            return "";
        case FileProblemKind::kExtraNumbers:
            std::snprintf(words, sizeof words,
                          "%s %d行目：数が%d個あります。%d行目から後は読めませんでした", fileName,
                          line, numbers_on_line(text, problem.offset), line + 1);
            break;
        case FileProblemKind::kMissingNumbers:
            std::snprintf(words, sizeof words,
                          "%s %d行目：数が%d個しかありません。足りない分は0です", fileName, line,
                          problem.count);
            break;
        case FileProblemKind::kNotANumber:
            std::snprintf(words, sizeof words,
                          "%s %d行目：「%s」は数ではありません。ここから後は読めませんでした",
                          fileName, line, character_at(text, problem.offset).c_str());
            break;
        case FileProblemKind::kFewerLines:
            std::snprintf(words, sizeof words,
                          "%s：%d行しかありません。%d行目から後の成長率は0です", fileName,
                          problem.count, problem.count + 1);
            break;
        case FileProblemKind::kFewerEntries:
            std::snprintf(words, sizeof words,
                          "%s：%d個目の項目がありません。そこから後のユニットは空のままです",
                          fileName, problem.count + 1);
            break;
        case FileProblemKind::kEntryCut:
            std::snprintf(words, sizeof words,
                          "%s %d行目：項目が%dバイトあります。256バイト目から後は読み捨てました",
                          fileName, line, problem.count);
            break;
        case FileProblemKind::kNameCut:
            std::snprintf(words, sizeof words,
                          "%s %d行目：名前が%dバイトあります。31バイトまでで切りました", fileName,
                          line, problem.count);
            break;
        case FileProblemKind::kSkillWithoutComma:
            return std::string(fileName) + " " + std::to_string(line) + "行目：" + problem.quoted +
                   "の最後の" + problem.names +
                   "は、後ろにカンマがないのでスキルとして読みませんでした";
        case FileProblemKind::kNoNumber:
            return std::string(fileName) + " " + std::to_string(line) + "行目：" + problem.quoted +
                   "には名前のあとのカンマと数がありません。追撃必殺係数は0です";
        case FileProblemKind::kLineSplit:
            return std::string(fileName) + " " + std::to_string(line) + "行目：空白があるため " +
                   std::to_string(problem.count) + " 個の項目" + problem.quoted +
                   "として読みました" +
                   (problem.names.empty() ? std::string()
                                          : "。後のユニットが1行ずつずれました：" + problem.names);
        case FileProblemKind::kNoGrowthRow:
            return std::string(fileName) + "：" + problem.names + "（" +
                   std::to_string(problem.count + 1) +
                   "人目の味方）の行がありません。成長率は0です";
    }
    return words;
}

std::string start_up_file_warning(std::FILE* file, const char* fileName, bool growthFile,
                                  const GameTables& units) {
    if (file == nullptr) {
        return "";
    }
    std::string text;
    char block[4096];
    std::size_t got;
    while (text.size() < kMostBytesChecked &&
           (got = std::fread(block, 1, sizeof block, file)) > 0) {
        text.append(block, got);
    }
    std::fclose(file);
    return start_up_text_warning(text, fileName, growthFile, units);
}

std::string start_up_text_warning(std::string_view text, const char* fileName, bool growthFile,
                                  const GameTables& units) {
    const FileProblems problems =
        growthFile ? check_growth_text(text, units) : check_unit_text(text);
    std::string lines;
    for (std::size_t k = 0; k < std::min(problems.size(), kMostProblemsSaid); ++k) {
        lines += k > 0 ? "\n" : "";
        lines += file_problem_words(fileName, text, problems[k]);
    }
    if (problems.size() > kMostProblemsSaid) {
        lines += "\nほか " + std::to_string(problems.size() - kMostProblemsSaid) + " 個";
    }
    return lines;
}
