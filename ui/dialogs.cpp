#include "ui/dialogs.h"

void open_dialog(HWND, MainDialog) {}
