#pragma once

class MainWindow;

// Connects every control event that does something to its command.
void bindWindowCommands(MainWindow& window);
