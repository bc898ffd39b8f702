#include "text/open_file.h"

#include <cstdio>

#ifdef _WIN32
#include <windows.h>

#include "text/utf16.h"

std::FILE* open_file(const std::string& utf8Path, const char* mode) {
    return _wfopen(utf16_from_utf8(utf8Path).c_str(), utf16_from_utf8(mode).c_str());
}

namespace {

bool replace_file(const std::string& from, const std::string& to) {
    return MoveFileExW(utf16_from_utf8(from).c_str(), utf16_from_utf8(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void remove_file(const std::string& path) {
    DeleteFileW(utf16_from_utf8(path).c_str());
}

}  // namespace
#else
std::FILE* open_file(const std::string& utf8Path, const char* mode) {
    return std::fopen(utf8Path.c_str(), mode);
}

namespace {

bool replace_file(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void remove_file(const std::string& path) {
    std::remove(path.c_str());
}

}  // namespace
#endif

bool write_file_safely(const std::string& utf8Path, const std::string& bytes) {
    const std::string temporary = utf8Path + ".writing";
    std::FILE* file = open_file(temporary, "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || !replace_file(temporary, utf8Path)) {
        remove_file(temporary);
        return false;
    }
    return true;
}

bool read_whole_file(const std::string& utf8Path, std::string& bytes) {
    std::FILE* file = open_file(utf8Path, "rb");
    if (file == nullptr) {
        return false;
    }
    bytes.clear();
    char block[4096];
    std::size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) {
        bytes.append(block, got);
    }
    const bool readFailed = std::ferror(file) != 0;
    std::fclose(file);
    return !readFailed;
}
