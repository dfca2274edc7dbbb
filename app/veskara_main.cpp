// veskara: the widget with live readings of the machine.
#include "shell/main_window.h"

int main() { return RunProgram(); }
