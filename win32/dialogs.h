#pragma once

#include <windows.h>

#include "view/main_commands.h"

// Each runs its dialog modally, owned by the main window, and stores what its OK stores.
void open_status_dialog(HWND owner);
void open_search_conditions_dialog(HWND owner);
void open_battle_result_dialog(HWND owner);
void open_level_up_dialog(HWND owner);
void open_happened_dialog(HWND owner);

void open_dialog(HWND owner, MainDialog dialog);
