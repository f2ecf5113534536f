#include "win_app.h"

// The command line and the show command are not used: the program has no arguments and its
// dialog decides how it is shown.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(instance);
}
