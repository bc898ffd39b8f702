#include "cli/console_output.h"

#include <cstdio>

void write_output(OutputStream stream, const std::string& utf8) {
    std::FILE* file = stream == OutputStream::kStandardOutput ? stdout : stderr;
    std::fwrite(utf8.data(), 1, utf8.size(), file);
    std::fflush(file);
}
