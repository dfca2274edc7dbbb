// veskara-sim: the widget with simulated load readings.
#include "shell/main_window.h"

int main() { return RunProgram(); }
