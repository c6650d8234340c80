#pragma once
// The commands bound to the window's controls. Each runs on the user-interface
// thread from its event to its end, reads what it needs from the controls,
// calls at most one layout or platform operation and writes the result back.
// None keeps anything between events and none shows a message: the controls
// are the only state.

#include <optional>

#include "text/gbk_text.h"

class MainWindow;

// "古文转换": the column layout of 编辑框1 into 编辑框2, with the options of
// 编辑框3 and the three check boxes. No result leaves 编辑框2 as it was.
void runColumnConversion(MainWindow& window);

// "生成斜字": the slanted layout of 编辑框1 into 编辑框2.
void runSlantedText(MainWindow& window);

// "美化": decorates 编辑框2 in place with the chosen separator.
void runDecoration(MainWindow& window);

// The separator of the first checked radio button: "↑", "¤" or the text of
// 编辑框4 as it stands; none when no radio button is checked.
std::optional<guwen::GbkText> chooseSeparator(const MainWindow& window);

// 单选框3 clicked: enables 编辑框4 when it is checked. Nothing disables it.
void enableCustomSeparator(MainWindow& window);

// 编辑框4 took the focus: the custom separator becomes the one in use.
void selectCustomSeparator(MainWindow& window);

// "<-" and "->": outer width 438 and 540; left, top and height stay.
void narrowWindow(MainWindow& window);
void widenWindow(MainWindow& window);

// "粘贴到上" and "复制以上".
void pasteSource(MainWindow& window);
void copyResult(MainWindow& window);

// Connects every control event that does something to its command.
void bindWindowCommands(MainWindow& window);
