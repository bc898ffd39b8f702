#include <windows.h>

#include "ui/program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return run_program(instance, showCommand);
}
