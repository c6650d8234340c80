// A seeded monkey: thousands of random things a user can do to the window,
// each followed by checks against a small model of what the window must hold.
// A failure names the seed and the step; MONKEY_SEED and MONKEY_STEPS replay
// or lengthen a run.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>
#include <optional>
#include <random>

#include "layout/column_conversion.h"
#include "layout/line_decoration.h"
#include "layout/slanted_text.h"
#include "tests/ui/ui_test_support.h"
#include "ui/control_text.h"
#include "ui/gbk_codec.h"
#include "ui/main_window.h"
#include "ui/window_commands.h"

using guwen::GbkText;
using guwen::testing::control;

namespace {

// What the user has put into the window, and what the commands must have
// made of it.
struct Model {
    GbkText source;
    GbkText result;
    QString perColumn = QStringLiteral("5");
    QString custom;
    bool removeSpaces = false;
    bool fullWidth = true;
    bool traditional = true;
    int separator = 1;  // the checked radio button, 1 to 3
    int width = 622;
};

// A text box cannot hold bytes that are not GBK text; what it gives back is
// what the commands read the next time.
GbkText asBoxHoldsIt(const GbkText& bytes) { return toGbk(fromGbk(bytes)); }

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window_;
    Model model_;
    std::mt19937 random_;
    std::uint32_t seed_ = 0;
    int step_ = 0;
    QString lastAction_;

    int uniform(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }
    QWidget* widget(const QString& name) { return control<QWidget>(*window_, name); }
    QAbstractButton* button(const QString& name) {
        return control<QAbstractButton>(*window_, name);
    }

    QString where() const {
        return QStringLiteral("seed %1, step %2 (%3)").arg(seed_).arg(step_).arg(lastAction_);
    }

    // Texts a user pastes: GBK text with CR LF line breaks, full-width forms,
    // the stars, characters outside the code page, now and then a large one.
    QString randomText() {
        static const QStringList kPieces = {
            QStringLiteral("白日"),   QStringLiteral("依山尽"), QStringLiteral("简体国"),
            QStringLiteral(" "),      QStringLiteral("\t"),     QStringLiteral("\r\n"),
            QStringLiteral("ａ，５"), QStringLiteral("★☆"),     QStringLiteral("abc"),
            QStringLiteral("~"),      QStringLiteral("😀"),      QStringLiteral("‘’“”"),
            QStringLiteral("　"),     QStringLiteral("餘余馀"), QStringLiteral("é"),
            QStringLiteral("7"),
        };
        QString text;
        const int pieces = uniform(0, 12);
        for (int i = 0; i < pieces; ++i)
            text += kPieces.at(uniform(0, static_cast<int>(kPieces.size()) - 1));
        if (uniform(0, 150) == 0)
            text = text.repeated(
                std::max<qsizetype>(1, (32 << 10) / std::max<qsizetype>(1, text.size())));
        return text;
    }

    QString randomPerColumn() {
        static const QStringList kValues = {
            QStringLiteral("5"),    QStringLiteral("1"),     QStringLiteral("3"),
            QStringLiteral("０"),   QStringLiteral("-5"),    QStringLiteral("2147483647"),
            QStringLiteral(""),     QStringLiteral("abc"),   QStringLiteral("５"),
            QStringLiteral(" 12x"), QStringLiteral("65537"), QStringLiteral("40"),
        };
        return kValues.at(uniform(0, static_cast<int>(kValues.size()) - 1));
    }

    // The commands, as the model expects them to act.
    void expectColumns() {
        const auto result =
            guwen::convertToColumns({model_.source, guwen::parseInteger(toGbk(model_.perColumn)),
                                     model_.traditional, model_.removeSpaces, model_.fullWidth});
        if (result) model_.result = asBoxHoldsIt(*result);
    }
    void expectSlanted() {
        if (const auto result = guwen::makeSlantedText(model_.source))
            model_.result = asBoxHoldsIt(*result);
    }
    void expectDecoration() {
        GbkText separator;
        if (model_.separator == 1) separator = "\xA1\xFC";
        if (model_.separator == 2) separator = "\xA1\xE8";
        if (model_.separator == 3) separator = toGbk(model_.custom);
        if (separator.empty()) return;
        if (const auto result = guwen::decorateLines(model_.result, separator)) {
            model_.result = asBoxHoldsIt(*result);
        }
    }
    void expectActivation(const QString& name) {
        if (name == QStringLiteral("转换")) expectColumns();
        if (name == QStringLiteral("斜字")) expectSlanted();
        if (name == QStringLiteral("按钮1")) model_.width = 438;
        if (name == QStringLiteral("按钮4")) model_.width = 540;
        if (name == QStringLiteral("按钮2")) {
            model_.source = asBoxHoldsIt(toGbk(QGuiApplication::clipboard()->text()));
        }
        if (name == QStringLiteral("选择框1")) model_.removeSpaces = !model_.removeSpaces;
        if (name == QStringLiteral("选择框2")) model_.fullWidth = !model_.fullWidth;
        if (name == QStringLiteral("选择框3")) model_.traditional = !model_.traditional;
        if (name.startsWith(QStringLiteral("单选框"))) model_.separator = name.right(1).toInt();
    }
    void expectFocusArrived() {
        const QWidget* focused = QApplication::focusWidget();
        if (focused != nullptr && focused->objectName() == QStringLiteral("编辑框4"))
            model_.separator = 3;
    }

    static const QStringList& activatable() {
        static const QStringList kNames = {
            QStringLiteral("转换"),    QStringLiteral("斜字"),    QStringLiteral("按钮1"),
            QStringLiteral("按钮2"),   QStringLiteral("按钮3"),   QStringLiteral("按钮4"),
            QStringLiteral("选择框1"), QStringLiteral("选择框2"), QStringLiteral("选择框3"),
            QStringLiteral("单选框1"), QStringLiteral("单选框2"), QStringLiteral("单选框3"),
        };
        return kNames;
    }

    void act() {
        const bool resultIsLarge = model_.result.size() > (std::size_t{256} << 10);
        switch (uniform(0, 11)) {
            case 0: {  // click a button, a check box or a radio button
                const QString name =
                    activatable().at(uniform(0, static_cast<int>(activatable().size()) - 1));
                lastAction_ = QStringLiteral("click ") + name;
                expectActivation(
                    name);  // paste reads the clipboard before the click changes nothing
                QTest::mouseClick(button(name), Qt::LeftButton);
                break;
            }
            case 1:
                if (resultIsLarge) return;
                lastAction_ = QStringLiteral("press 美化");
                expectDecoration();
                QTest::mousePress(widget(QStringLiteral("美化")), Qt::LeftButton, {}, QPoint(5, 5));
                break;
            case 2: {
                const QString text = randomText();
                lastAction_ = QStringLiteral("copy elsewhere, %1 characters").arg(text.size());
                QGuiApplication::clipboard()->setText(text);
                break;
            }
            case 3: {
                lastAction_ = QStringLiteral("paste");
                expectActivation(QStringLiteral("按钮2"));
                QTest::mouseClick(button(QStringLiteral("按钮2")), Qt::LeftButton);
                break;
            }
            case 4: {
                model_.perColumn = randomPerColumn();
                lastAction_ = QStringLiteral("characters per column ") + model_.perColumn;
                control<QLineEdit>(*window_, QStringLiteral("编辑框3"))->setText(model_.perColumn);
                break;
            }
            case 5:
                lastAction_ = QStringLiteral("click into 编辑框4");
                QTest::mouseClick(widget(QStringLiteral("编辑框4")), Qt::LeftButton);
                model_.separator = 3;
                break;
            case 6: {
                model_.custom = QStringList{QStringLiteral("*"), QStringLiteral("〓"), QString(),
                                            QStringLiteral("ab"), QString(40, QChar(u'★'))}
                                    .at(uniform(0, 4));
                lastAction_ = QStringLiteral("custom separator ") + model_.custom;
                control<QLineEdit>(*window_, QStringLiteral("编辑框4"))->setText(model_.custom);
                break;
            }
            case 7:
            case 8: {  // Tab, arrows, Space, Enter, Esc on whatever has the focus
                QWidget* focused = QApplication::focusWidget();
                if (focused == nullptr) return;
                const QString name = focused->objectName();
                const int key =
                    std::array{
                        Qt::Key_Tab,   Qt::Key_Tab,    Qt::Key_Down,  Qt::Key_Up,
                        Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape}[static_cast<std::size_t>(
                        uniform(0, 6))];
                lastAction_ = QStringLiteral("key %1 on %2").arg(key, 0, 16).arg(name);
                const bool onRadio = name.startsWith(QStringLiteral("单选框"));
                if (key == Qt::Key_Space && activatable().contains(name)) expectActivation(name);
                if ((key == Qt::Key_Down || key == Qt::Key_Up) && onRadio) {
                    const int here = name.right(1).toInt();
                    model_.separator = (here - 1 + (key == Qt::Key_Down ? 1 : 2)) % 3 + 1;
                }
                if (key == Qt::Key_Space && qobject_cast<QLineEdit*>(focused) != nullptr) {
                    QTest::keyClick(focused, Qt::Key_End);
                    if (name == QStringLiteral("编辑框3")) model_.perColumn += u' ';
                    if (name == QStringLiteral("编辑框4")) model_.custom += u' ';
                }
                if (key == Qt::Key_Space && qobject_cast<QPlainTextEdit*>(focused) != nullptr) {
                    QTest::keyClick(focused, Qt::Key_End, Qt::ControlModifier);
                    (name == QStringLiteral("编辑框1") ? model_.source : model_.result) += ' ';
                }
                if (key == Qt::Key_Return && name == QStringLiteral("编辑框1")) {
                    QTest::keyClick(focused, Qt::Key_End, Qt::ControlModifier);
                    model_.source += "\r\n";
                }
                if (key == Qt::Key_Return && name == QStringLiteral("编辑框2")) {
                    QTest::keyClick(focused, Qt::Key_End, Qt::ControlModifier);
                    model_.result += "\r\n";
                }
                QTest::keyClick(focused, static_cast<Qt::Key>(key));
                if (key == Qt::Key_Tab) expectFocusArrived();
                break;
            }
            case 9: {  // type at the end of the focused edit box
                QWidget* focused = QApplication::focusWidget();
                if (focused == nullptr) return;
                const QString name = focused->objectName();
                const QString typed = QStringList{QStringLiteral("ab"), QStringLiteral("春 风"),
                                                  QStringLiteral("7"), QStringLiteral("，")}
                                          .at(uniform(0, 3));
                lastAction_ = QStringLiteral("type '%1' into %2").arg(typed, name);
                if (name == QStringLiteral("编辑框1"))
                    model_.source += toGbk(typed);
                else if (name == QStringLiteral("编辑框2"))
                    model_.result += toGbk(typed);
                else if (name == QStringLiteral("编辑框3"))
                    model_.perColumn += typed;
                else if (name == QStringLiteral("编辑框4"))
                    model_.custom += typed;
                else
                    return;
                // The caret goes to the very end first: Ctrl+End in a text
                // box, End in a line box.
                const bool lineBox = qobject_cast<QLineEdit*>(focused) != nullptr;
                QTest::keyClick(focused, Qt::Key_End,
                                lineBox ? Qt::NoModifier : Qt::ControlModifier);
                // Chinese comes from an input method as committed text.
                QInputMethodEvent commit;
                commit.setCommitString(typed);
                QApplication::sendEvent(focused, &commit);
                break;
            }
            case 10:
                lastAction_ = QStringLiteral("narrow");
                model_.width = 438;
                QTest::mouseClick(button(QStringLiteral("按钮1")), Qt::LeftButton);
                break;
            default:
                lastAction_ = QStringLiteral("widen");
                model_.width = 540;
                QTest::mouseClick(button(QStringLiteral("按钮4")), Qt::LeftButton);
                break;
        }
    }

    void check() {
        const auto sameText = [this](const char* name, const GbkText& expected) {
            const GbkText actual = readBoxText(widget(QString::fromUtf8(name)));
            if (actual == expected) return true;
            qWarning("%s at %s\n  actual   %s\n  expected %s", name, qPrintable(where()),
                     qPrintable(guwen::testing::hex(actual.substr(0, 200))),
                     qPrintable(guwen::testing::hex(expected.substr(0, 200))));
            return false;
        };
        QVERIFY2(sameText("编辑框1", model_.source), "编辑框1 lost what the user put there");
        QVERIFY2(sameText("编辑框2", model_.result), "编辑框2 is not what the last command wrote");
        int checked = 0;
        for (int i = 1; i <= 3; ++i) {
            const bool on = button(QStringLiteral("单选框%1").arg(i))->isChecked();
            checked += on ? 1 : 0;
            QVERIFY2(on == (model_.separator == i),
                     qPrintable(QStringLiteral("wrong separator at ") + where()));
        }
        QVERIFY2(checked == 1,
                 qPrintable(QStringLiteral("not one radio button checked at ") + where()));
        QVERIFY2(button(QStringLiteral("选择框1"))->isChecked() == model_.removeSpaces,
                 qPrintable(where()));
        QVERIFY2(button(QStringLiteral("选择框2"))->isChecked() == model_.fullWidth,
                 qPrintable(where()));
        QVERIFY2(button(QStringLiteral("选择框3"))->isChecked() == model_.traditional,
                 qPrintable(where()));
        QVERIFY2(window_->outerWidth() == model_.width,
                 qPrintable(QStringLiteral("width %1 at ").arg(window_->outerWidth()) + where()));
    }

  private slots:
    void randomUse() {
        seed_ = qEnvironmentVariableIsSet("MONKEY_SEED")
                    ? qEnvironmentVariable("MONKEY_SEED").toUInt()
                    : 20261211U;
        const int steps = qEnvironmentVariableIsSet("MONKEY_STEPS")
                              ? qEnvironmentVariableIntValue("MONKEY_STEPS")
                              : 2000;
        random_.seed(seed_);
        const bool trace = qEnvironmentVariableIsSet("MONKEY_TRACE");

        window_ = std::make_unique<MainWindow>();
        bindWindowCommands(*window_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QGuiApplication::clipboard()->clear();

        for (step_ = 1; step_ <= steps; ++step_) {
            act();
            if (trace) qInfo("step %d: %s", step_, qPrintable(lastAction_));
            check();
            if (QTest::currentTestFailed()) return;
        }
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
