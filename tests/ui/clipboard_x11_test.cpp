// End to end through the real X11 clipboard with xclip as the other program:
// a text copied elsewhere is pasted, converted and copied, and the bytes that
// xclip reads back are the column layout.
#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <memory>

#include "tests/ui/ui_test_support.h"
#include "ui/control_text.h"
#include "ui/gbk_codec.h"
#include "ui/main_window.h"
#include "ui/window_commands.h"

using guwen::testing::control;

class ClipboardX11Test : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window_;

    void click(const char* name) {
        QTest::mouseClick(control<QAbstractButton>(*window_, QString::fromUtf8(name)),
                          Qt::LeftButton);
    }

    // Runs xclip while our event loop keeps going, so that this program can
    // answer xclip's request for the selection it owns.
    static QByteArray runXclip(const QStringList& arguments, const QByteArray& input = {}) {
        QProcess xclip;
        if (!input.isNull()) {
            // xclip -i forks a child that serves the selection until another
            // program takes it; left holding our pipes, it would keep the
            // process from ever looking finished.
            xclip.setStandardOutputFile(QProcess::nullDevice());
            xclip.setStandardErrorFile(QProcess::nullDevice());
        }
        xclip.start(QStringLiteral("xclip"), arguments);
        if (!xclip.waitForStarted(5000)) return "<xclip did not start>";
        if (!input.isNull()) xclip.write(input);
        xclip.closeWriteChannel();
        if (!QTest::qWaitFor([&] { return xclip.state() == QProcess::NotRunning; }, 10000)) {
            xclip.kill();
            return "<xclip timed out>";
        }
        return xclip.readAllStandardOutput();
    }

  private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) {
            QSKIP("needs the xcb platform on an X server (run through with_xvfb.sh)");
        }
        if (QStandardPaths::findExecutable(QStringLiteral("xclip")).isEmpty()) {
            QSKIP("xclip is not installed (apt-get install xclip)");
        }
        window_ = std::make_unique<MainWindow>();
        bindWindowCommands(*window_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void pasteConvertCopyThroughXclip() {
        QSignalSpy changed(QGuiApplication::clipboard(), &QClipboard::dataChanged);
        // xclip forks and keeps serving the selection in the background.
        QCOMPARE(runXclip({QStringLiteral("-selection"), QStringLiteral("clipboard"),
                           QStringLiteral("-i")},
                          QStringLiteral("白日依山尽\r\n黄河").toUtf8()),
                 QByteArray());
        // Another program now owns the clipboard; only once Qt has seen the
        // change is the paste certain to read it, and our later copy certain
        // to take the clipboard over.
        QVERIFY(!changed.isEmpty() || changed.wait(10000));

        click("按钮2");
        QCOMPARE(fromGbk(readBoxText(window_->findChild<QWidget*>(QStringLiteral("编辑框1")))),
                 QStringLiteral("白日依山尽\r\n黄河"));
        click("转换");
        click("按钮3");

        const QByteArray read = runXclip(
            {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o")});
        QCOMPARE(read, QStringLiteral("黃白\r\n河日\r\n  依\r\n  山\r\n  盡\r\n").toUtf8());
    }
};

QTEST_MAIN(ClipboardX11Test)
#include "clipboard_x11_test.moc"
