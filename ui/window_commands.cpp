#include "ui/window_commands.h"

#include "ui/main_window.h"

void bindWindowCommands(MainWindow& window) { static_cast<void>(window); }
