// Quorrel.dll: the renderer program. It takes no arguments and ignores whatever it is given.
#include <windows.h>

#include "run_renderer.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    RunRenderer();
    return 0;
}
