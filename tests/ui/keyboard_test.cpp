// The keyboard: Tab walks a fixed ring of 16 stops, Shift+Tab moves nothing,
// the arrow keys step through the radio buttons, Space activates, Enter only
// breaks lines in the multi-line boxes, Esc and F1 do nothing.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "tests/ui/ui_test_support.h"
#include "ui/control_text.h"
#include "ui/main_window.h"

using guwen::testing::control;

namespace {

const QStringList kRing = {
    QStringLiteral("编辑框1"), QStringLiteral("编辑框3"), QStringLiteral("转换"),
    QStringLiteral("编辑框2"), QStringLiteral("按钮2"),   QStringLiteral("按钮3"),
    QStringLiteral("选择框1"), QStringLiteral("选择框2"), QStringLiteral("按钮4"),
    QStringLiteral("单选框1"), QStringLiteral("单选框2"), QStringLiteral("单选框3"),
    QStringLiteral("编辑框4"), QStringLiteral("按钮1"),   QStringLiteral("斜字"),
    QStringLiteral("选择框3"),
};

const QStringList kEditBoxes = {QStringLiteral("编辑框1"), QStringLiteral("编辑框2"),
                                QStringLiteral("编辑框3"), QStringLiteral("编辑框4")};

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

QString focusName() {
    const QWidget* focused = QApplication::focusWidget();
    return focused != nullptr ? focused->objectName() : QStringLiteral("(none)");
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        window_ = std::make_unique<MainWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        clicks_ = 0;
        for (auto* button : window_->findChildren<QAbstractButton*>()) {
            connect(button, &QAbstractButton::clicked, this, [this, button] {
                ++clicks_;
                lastClicked_ = button->objectName();
            });
        }
    }
    void cleanup() { window_.reset(); }

    void tabWalksTheRingInCreationOrder_data() {
        QTest::addColumn<int>("outerWidth");
        QTest::newRow("at start") << 622;
        QTest::newRow("narrowed, stops out of sight included") << 438;
        QTest::newRow("widened") << 540;
    }
    void tabWalksTheRingInCreationOrder() {
        QFETCH(int, outerWidth);
        window_->setOuterWidth(outerWidth);
        QCOMPARE(focusName(), kRing.first());

        QStringList visited;
        for (qsizetype i = 0; i < kRing.size(); ++i) {
            press(Qt::Key_Tab);
            visited.append(focusName());
        }
        QCOMPARE(visited, kRing.mid(1) + kRing.mid(0, 1));
    }

    void tabSkipsADisabledStop() {
        control<QWidget>(*window_, QStringLiteral("编辑框4"))->setEnabled(false);
        control<QWidget>(*window_, QStringLiteral("单选框3"))->setFocus();
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("按钮1"));
    }

    void tabIsNeverTyped() {
        auto* source = control<QPlainTextEdit>(*window_, QStringLiteral("编辑框1"));
        source->setPlainText(QStringLiteral("ab"));
        press(Qt::Key_Tab);
        QCOMPARE(source->toPlainText(), QStringLiteral("ab"));
        QCOMPARE(focusName(), QStringLiteral("编辑框3"));
    }

    void shiftTabAndArrowsMoveNoFocus_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::newRow("Shift+Tab in 编辑框3") << QStringLiteral("编辑框3") << int(Qt::Key_Backtab);
        QTest::newRow("Shift+Tab on 转换") << QStringLiteral("转换") << int(Qt::Key_Backtab);
        QTest::newRow("Shift+Tab on 单选框2") << QStringLiteral("单选框2") << int(Qt::Key_Backtab);
        QTest::newRow("Shift+Tab in 编辑框1") << QStringLiteral("编辑框1") << int(Qt::Key_Backtab);
        QTest::newRow("Down on 转换") << QStringLiteral("转换") << int(Qt::Key_Down);
        QTest::newRow("Right on 选择框1") << QStringLiteral("选择框1") << int(Qt::Key_Right);
        QTest::newRow("Left on 按钮4") << QStringLiteral("按钮4") << int(Qt::Key_Left);
    }
    void shiftTabAndArrowsMoveNoFocus() {
        QFETCH(QString, focused);
        QFETCH(int, key);
        control<QWidget>(*window_, focused)->setFocus();
        press(key);
        QCOMPARE(focusName(), focused);
        QCOMPARE(clicks_, 0);
    }

    void arrowsStepThroughTheRadioButtons_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("reached");
        QTest::newRow("Down from 单选框2")
            << QStringLiteral("单选框2") << int(Qt::Key_Down) << QStringLiteral("单选框3");
        QTest::newRow("Right from 单选框1")
            << QStringLiteral("单选框1") << int(Qt::Key_Right) << QStringLiteral("单选框2");
        QTest::newRow("Down from 单选框3 wraps")
            << QStringLiteral("单选框3") << int(Qt::Key_Down) << QStringLiteral("单选框1");
        QTest::newRow("Up from 单选框1 wraps")
            << QStringLiteral("单选框1") << int(Qt::Key_Up) << QStringLiteral("单选框3");
        QTest::newRow("Left from 单选框3")
            << QStringLiteral("单选框3") << int(Qt::Key_Left) << QStringLiteral("单选框2");
    }
    void arrowsStepThroughTheRadioButtons() {
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(QString, reached);
        auto* target = control<QAbstractButton>(*window_, reached);
        bool checkedWhenClicked = false;
        connect(target, &QAbstractButton::clicked, this,
                [&] { checkedWhenClicked = target->isChecked(); });
        control<QWidget>(*window_, focused)->setFocus();

        press(key);
        QCOMPARE(focusName(), reached);
        QCOMPARE(clicks_, 1);
        QCOMPARE(lastClicked_, reached);
        QVERIFY(checkedWhenClicked);
        for (const char* name : {"单选框1", "单选框2", "单选框3"}) {
            const QString radio = QString::fromUtf8(name);
            QCOMPARE(control<QAbstractButton>(*window_, radio)->isChecked(), radio == reached);
        }
    }

    void spaceActivatesTheFocusedControl_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<bool>("checkedAfter");
        QTest::newRow("push button") << QStringLiteral("转换") << false;
        QTest::newRow("check box toggles") << QStringLiteral("选择框1") << true;
        QTest::newRow("radio button") << QStringLiteral("单选框2") << true;
    }
    void spaceActivatesTheFocusedControl() {
        QFETCH(QString, focused);
        QFETCH(bool, checkedAfter);
        control<QWidget>(*window_, focused)->setFocus();
        press(Qt::Key_Space);
        QCOMPARE(clicks_, 1);
        QCOMPARE(lastClicked_, focused);
        QCOMPARE(control<QAbstractButton>(*window_, focused)->isChecked(), checkedAfter);
    }

    void enterOnlyBreaksLinesInMultiLineBoxes_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        for (const QString& stop : kRing) {
            QTest::newRow(qPrintable(QStringLiteral("Return on ") + stop))
                << stop << int(Qt::Key_Return);
        }
        QTest::newRow("keypad Enter on 转换") << QStringLiteral("转换") << int(Qt::Key_Enter);
        QTest::newRow("keypad Enter in 编辑框2") << QStringLiteral("编辑框2") << int(Qt::Key_Enter);
    }
    void enterOnlyBreaksLinesInMultiLineBoxes() {
        QFETCH(QString, focused);
        QFETCH(int, key);
        control<QWidget>(*window_, focused)->setFocus();
        const QStringList before = boxTexts();

        press(key);
        QCOMPARE(focusName(), focused);
        QCOMPARE(clicks_, 0);
        // Both multi-line boxes start empty; a break makes them CR LF.
        QStringList expected = before;
        const qsizetype box = kEditBoxes.indexOf(focused);
        if (box == 0 || box == 1) expected[box] = QStringLiteral("0D 0A");
        QCOMPARE(boxTexts(), expected);
    }

    void escAndF1DoNothing_data() {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::newRow("Esc in 编辑框1") << QStringLiteral("编辑框1") << int(Qt::Key_Escape);
        QTest::newRow("Esc on 按钮3") << QStringLiteral("按钮3") << int(Qt::Key_Escape);
        QTest::newRow("F1 in 编辑框3") << QStringLiteral("编辑框3") << int(Qt::Key_F1);
        QTest::newRow("F1 on 单选框1") << QStringLiteral("单选框1") << int(Qt::Key_F1);
    }
    void escAndF1DoNothing() {
        QFETCH(QString, focused);
        QFETCH(int, key);
        writeBoxText(control<QWidget>(*window_, QStringLiteral("编辑框1")), "abc");
        control<QWidget>(*window_, focused)->setFocus();
        const QStringList before = boxTexts();

        press(key);
        QVERIFY(window_->isVisible());
        QCOMPARE(focusName(), focused);
        QCOMPARE(boxTexts(), before);
        QCOMPARE(clicks_, 0);
    }

    void focusComesBackWhenTheWindowIsActivatedAgain() {
        control<QWidget>(*window_, QStringLiteral("按钮3"))->setFocus();
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));

        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QCOMPARE(focusName(), QStringLiteral("按钮3"));
    }

    void closingEndsAtOnceWithTextInTheBoxes() {
        writeBoxText(control<QWidget>(*window_, QStringLiteral("编辑框1")), "abc");
        writeBoxText(control<QWidget>(*window_, QStringLiteral("编辑框2")), "abc");
        // Nothing vetoes the close; with it the last window is gone and the
        // event loop ends.
        QVERIFY(window_->close());
        QVERIFY(!window_->isVisible());
        QVERIFY(QApplication::quitOnLastWindowClosed());
    }

  private:
    [[nodiscard]] QStringList boxTexts() const {
        QStringList texts;
        for (const QString& name : kEditBoxes)
            texts.append(guwen::testing::hex(readBoxText(control<QWidget>(*window_, name))));
        return texts;
    }

    std::unique_ptr<MainWindow> window_;
    int clicks_ = 0;
    QString lastClicked_;
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
