#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/console_output.h"

#ifdef _WIN32
#include "text/utf16.h"
#endif

namespace {

// The command's output is gathered whole and then written the platform's way.
int run(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_cli(arguments, out, err);
    write_output(OutputStream::kStandardOutput, out.str());
    write_output(OutputStream::kStandardError, err.str());
    return status;
}

}  // namespace

#ifdef _WIN32
// The wide command line, so that every argument arrives whole whatever the system's code page;
// the commands take UTF-8.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.push_back(utf8_from_utf16(argv[i]));
    }
    return run(arguments);
}
#else
int main(int argc, char** argv) {
    return run(std::vector<std::string>(argv, argv + argc));
}
#endif
