// Large and odd input through the real window: nothing crashes, a layout
// over the size limit leaves the result box as it was, the source box keeps
// exactly what was pasted.
#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

#include "tests/ui/ui_test_support.h"
#include "ui/control_text.h"
#include "ui/gbk_codec.h"
#include "ui/main_window.h"
#include "ui/window_commands.h"

using guwen::testing::control;

class HostileInputTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window_;

    QWidget* widget(const char* name) {
        return control<QWidget>(*window_, QString::fromUtf8(name));
    }
    void click(const char* name) {
        QTest::mouseClick(control<QAbstractButton>(*window_, QString::fromUtf8(name)),
                          Qt::LeftButton);
    }
    void setLine(const char* name, const QString& text) {
        control<QLineEdit>(*window_, QString::fromUtf8(name))->setText(text);
    }

    // 16 MiB of GBK: Chinese characters with a line break every forty.
    static QString hugeText() {
        const QString line = QStringLiteral(
            "白日依山尽黄河入海流欲穷千里目更上一层楼简体中文国家发展书法为人民服务春眠不觉晓处\r"
            "\n");
        QString text;
        const qsizetype lines = (16 << 20) / toGbk(line).size() + 1;
        text.reserve(lines * line.size());
        for (qsizetype i = 0; i < lines; ++i) text += line;
        return text;
    }

  private slots:
    void initTestCase() {
        window_ = std::make_unique<MainWindow>();
        bindWindowCommands(*window_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void hugePasteIsKeptWhole() {
        const QString text = hugeText();
        QGuiApplication::clipboard()->setText(text);
        click("按钮2");
        const guwen::GbkText pasted = readBoxText(widget("编辑框1"));
        QVERIFY(pasted.size() >= std::size_t{16} << 20);
        QCOMPARE(pasted, toGbk(text));
    }

    // Each of these asks for more than the size limit, or for nothing; the
    // result box must keep what it had.
    void refusedLayoutsLeaveTheResult_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("perColumn");
        QTest::newRow("two billion rows") << "转换"
                                          << "2147483647";
        QTest::newRow("more rows than the box takes in") << "转换"
                                                         << "65537";
        QTest::newRow("negative") << "转换"
                                  << "-5";
        QTest::newRow("letters") << "转换"
                                 << "abc";
        QTest::newRow("slanted square of 16 MiB") << "斜字"
                                                  << "5";
    }
    void refusedLayoutsLeaveTheResult() {
        QFETCH(QString, command);
        QFETCH(QString, perColumn);
        writeBoxText(widget("编辑框2"), toGbk(QStringLiteral("旧结果")));
        setLine("编辑框3", perColumn);
        click(command.toUtf8().constData());
        QCOMPARE(fromGbk(readBoxText(widget("编辑框2"))), QStringLiteral("旧结果"));
        QVERIFY(readBoxText(widget("编辑框1")).size() >= std::size_t{16} << 20);
    }

    void thousandCharacterSeparator() {
        const QString separator(1000, QChar(u'★'));
        setLine("编辑框4", QString());
        widget("编辑框4")->setFocus();
        setLine("编辑框4", separator);
        writeBoxText(widget("编辑框2"), toGbk(QStringLiteral("白日\r\n依山\r\n")));
        QTest::mousePress(widget("美化"), Qt::LeftButton, {}, QPoint(5, 5));
        const QString expectedLine = separator + u'白' + separator + u'日' + separator;
        QCOMPARE(fromGbk(readBoxText(widget("编辑框2"))).section(QStringLiteral("\r\n"), 0, 0),
                 expectedLine);
    }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
