#include "text/open_file.h"

#ifdef _WIN32
#include "text/utf16.h"

std::FILE* open_file(const std::string& utf8Path, const char* mode) {
    return _wfopen(utf16_from_utf8(utf8Path).c_str(), utf16_from_utf8(mode).c_str());
}
#else
std::FILE* open_file(const std::string& utf8Path, const char* mode) {
    return std::fopen(utf8Path.c_str(), mode);
}
#endif

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
