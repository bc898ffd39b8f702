#pragma once

#include "state/scenario_file.h"
#include "text/text_encoding.h"

// How both front ends, and their tests, convert a scenario's UTF-8 to and from the engine's
// Shift-JIS: code page 932, as this platform provides it.
inline const TextCodec kScenarioCodec{utf8_to_shift_jis, shift_jis_to_utf8};
