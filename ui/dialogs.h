#pragma once

#include <windows.h>

#include "ui/main_commands.h"

// Runs the dialog modally, owned by the main window.
void open_dialog(HWND owner, MainDialog dialog);
