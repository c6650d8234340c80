#include "ui/window_commands.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "layout/column_conversion.h"
#include "layout/line_decoration.h"
#include "layout/slanted_text.h"
#include "ui/clipboard.h"
#include "ui/control_text.h"
#include "ui/focus_line_edit.h"
#include "ui/main_window.h"
#include "ui/pressable_label.h"
#include "ui/web_links.h"

namespace {

constexpr int kNarrowWidth = 438;
constexpr int kWideWidth = 540;

// "↑" and "¤" in code page 936.
const guwen::GbkText kArrowSeparator = "\xA1\xFC";
const guwen::GbkText kCurrencySeparator = "\xA1\xE8";

// Controls are found by their form names. The form always has them; a
// missing one would be a broken build, which the window tests catch.
template <typename Control = QWidget>
Control* control(const MainWindow& window, const char* name) {
    return window.findChild<Control*>(QString::fromUtf8(name));
}

bool isChecked(const MainWindow& window, const char* name) {
    const auto* button = control<QAbstractButton>(window, name);
    return button != nullptr && button->isChecked();
}

// Writing a checked state raises no click, so no command runs because of it.
void setChecked(const MainWindow& window, const char* name, bool checked) {
    if (auto* button = control<QAbstractButton>(window, name)) button->setChecked(checked);
}

void writeResult(const MainWindow& window, const guwen::GbkText& text) {
    writeBoxText(control(window, "编辑框2"), text);
}

}  // namespace

void runColumnConversion(MainWindow& window) {
    guwen::ConversionOptions options;
    options.source = readBoxText(control(window, "编辑框1"));
    options.charsPerColumn = guwen::parseInteger(readBoxText(control(window, "编辑框3")));
    options.traditional = isChecked(window, "选择框3");
    options.removeSpaces = isChecked(window, "选择框1");
    options.fullWidth = isChecked(window, "选择框2");
    if (const auto result = guwen::convertToColumns(options)) writeResult(window, *result);
}

void runSlantedText(MainWindow& window) {
    if (const auto result = guwen::makeSlantedText(readBoxText(control(window, "编辑框1")))) {
        writeResult(window, *result);
    }
}

std::optional<guwen::GbkText> chooseSeparator(const MainWindow& window) {
    if (isChecked(window, "单选框1")) return kArrowSeparator;
    if (isChecked(window, "单选框2")) return kCurrencySeparator;
    if (isChecked(window, "单选框3")) return readBoxText(control(window, "编辑框4"));
    return std::nullopt;
}

void runDecoration(MainWindow& window) {
    const std::optional<guwen::GbkText> separator = chooseSeparator(window);
    if (!separator || separator->empty()) return;
    // The result replaces the box also when it is empty; only a result over
    // the size limit leaves the box as it was.
    const auto result = guwen::decorateLines(readBoxText(control(window, "编辑框2")), *separator);
    if (result) writeResult(window, *result);
}

void enableCustomSeparator(MainWindow& window) {
    if (isChecked(window, "单选框3")) control(window, "编辑框4")->setEnabled(true);
}

void selectCustomSeparator(MainWindow& window) {
    setChecked(window, "单选框2", false);
    setChecked(window, "单选框1", false);
    setChecked(window, "单选框3", true);
}

void narrowWindow(MainWindow& window) { window.setOuterWidth(kNarrowWidth); }

void widenWindow(MainWindow& window) { window.setOuterWidth(kWideWidth); }

void pasteSource(MainWindow& window) {
    writeBoxText(control(window, "编辑框1"), readClipboardText());
}

void copyResult(MainWindow& window) { writeClipboardText(readBoxText(control(window, "编辑框2"))); }

void bindWindowCommands(MainWindow& window) {
    MainWindow* w = &window;
    const auto onClick = [w](const char* name, void (*command)(MainWindow&)) {
        QObject::connect(control<QAbstractButton>(*w, name), &QAbstractButton::clicked, w,
                         [w, command] { command(*w); });
    };
    onClick("转换", runColumnConversion);
    onClick("斜字", runSlantedText);
    onClick("单选框3", enableCustomSeparator);
    onClick("按钮1", narrowWindow);
    onClick("按钮4", widenWindow);
    onClick("按钮2", pasteSource);
    onClick("按钮3", copyResult);

    QObject::connect(control<PressableLabel>(window, "美化"), &PressableLabel::pressed, w,
                     [w] { runDecoration(*w); });
    QObject::connect(control<FocusLineEdit>(window, "编辑框4"), &FocusLineEdit::focusReceived, w,
                     [w] { selectCustomSeparator(*w); });
    QObject::connect(control<PressableLabel>(window, "图片框2"), &PressableLabel::pressed, w,
                     [] { openBannerLink(kFirstBannerAddress); });
    QObject::connect(control<PressableLabel>(window, "图片框3"), &PressableLabel::pressed, w,
                     [] { openBannerLink(kSecondBannerAddress); });
}
