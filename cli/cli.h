#pragma once

#include <ostream>
#include <string>
#include <vector>

// soramito-cli: runs one command; what it prints goes to out only when it succeeds, and a
// failure is one line on err with the exit status 2.
int run_cli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
// The same over the arguments as strings, the program's name first.
int run_cli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
