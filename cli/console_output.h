#pragma once

#include <string>

enum class OutputStream { kStandardOutput, kStandardError };

// Writes UTF-8 text to the stream whole. A Windows console gets it as wide characters, so that
// it reads right whatever the console's code page; anywhere else, a redirected stream on
// Windows too, it gets the bytes as they are, with no line-end translation.
void write_output(OutputStream stream, const std::string& utf8);
