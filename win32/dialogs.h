#pragma once

#include "view/main_commands.h"

class MainWindow;

// Each runs its dialog modally, owned by the main window, and stores what its OK stores through
// the controller.
void open_status_dialog(MainWindow& main);
void open_search_conditions_dialog(MainWindow& main);
void open_battle_result_dialog(MainWindow& main);
void open_level_up_dialog(MainWindow& main);
void open_happened_dialog(MainWindow& main);
void open_dialog(MainWindow& main, MainDialog dialog);
