#pragma once

// Running soramito-cli in this process, and files of a test's own.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
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

struct CliResult {
    int status;
    std::string out, err;
};

// The words of line are the arguments: DATA is the samples folder (DATA/name a sample), @name a
// file of the test's own, '' an empty argument.
inline CliResult run_soramito_cli(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> args = {"soramito-cli"};
    for (std::string word; in >> word;) {
        args.push_back(word.starts_with("DATA") ? kSamplesDir + word.substr(4)
                       : word.starts_with("@")  ? (test_folder() / word.substr(1)).string()
                       : word == "''"           ? ""
                                                : word);
    }
    std::ostringstream out;
    std::ostringstream err;
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
    const CliResult r = run_soramito_cli(line + " --json");
    EXPECT_TRUE(r.status == 2 && r.out.empty() && !r.err.empty() &&
                r.err.find('\n') == r.err.size() - 1 && r.err.find(named) != std::string::npos)
        << line << ": " << r.status << " " << r.out << r.err;
}
