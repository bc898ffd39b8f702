#pragma once

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

inline CliResult run_soramito_cli(std::vector<std::string> args) {
    args.insert(args.begin(), "soramito-cli");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_cli(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

inline nlohmann::json run_soramito_json(std::vector<std::string> args) {
    args.push_back("--json");
    const CliResult result = run_soramito_cli(args);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(result.err.empty());
    return result.status == 0 ? nlohmann::json::parse(result.out) : nlohmann::json{};
}

// A failure is status 2, nothing on stdout and exactly one line on stderr.
inline void expect_cli_failure(const std::vector<std::string>& args) {
    std::string shown;
    for (const auto& a : args) {
        shown += a + " ";
    }
    const CliResult result = run_soramito_cli(args);
    EXPECT_EQ(result.status, 2) << shown;
    EXPECT_TRUE(result.out.empty()) << shown;
    ASSERT_FALSE(result.err.empty()) << shown;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << shown << result.err;
}

// A folder of its own for a test that writes files; removed afterwards.
class TempDir {
public:
    TempDir() {
        char path[] = "/tmp/soramito_test_XXXXXX";
        path_ = mkdtemp(path);
    }
    ~TempDir() { std::system(("rm -rf '" + path_ + "'").c_str()); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string path = path_ + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

inline const std::string kSamplesDir = SORAMITO_SAMPLES_DIR;
