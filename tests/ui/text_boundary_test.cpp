// Texts cross between the edit boxes and the engine as code page 936 bytes
// with CR LF line breaks, in both directions, and nothing at the boundary
// fails or loses a byte silently.

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <string>

#include "tests/ui/ui_test_support.h"
#include "ui/control_text.h"
#include "ui/focus_line_edit.h"
#include "ui/gbk_codec.h"
#include "ui/main_window.h"
#include "ui/pressable_label.h"

using guwen::testing::control;
using guwen::testing::hex;
using guwen::testing::hexBytes;

namespace {

// Every two-byte cell of code page 936: lead 81..FE, trail 40..7E and 80..FE.
std::string allTwoByteCells() {
    std::string cells;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            cells.push_back(static_cast<char>(lead));
            cells.push_back(static_cast<char>(trail));
        }
    }
    return cells;
}

// The first cell where two texts of whole cells part, for a readable failure.
QString firstDifferentCell(const std::string& expected, const std::string& actual) {
    for (std::size_t i = 0; i + 2 <= expected.size() && i + 2 <= actual.size(); i += 2) {
        if (expected.compare(i, 2, actual, i, 2) != 0) {
            return QStringLiteral("cell %1 reads back as %2")
                .arg(hex(expected.substr(i, 2)), hex(actual.substr(i, 2)));
        }
    }
    return QStringLiteral("lengths %1 and %2").arg(expected.size()).arg(actual.size());
}

}  // namespace

class TextBoundaryTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY2(gbkCodecAvailable(), "this Qt has no GBK converter"); }

    void encodesForTheEngine_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("bytes");
        QTest::newRow("ascii") << QStringLiteral("a1 ~") << "61 31 20 7E";
        QTest::newRow("two-byte characters")
            << QStringLiteral("白日↑¤") << "B0 D7 C8 D5 A1 FC A1 E8";
        QTest::newRow("euro sign is the single byte 80") << QStringLiteral("€") << "80";
        QTest::newRow("character outside the code page becomes ?")
            << QStringLiteral("a😀b") << "61 3F 62";
        QTest::newRow("lone surrogate becomes ?") << (QString(QChar(0xD800)) + u'b') << "3F 62";
        QTest::newRow("lone surrogate at the very end becomes ?")
            << (QString(u'a') + QChar(0xD800)) << "61 3F";
        QTest::newRow("invisible format characters vanish")
            << QStringLiteral("a\u200B\uFEFFb\u2764\uFE0F") << "61 62 3F";
        QTest::newRow("NUL never enters the engine") << QString::fromUtf16(u"a\0b", 3) << "61 62";
        QTest::newRow("empty") << QString() << "";
    }
    void encodesForTheEngine() {
        QFETCH(QString, text);
        QFETCH(QString, bytes);
        QCOMPARE(hex(toGbk(text)), bytes);
    }

    void decodesFromTheEngine_data() {
        QTest::addColumn<QString>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("two-byte characters") << "C4 E3 BA C3" << QStringLiteral("你好");
        QTest::newRow("lead byte left alone at the end")
            << "C4 E3 C4" << QStringLiteral("你\uFFFD");
        QTest::newRow("lone lead byte") << "A1" << QStringLiteral("\uFFFD");
        QTest::newRow("lead byte before a line break keeps the break")
            << "C4 0D 0A" << QStringLiteral("\uFFFD\r\n");
        QTest::newRow("invalid trail byte keeps the next character")
            << "81 30 41" << QStringLiteral("\uFFFD0A");
        QTest::newRow("empty") << "" << QString();
    }
    void decodesFromTheEngine() {
        QFETCH(QString, bytes);
        QFETCH(QString, text);
        QCOMPARE(fromGbk(hexBytes(bytes.toStdString())), text);
    }

    void everyTwoByteCellRoundTrips_data() { boxes(); }
    void everyTwoByteCellRoundTrips() {
        QFETCH(QString, box);
        MainWindow window;
        auto* target = control<QWidget>(window, box);
        const std::string cells = allTwoByteCells();
        QCOMPARE(cells.size(), std::size_t{23940} * 2);

        writeBoxText(target, cells);
        const std::string back = readBoxText(target);
        QVERIFY2(back == cells, qPrintable(firstDifferentCell(cells, back)));
    }

    void everyOneByteCharacterRoundTrips_data() { boxes(); }
    void everyOneByteCharacterRoundTrips() {
        QFETCH(QString, box);
        MainWindow window;
        auto* target = control<QWidget>(window, box);
        const bool multiLine = qobject_cast<QPlainTextEdit*>(target) != nullptr;
        for (int code = 0x01; code < 0x80; ++code) {
            // A lone CR or LF starts a new line in a multi-line box and reads
            // back as the pair; the pair is checked on its own.
            if (multiLine && (code == '\r' || code == '\n')) continue;
            const std::string text{'<', static_cast<char>(code), '>'};
            writeBoxText(target, text);
            QCOMPARE(hex(readBoxText(target)), hex(text));
        }
    }

    void multiLineBoxKeepsCrLfLines_data() {
        QTest::addColumn<QString>("bytes");
        QTest::addColumn<int>("lines");
        QTest::newRow("two lines") << "61 0D 0A 62" << 2;
        QTest::newRow("break at the end") << "61 0D 0A" << 2;
        QTest::newRow("only breaks") << "0D 0A 0D 0A" << 3;
        QTest::newRow("two-byte text") << "B0 D7 0D 0A C8 D5" << 2;
        QTest::newRow("empty") << "" << 1;
    }
    void multiLineBoxKeepsCrLfLines() {
        QFETCH(QString, bytes);
        QFETCH(int, lines);
        MainWindow window;
        auto* result = control<QPlainTextEdit>(window, QStringLiteral("编辑框2"));
        const std::string text = hexBytes(bytes.toStdString());

        writeBoxText(result, text);
        QCOMPARE(result->blockCount(), lines);
        QCOMPARE(hex(readBoxText(result)), hex(text));
    }

    void typedTextReadsAsEngineBytes_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("bytes");
        QTest::newRow("new line reads as CR LF")
            << QStringLiteral("编辑框1") << QStringLiteral("白\n日") << "B0 D7 0D 0A C8 D5";
        QTest::newRow("character outside the code page")
            << QStringLiteral("编辑框1") << QStringLiteral("😀\n") << "3F 0D 0A";
        QTest::newRow("single-line box")
            << QStringLiteral("编辑框3") << QStringLiteral("５") << "A3 B5";
        QTest::newRow("empty box gives the empty text")
            << QStringLiteral("编辑框4") << QString() << "";
    }
    void typedTextReadsAsEngineBytes() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, bytes);
        MainWindow window;
        auto* target = control<QWidget>(window, box);
        if (auto* multiLine = qobject_cast<QPlainTextEdit*>(target)) {
            multiLine->setPlainText(typed);
        } else {
            qobject_cast<QLineEdit*>(target)->setText(typed);
        }
        QCOMPARE(hex(readBoxText(target)), bytes);
    }

    void singleLineBoxHasNoLengthLimit() {
        MainWindow window;
        auto* perColumn = control<QLineEdit>(window, QStringLiteral("编辑框3"));
        const std::string text = std::string(40000, 'x') + hexBytes("B0 D7");

        writeBoxText(perColumn, text);
        QCOMPARE(readBoxText(perColumn).size(), text.size());
    }

    void writingRaisesNoEvent() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        int events = 0;
        for (auto* button : window.findChildren<QAbstractButton*>()) {
            connect(button, &QAbstractButton::clicked, this, [&events] { ++events; });
        }
        auto* custom = control<FocusLineEdit>(window, QStringLiteral("编辑框4"));
        connect(custom, &FocusLineEdit::focusReceived, this, [&events] { ++events; });

        for (const char* name : {"编辑框1", "编辑框2", "编辑框3", "编辑框4"}) {
            writeBoxText(control<QWidget>(window, QString::fromUtf8(name)),
                         hexBytes("A1 FC 0D 0A"));
        }
        QCOMPARE(events, 0);
        QCOMPARE(window.focusWidget(), control<QWidget>(window, QStringLiteral("编辑框1")));
    }

  private:
    static void boxes() {
        QTest::addColumn<QString>("box");
        QTest::newRow("multi-line box") << QStringLiteral("编辑框2");
        QTest::newRow("single-line box") << QStringLiteral("编辑框4");
    }
};

QTEST_MAIN(TextBoundaryTest)
#include "text_boundary_test.moc"
