// The form: every control in its place with its kind, text and initial
// state, the settings shared by each kind, and the events the commands use.

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "tests/ui/ui_test_support.h"
#include "ui/focus_line_edit.h"
#include "ui/link_label.h"
#include "ui/main_window.h"
#include "ui/pressable_label.h"

using guwen::testing::control;

namespace {

struct FormRow {
    const char* name = nullptr;
    const char* kind = nullptr;
    const char* parent = nullptr;
    QRect place;  // in the window's client area
    const char* text = nullptr;
};

// The control table, in creation order.
const FormRow kForm[] = {
    {"编辑框1", "QPlainTextEdit", "", {14, 33, 151, 199}, ""},
    {"标签1", "QLabel", "", {18, 6, 96, 24}, "欲转换文本："},
    {"编辑框3", "QLineEdit", "", {170, 206, 67, 24}, "5"},
    {"标签2", "QLabel", "", {175, 178, 56, 16}, "每列字数："},
    {"转换", "QPushButton", "", {173, 36, 64, 28}, "古文转换"},
    {"编辑框2", "QPlainTextEdit", "", {251, 33, 160, 199}, ""},
    {"标签3", "QLabel", "", {252, 9, 96, 24}, "转换后文本："},
    {"按钮2", "QPushButton", "", {15, 241, 143, 24}, "粘贴到上"},
    {"按钮3", "QPushButton", "", {252, 241, 138, 24}, "复制以上"},
    {"选择框1", "QCheckBox", "", {173, 104, 72, 24}, "去除空格"},
    {"选择框2", "QCheckBox", "", {172, 158, 72, 16}, "全角"},
    {"按钮4", "QPushButton", "", {398, 241, 24, 24}, "->"},
    {"分组框1", "QGroupBox", "", {436, 13, 80, 220}, ""},
    {"单选框1", "QRadioButton", "分组框1", {447, 74, 56, 24}, "↑型"},
    {"单选框2", "QRadioButton", "分组框1", {447, 117, 56, 16}, "¤型"},
    {"单选框3", "QRadioButton", "分组框1", {447, 159, 56, 16}, "自定义"},
    {"编辑框4", "FocusLineEdit", "分组框1", {447, 190, 56, 24}, ""},
    {"美化", "LinkLabel", "分组框1", {452, 40, 48, 16}, "美化"},
    {"按钮1", "QPushButton", "", {435, 241, 24, 24}, "<-"},
    {"斜字", "QPushButton", "", {173, 71, 64, 24}, "生成斜字"},
    {"选择框3", "QCheckBox", "", {173, 129, 64, 24}, "繁体"},
    {"图片框1", "PressableLabel", "", {0, 272, 288, 376}, ""},
    {"图片框2", "PressableLabel", "", {288, 272, 328, 168}, ""},
    {"分组框2", "QGroupBox", "", {616, 440, 120, 100}, ""},
    {"图片框3", "PressableLabel", "", {364, 449, 200, 168}, ""},
};

QString displayedText(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
    if (const auto* line = qobject_cast<const QLineEdit*>(widget)) return line->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(widget)) return box->toPlainText();
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) return group->title();
    return {};
}

QRect placeInWindow(const QWidget* control, const QWidget& window) {
    return {control->mapTo(&window, QPoint(0, 0)), control->size()};
}

}  // namespace

class WindowFormTest : public QObject {
    Q_OBJECT

  private slots:
    void controlsAreWhereTheFormPutsThem_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("text");
        for (const FormRow& row : kForm) {
            QTest::newRow(row.name)
                << QString::fromUtf8(row.name) << QString::fromUtf8(row.kind)
                << QString::fromUtf8(row.parent) << row.place << QString::fromUtf8(row.text);
        }
    }
    void controlsAreWhereTheFormPutsThem() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, parent);
        QFETCH(QRect, place);
        QFETCH(QString, text);
        MainWindow window;
        const QWidget* widget = control<QWidget>(window, name);

        QVERIFY2(widget->inherits(kind.toLatin1().constData()), widget->metaObject()->className());
        const QWidget* expectedParent =
            parent.isEmpty() ? &window : control<QWidget>(window, parent);
        QCOMPARE(widget->parentWidget(), expectedParent);
        QCOMPARE(placeInWindow(widget, window), place);
        QCOMPARE(displayedText(widget), text);
        QVERIFY(widget->isVisibleTo(&window));
        QVERIFY(widget->isEnabled());
    }

    void noControlOverlapsAnother() {
        MainWindow window;
        QList<const QWidget*> controls;
        for (const FormRow& row : kForm)
            controls.append(control<QWidget>(window, QString::fromUtf8(row.name)));
        for (const QWidget* a : controls) {
            for (const QWidget* b : controls) {
                if (a == b || a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
                QVERIFY2(
                    !placeInWindow(a, window).intersects(placeInWindow(b, window)),
                    qPrintable(a->objectName() + QStringLiteral(" overlaps ") + b->objectName()));
            }
        }
    }

    void startsInItsInitialState_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("checked");
        QTest::newRow("去除空格 unchecked") << QStringLiteral("选择框1") << false;
        QTest::newRow("全角 checked") << QStringLiteral("选择框2") << true;
        QTest::newRow("繁体 checked") << QStringLiteral("选择框3") << true;
        QTest::newRow("↑型 checked") << QStringLiteral("单选框1") << true;
        QTest::newRow("¤型 unchecked") << QStringLiteral("单选框2") << false;
        QTest::newRow("自定义 unchecked") << QStringLiteral("单选框3") << false;
    }
    void startsInItsInitialState() {
        QFETCH(QString, name);
        QFETCH(bool, checked);
        MainWindow window;
        QCOMPARE(control<QAbstractButton>(window, name)->isChecked(), checked);
    }

    void startsWithTheCaretInTheSourceBox() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(window, QStringLiteral("编辑框1")));
    }

    void isAPlainFixedTopLevelWindow() {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Tavrin古文转换"));
        QVERIFY(window.isWindow());
        QCOMPARE(window.parentWidget(), nullptr);
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(window.windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    void raisesItsCreationEventOnceBeforeShowing() {
        MainWindow window;
        QSignalSpy created(&window, &MainWindow::created);
        bool visibleWhenRaised = true;
        connect(&window, &MainWindow::created, this,
                [&] { visibleWhenRaised = window.isVisible(); });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.hide();
        window.show();
        QCOMPARE(created.count(), 1);
        QVERIFY(!visibleWhenRaised);
    }

    void multiLineBoxesScrollInsteadOfWrapping_data() { multiLineBoxes(); }
    void multiLineBoxesScrollInsteadOfWrapping() {
        QFETCH(QString, name);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* box = control<QPlainTextEdit>(window, name);
        QVERIFY(box->horizontalScrollBar()->isVisible());
        QVERIFY(box->verticalScrollBar()->isVisible());

        box->setPlainText(QString(200, u'长'));
        QCOMPARE(box->document()->lineCount(), 1);
        QVERIFY(box->horizontalScrollBar()->maximum() > 0);
    }

    void selectionIsHiddenWhileTheBoxLacksFocus_data() { multiLineBoxes(); }
    void selectionIsHiddenWhileTheBoxLacksFocus() {
        QFETCH(QString, name);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* box = control<QPlainTextEdit>(window, name);
        box->setPlainText(QStringLiteral("选中的文字"));
        control<QWidget>(window, QStringLiteral("转换"))->setFocus();
        const QImage unselected = box->grab().toImage();

        box->selectAll();
        QCOMPARE(box->grab().toImage(), unselected);
        box->setFocus();
        QVERIFY(box->grab().toImage() != unselected);
    }

    void singleLineBoxesAcceptAnyText_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("编辑框3") << QStringLiteral("编辑框3");
        QTest::newRow("编辑框4") << QStringLiteral("编辑框4");
    }
    void singleLineBoxesAcceptAnyText() {
        QFETCH(QString, name);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* box = control<QLineEdit>(window, name);
        box->setFocus();
        box->clear();
        QTest::keyClicks(box, QStringLiteral("abc-5"));
        QCOMPARE(box->text(), QStringLiteral("abc-5"));
        QVERIFY(box->validator() == nullptr);
        QVERIFY(box->maxLength() > 1000000);
    }

    void noPushButtonIsADefaultButton() {
        MainWindow window;
        for (const QPushButton* button : window.findChildren<QPushButton*>()) {
            QVERIFY2(!button->isDefault() && !button->autoDefault(),
                     qPrintable(button->objectName()));
        }
    }

    void radioButtonClicksKeepOneChecked_data() {
        QTest::addColumn<QString>("clicked");
        QTest::newRow("another button") << QStringLiteral("单选框3");
        QTest::newRow("the checked button") << QStringLiteral("单选框1");
    }
    void radioButtonClicksKeepOneChecked() {
        QFETCH(QString, clicked);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* button = control<QRadioButton>(window, clicked);
        bool checkedWhenRaised = false;
        connect(button, &QAbstractButton::clicked, this,
                [&] { checkedWhenRaised = button->isChecked(); });

        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, button->height() / 2));
        QVERIFY(checkedWhenRaised);
        for (const char* name : {"单选框1", "单选框2", "单选框3"}) {
            const QString other = QString::fromUtf8(name);
            QCOMPARE(control<QRadioButton>(window, other)->isChecked(), other == clicked);
        }
    }

    void writingACheckedStateTouchesOneButtonOnly() {
        MainWindow window;
        auto* arrow = control<QRadioButton>(window, QStringLiteral("单选框1"));
        auto* custom = control<QRadioButton>(window, QStringLiteral("单选框3"));
        QSignalSpy arrowClicks(arrow, &QAbstractButton::clicked);
        QSignalSpy customClicks(custom, &QAbstractButton::clicked);

        custom->setChecked(true);
        QVERIFY(arrow->isChecked());
        arrow->setChecked(false);
        QVERIFY(!arrow->isChecked());
        QVERIFY(custom->isChecked());
        QCOMPARE(arrowClicks.count() + customClicks.count(), 0);
    }

    void linkLabelLooksLikeALink() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* link = control<LinkLabel>(window, QStringLiteral("美化"));
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!link->font().underline());
        QCOMPARE(link->alignment(), Qt::AlignCenter);
        QCOMPARE(link->focusPolicy(), Qt::NoFocus);

        QTest::mouseMove(link);
        QTRY_COMPARE(link->palette().color(QPalette::WindowText), QColor(51, 153, 254));
        QTest::mouseMove(control<QWidget>(window, QStringLiteral("标签1")));
        QTRY_COMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }

    void pressIsRaisedOnceByAButtonDown_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("图片框2") << QStringLiteral("图片框2");
        QTest::newRow("图片框3") << QStringLiteral("图片框3");
        QTest::newRow("美化") << QStringLiteral("美化");
    }
    void pressIsRaisedOnceByAButtonDown() {
        QFETCH(QString, name);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* target = control<PressableLabel>(window, name);
        QSignalSpy presses(target, &PressableLabel::pressed);

        QTest::mousePress(target, Qt::LeftButton);
        QCOMPARE(presses.count(), 1);  // at the press, before the release
        QTest::mouseRelease(target, Qt::LeftButton);
        QTest::mouseClick(target, Qt::RightButton);
        QCOMPARE(presses.count(), 1);
        // A double click arrives as a press, a release and then a double
        // click event in place of the second press.
        presses.clear();
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::mouseDClick(target, Qt::LeftButton);
        QCOMPARE(presses.count(), 1);
    }

    void customBoxReportsEveryFocusGain() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* custom = control<FocusLineEdit>(window, QStringLiteral("编辑框4"));
        QSignalSpy received(custom, &FocusLineEdit::focusReceived);

        QTest::mouseClick(custom, Qt::LeftButton);
        QCOMPARE(received.count(), 1);
        control<QWidget>(window, QStringLiteral("单选框3"))->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), custom);
        QCOMPARE(received.count(), 2);

        QFocusEvent returnFromMenu(QEvent::FocusIn, Qt::PopupFocusReason);
        QApplication::sendEvent(custom, &returnFromMenu);
        QCOMPARE(received.count(), 2);
    }

  private:
    static void multiLineBoxes() {
        QTest::addColumn<QString>("name");
        QTest::newRow("编辑框1") << QStringLiteral("编辑框1");
        QTest::newRow("编辑框2") << QStringLiteral("编辑框2");
    }
};

QTEST_MAIN(WindowFormTest)
#include "window_form_test.moc"
