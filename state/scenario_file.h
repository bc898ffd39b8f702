#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "state/session.h"

// What is wrong with a refused scenario, as data, for each front end to say in its own words.
enum class ScenarioFaultKind {
    kBadJson,           // no JSON: line and column say where the reading stopped (0: unknown)
    kNotAnObject,       // the member (empty: the whole file) must be an object
    kUnknownMember,     // no such member there
    kNotAnInteger,      // an integer from low to high is allowed
    kOutOfRange,        // the same, and written holds the integer
    kWrongArrayLength,  // an array of low to high elements; size: the elements written
    kNotAString,
    kNoShiftJisForm,  // the text holds a character that Shift-JIS lacks
    kTooLong,         // at most high bytes in Shift-JIS; size: the bytes written
    kNulInName,       // a unit's name holds a NUL, which would end it early
    kNoEvent,         // a step's switches turn on no battle, level-up or re-move
    kMissingMember,   // a member that must be there is not
    kNotUtf,          // the file is neither UTF-8 nor UTF-16 with a byte-order mark
};

struct ScenarioFault {
    ScenarioFaultKind kind = ScenarioFaultKind::kBadJson;
    std::string member{};  // its path, "lanes[0].position", "steps[1].ally.name"
    std::int64_t low = 0;
    std::int64_t high = 0;
    std::int64_t size = -1;  // -1 where it does not apply
    std::string written{};   // the value found, as short JSON text in UTF-8; empty for none
    int line = 0;
    int column = 0;  // in characters
};

// A scenario the reader refuses: the fault, and the one English line of the command line, which
// names the member at fault.
struct ScenarioError : std::runtime_error {
    ScenarioError(ScenarioFault why, const std::string& message)
        : std::runtime_error(message), fault(std::move(why)) {}
    ScenarioFault fault;
};

// A JSON text that does not parse: where the parser stopped, having read byte bytes (counted from
// 1), as the line and the character of the fault. The window's other files of JSON say it alike.
ScenarioFault where_reading_stopped(const std::string& text, std::size_t byte);

// Refuses a pattern longer than the 499 bytes the pattern box is read with, naming what: the
// marks past them would be left out without a word.
void check_mark_text_length(std::size_t bytes, const std::string& what);

// How the file's UTF-8 and the engine's Shift-JIS convert into each other: each front end brings
// its platform's conversion, so that both read and write a name alike.
struct TextCodec {
    // False when the text has no Shift-JIS form.
    bool (*toShiftJis)(std::string_view utf8, std::string& shiftJis);
    std::string (*toUtf8)(std::string_view shiftJis);
};

// A scenario read: the session it holds and whether it names marks (an empty text is marks too).
struct ScenarioRead {
    Session session;
    bool hasMarks;
};

// Reads a scenario, what the dialogs and lane commands would have set, over the start-up
// defaults: every member is optional (but an entry of the record names its lane's sequence,
// position and count). Unknown members, wrong types and values out of range raise a
// ScenarioError naming the field. The steps, each read over the one before it (the first over the
// top level), are the plan (no step without them); the record of each 実行 the history (empty
// without it); the marks the pattern box's text; the kept places as written. Both front ends open
// a scenario with it, in UTF-8 (with or without a byte-order mark) or UTF-16 after its mark.
ScenarioRead read_scenario(const std::string& bytes, const TextCodec& codec);

// The session as a scenario that reads back to the same session: both units whole, both lanes,
// the switches, conditions, wishes, books and rates, the marks, and the plan's steps and the
// record of each 実行 and the kept places when they have any. The marks are cut after their last
// whole character.
std::string write_scenario(const Session& session, const TextCodec& codec);
