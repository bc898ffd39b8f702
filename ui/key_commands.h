#pragma once

// The modifier keys held down with a key, together in one unsigned.
constexpr unsigned kKeyCtrl = 1;
constexpr unsigned kKeyShift = 2;
constexpr unsigned kKeyAlt = 4;
