#pragma once

// Running soramito-cli in this process, and files of the tests' own.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "cli/cli.h"

inline const std::string kSamplesDir = SORAMITO_SAMPLES_DIR;

// This process's folder for files of the tests' own, removed when they end.
inline const std::filesystem::path& test_folder() {
    static const struct Folder {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("soramito_test_" + std::to_string(getpid()));
        ~Folder() { std::filesystem::remove_all(path); }
    } folder;
    return folder.path;
}

// Writes a file there; its path.
inline std::string test_file(const std::string& name, const std::string& bytes) {
    const std::filesystem::path file = test_folder() / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
    return file.string();
}

// The scenarios that the tests name as @name: a sample (or one of these) changed by a merge patch,
// or the patch.
inline const bool kScenarioFiles = [] {
    const std::string counter = R"("skills": [0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1])";
    const std::string worked = "worked-battle.json";
    // clang-format off
    const std::vector<std::tuple<std::string, std::string, std::string>> files = {
        {"idle.json", "", "{}"},
        {"level-up.json", "", R"({"eventSwitches": [0, 0, 1, 0], "predictSwitch": 1})"},
        {"no-wish.json", "", R"({"eventSwitches": [0,0,1,0], "levelUpWanted": [0,0,0,0,0,0,0,0,0]})"},
        {"no-chain.json", "", R"({"eventSwitches": [0,1,0,0], "steps": [{}],
            "enemyCondition": {"type": 1, "n": 1000, "unspecified": 0}})"},
        {"bad-step.json", "", R"({"steps": [{"eventSwitches": [0, 0, 1, 0]}]})"},
        {"end.json", "", R"({"lanes": [{"seedIndex": 63, "position": 4973}], "eventSwitches":
            [0, 1, 0, 0], "steps": [{}, {}]})"},
        {"re-move.json", worked, R"({"eventSwitches": [0, 0, 0, 1]})"},
        // A unit at 0 HP falls, at 1 it does not: from 12, three hits of 10, 1 (反撃) and 10.
        {"falls.json", "", R"({"eventSwitches": [0, 1, 0, 0], "ally": {"hp": 1},
            "enemy": {"hitRate": 100, "attack": 99, )" + counter + "}}"},
        {"keeps.json", "", R"({"eventSwitches": [0, 1, 0, 0], "ally": {"hp": 2},
            "enemy": {"hitRate": 100, "attack": 11, "hp": 21, )" + counter + "}}"},
        {"predicted.json", worked, R"({"predictSwitch": 1})"},
        // A log longer than a row: 勇者 against 突撃, with a level-up and a re-move after it.
        {"long.json", worked, R"({"ally": {"skills": [0,0,0,0,0,0,0,0,1,0,0,0,0,0,0,0],
            "attackSpeed": 20, "hp": 999, "maxHp": 999}, "enemy": {"skills":
            [0,0,0,0,0,0,0,0,0,1,0,0,0,0,0,0], "hp": 999, "maxHp": 999},
            "eventSwitches": [1, 1, 1, 1]})"},
        {"lane30.json", "level-up-search.json", R"({"lanes": [{"position": 30}]})"},
        {"marks.json", worked, R"({"marks": "×××○○×××○×○×○○×○×○○×"})"},
        // The worked battle, then the level-up and the re-move: as locate sees it.
        {"locate.json", worked, R"({"eventSwitches": [0, 1, 1, 1]})"},
        {"locate-marks.json", "@locate.json", R"({"marks": "×××○○×××○×○×○○×○×○○×"})"},
        {"locate-lane.json", "@locate.json", R"({"lanes": [{"seedIndex": 5, "position": 100}]})"},
        {"no-battle.json", worked, R"({"eventSwitches": [0, 0, 1, 1]})"},
        {"no-level-up.json", worked, R"({"eventSwitches": [1, 1, 0, 1]})"},
        {"no-re-move.json", worked, R"({"eventSwitches": [0, 1, 1, 0]})"},
        {"rate-zero.json", "@locate.json", R"({"growthRates": [80,50,10,40,60,30,5,45,0,0]})"},
        {"plan.json", "@locate.json", R"({"steps": [{}]})"}};
    // clang-format on
    for (const auto& [name, sample, patch] : files) {
        nlohmann::json scenario = nlohmann::json::object();
        if (!sample.empty()) {
            scenario = nlohmann::json::parse(
                std::ifstream(sample[0] == '@' ? (test_folder() / sample.substr(1)).string()
                                               : kSamplesDir + "/" + sample));
        }
        scenario.merge_patch(nlohmann::json::parse(patch));
        test_file(name, scenario.dump());
    }
    return true;
}();

struct CliResult {
    int status;
    std::string out, err;
};

// The words of line are the arguments: DATA is the samples folder (DATA/name a sample), @name a
// file of the tests' own, '' an empty argument.
inline CliResult run_soramito_cli(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> args = {"soramito-cli"};
    for (std::string word; in >> word;) {
        args.push_back(word.starts_with("DATA") ? kSamplesDir + word.substr(4)
                       : word.starts_with("@")  ? (test_folder() / word.substr(1)).string()
                       : word == "''"           ? ""
                                                : word);
    }
    std::ostringstream out, err;
    const int status = run_cli(args, out, err);
    return {status, out.str(), err.str()};
}

inline nlohmann::json run_soramito_json(const std::string& line) {
    const CliResult result = run_soramito_cli(line + " --json");
    EXPECT_EQ(result.status, 0) << line << ": " << result.err;
    return result.status == 0 ? nlohmann::json::parse(result.out) : nlohmann::json{};
}

// A failure is status 2, nothing on stdout (--json or not) and exactly one line on stderr, which
// holds named.
inline void expect_cli_failure(const std::string& line, const std::string& named = "") {
    for (const std::string json : {"", " --json"}) {
        const CliResult r = run_soramito_cli(line + json);
        EXPECT_TRUE(r.status == 2 && r.out.empty() && r.err.find(named) != std::string::npos &&
                    r.err.find('\n') == r.err.size() - 1)
            << line << json << ": " << r.status << " " << r.out << r.err;
    }
}
