#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include <exception>
#include <memory>

#include "ui/gbk_codec.h"
#include "ui/main_window.h"
#include "ui/window_commands.h"

namespace {

int refuseToStart(const QString& reason) {
    QMessageBox::critical(nullptr, QStringLiteral("Tavrin古文转换"), reason);
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/icon.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tavrin.guwen"));

    if (!gbkCodecAvailable()) {
        return refuseToStart(QStringLiteral("此系统的 Qt 不支持 GBK 编码，无法显示中文文本。"));
    }

    std::unique_ptr<MainWindow> window;
    try {
        window = std::make_unique<MainWindow>();
        bindWindowCommands(*window);
    } catch (const std::exception&) {
        return refuseToStart(QStringLiteral("无法创建主窗口。"));
    }

    window->show();
    window->activateWindow();
    return QApplication::exec();
}
