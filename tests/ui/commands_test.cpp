// The window's commands driven through the real widgets: buttons clicked,
// pictures pressed, the custom box focused, the clipboard used.
#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <memory>

#include "layout/result_limit.h"
#include "tests/ui/ui_test_support.h"
#include "ui/control_text.h"
#include "ui/gbk_codec.h"
#include "ui/main_window.h"
#include "ui/web_links.h"
#include "ui/window_commands.h"

using guwen::testing::control;

// Stands in for the browser: records every address the desktop is asked to
// open, so no test ever starts a real one.
class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
    Q_SLOT void open(const QUrl& url) { opened.append(url); }
};

class CommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindow> window_;
    UrlRecorder urls_;

    QPlainTextEdit* box(const char* name) {
        return control<QPlainTextEdit>(*window_, QString::fromUtf8(name));
    }
    QLineEdit* line(const char* name) {
        return control<QLineEdit>(*window_, QString::fromUtf8(name));
    }
    QAbstractButton* button(const char* name) {
        return control<QAbstractButton>(*window_, QString::fromUtf8(name));
    }
    QWidget* widget(const char* name) {
        return control<QWidget>(*window_, QString::fromUtf8(name));
    }

    // The text of an edit box as the commands see it, shown as Unicode with
    // CR LF line breaks.
    QString boxText(const char* name) { return fromGbk(readBoxText(widget(name))); }
    void setBoxText(const char* name, const QString& text) {
        writeBoxText(widget(name), toGbk(text));
    }

    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    // A user's double click reaches a widget as press, release, double
    // click, release; QTest's mouseDClick sends only the double-click part.
    void doubleClick(const char* name) {
        QTest::mouseClick(widget(name), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseDClick(widget(name), Qt::LeftButton, {}, QPoint(5, 5));
    }
    void press(const char* name) {
        QTest::mousePress(widget(name), Qt::LeftButton, {}, QPoint(5, 5));
    }

  private slots:
    void initTestCase() { QDesktopServices::setUrlHandler(QStringLiteral("http"), &urls_, "open"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }

    void init() {
        window_ = std::make_unique<MainWindow>();
        bindWindowCommands(*window_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        urls_.opened.clear();
    }
    void cleanup() { window_.reset(); }

    void columnConversion_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("perColumn");
        QTest::addColumn<bool>("traditional");
        QTest::addColumn<bool>("removeSpaces");
        QTest::addColumn<bool>("fullWidth");
        QTest::addColumn<QString>("expected");
        const QString previous = QStringLiteral("旧结果");
        QTest::newRow("start options, traditional and full width")
            << "白日依山尽黄河"
            << "5" << true << false << true << "黃白\r\n河日\r\n  依\r\n  山\r\n  盡\r\n";
        QTest::newRow("full-width five counts as 5")
            << "白日依山尽黄河"
            << "５" << false << false << true << "黄白\r\n河日\r\n  依\r\n  山\r\n  尽\r\n";
        QTest::newRow("half width and spaces kept")
            << "a b"
            << "1" << false << false << false << "  b a\r\n";
        QTest::newRow("spaces removed") << "a b"
                                        << "1" << false << true << true << "  ｂａ\r\n";
        QTest::newRow("zero keeps the old result") << "白日"
                                                   << "0" << true << false << true << previous;
        QTest::newRow("letters keep the old result") << "白日"
                                                     << "abc" << true << false << true << previous;
        QTest::newRow("nothing keeps the old result") << "白日"
                                                      << "" << true << false << true << previous;
        QTest::newRow("negative keeps the old result") << "白日"
                                                       << "-5" << true << false << true << previous;
        QTest::newRow("two billion rows keep the old result")
            << "白日"
            << "2147483647" << true << false << true << previous;
        QTest::newRow("empty source keeps the old result")
            << ""
            << "5" << true << false << true << previous;
    }
    void columnConversion() {
        QFETCH(QString, source);
        QFETCH(QString, perColumn);
        QFETCH(bool, traditional);
        QFETCH(bool, removeSpaces);
        QFETCH(bool, fullWidth);
        QFETCH(QString, expected);
        setBoxText("编辑框1", source);
        setBoxText("编辑框2", QStringLiteral("旧结果"));
        line("编辑框3")->setText(perColumn);
        button("选择框3")->setChecked(traditional);
        button("选择框1")->setChecked(removeSpaces);
        button("选择框2")->setChecked(fullWidth);
        click("转换");
        QCOMPARE(boxText("编辑框2"), expected);
        QCOMPARE(boxText("编辑框1"), source);
    }

    void slantedText_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("expected");
        QTest::newRow("three characters") << "一二三"
                                          << "一\r\n  二\r\n    三";
        QTest::newRow("letters come out full width") << "ab"
                                                     << "ａ\r\n  ｂ";
        QTest::newRow("only line breaks clear the result") << "\r\n\r\n"
                                                           << "";
        QTest::newRow("empty source keeps the old result") << ""
                                                           << "旧结果";
    }
    void slantedText() {
        QFETCH(QString, source);
        QFETCH(QString, expected);
        setBoxText("编辑框1", source);
        setBoxText("编辑框2", QStringLiteral("旧结果"));
        line("编辑框3")->setText(QStringLiteral("abc"));  // not read
        click("斜字");
        QCOMPARE(boxText("编辑框2"), expected);
    }

    void decorationFollowsTheSeparatorChoice() {
        setBoxText("编辑框2", QStringLiteral("白日"));
        press("美化");
        QCOMPARE(boxText("编辑框2"), QStringLiteral("↑白↑日↑\r\n"));

        click("单选框2");
        setBoxText("编辑框2", QStringLiteral("白日"));
        press("美化");
        QCOMPARE(boxText("编辑框2"), QStringLiteral("¤白¤日¤\r\n"));
    }

    void focusingTheCustomBoxSelectsIt() {
        QSignalSpy customClicks(button("单选框3"), &QAbstractButton::clicked);
        line("编辑框4")->setText(QStringLiteral("★☆"));
        QTest::mouseClick(line("编辑框4"), Qt::LeftButton);
        QVERIFY(line("编辑框4")->hasFocus());
        QVERIFY(button("单选框3")->isChecked());
        QVERIFY(!button("单选框1")->isChecked());
        QVERIFY(!button("单选框2")->isChecked());
        QCOMPARE(customClicks.count(), 0);  // the writes raise no click

        setBoxText("编辑框2", QStringLiteral("白日"));
        press("美化");
        QCOMPARE(boxText("编辑框2"), QStringLiteral("★☆白★☆日★☆\r\n"));
    }

    void emptyCustomSeparatorChangesNothing() {
        line("编辑框4")->setFocus();
        QVERIFY(button("单选框3")->isChecked());
        setBoxText("编辑框2", QStringLiteral("白日"));
        press("美化");
        QCOMPARE(boxText("编辑框2"), QStringLiteral("白日"));
    }

    void arrowAfterCustomUsesArrowAndKeepsBoxEnabled() {
        line("编辑框4")->setFocus();
        line("编辑框4")->setText(QStringLiteral("#"));
        click("单选框1");
        QVERIFY(line("编辑框4")->isEnabled());
        QVERIFY(!button("单选框3")->isChecked());
        setBoxText("编辑框2", QStringLiteral("白"));
        press("美化");
        QCOMPARE(boxText("编辑框2"), QStringLiteral("↑白↑\r\n"));
    }

    void noCheckedRadioButtonChangesNothing() {
        for (const char* name : {"单选框1", "单选框2", "单选框3"}) button(name)->setChecked(false);
        setBoxText("编辑框2", QStringLiteral("白日"));
        press("美化");
        QCOMPARE(boxText("编辑框2"), QStringLiteral("白日"));
    }

    void decoratingAnEmptyBoxLeavesItEmpty() {
        setBoxText("编辑框2", QString());
        press("美化");
        QCOMPARE(boxText("编辑框2"), QString());
    }

    void customClickEnablesTheCustomBox() {
        line("编辑框4")->setEnabled(false);
        click("单选框3");
        QVERIFY(line("编辑框4")->isEnabled());
    }

    void doubleClickOnDecorationDecoratesOnce() {
        setBoxText("编辑框2", QStringLiteral("白"));
        doubleClick("美化");
        QCOMPARE(boxText("编辑框2"), QStringLiteral("↑白↑\r\n"));
    }

    void repeatedDecorationStopsAtTheSizeLimit() {
        setBoxText("编辑框2", QStringLiteral("白日依山尽\r\n黄河入海流\r\n"));
        std::uint64_t previousLength = 0;
        for (int pressCount = 0; pressCount < 20; ++pressCount) {
            press("美化");
            const std::uint64_t length = readBoxText(widget("编辑框2")).size();
            QVERIFY(length <= guwen::kMaxResultBytes);
            QVERIFY(length >= previousLength);
            previousLength = length;
        }
        QVERIFY(previousLength > guwen::kMaxResultBytes / 4);
    }

    void widthAfterAnySequence_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<int>("width");
        QTest::newRow("narrow") << "<" << 438;
        QTest::newRow("narrow twice") << "<<" << 438;
        QTest::newRow("widen") << ">" << 540;
        QTest::newRow("narrow then widen") << "<>" << 540;
        QTest::newRow("widen then narrow") << "><" << 438;
        QTest::newRow("back and forth") << "<><><>>" << 540;
    }
    void widthAfterAnySequence() {
        QFETCH(QString, clicks);
        QFETCH(int, width);
        const QPoint topLeft = window_->frameGeometry().topLeft();
        const int height = window_->frameGeometry().height();
        for (const QChar c : clicks) {
            // "->" stays in sight at every width; "<-" only while wide.
            click(c == u'<' ? "按钮1" : "按钮4");
        }
        QCOMPARE(window_->outerWidth(), width);
        QCOMPARE(window_->frameGeometry().topLeft(), topLeft);
        QCOMPARE(window_->frameGeometry().height(), height);
    }

    void pasteAndCopyKeepLineBreaks() {
        QGuiApplication::clipboard()->setText(QStringLiteral("白日依山尽\r\n黄河入海流"));
        click("按钮2");
        QCOMPARE(readBoxText(widget("编辑框1")), toGbk(QStringLiteral("白日依山尽\r\n黄河入海流")));

        setBoxText("编辑框2", QStringLiteral("黃白\r\n河日\r\n"));
        click("按钮3");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("黃白\r\n河日\r\n"));
    }

    void pasteStopsAtTheFirstNul() {
        QGuiApplication::clipboard()->setText(QStringLiteral("白日") + QChar(u'\0') +
                                              QStringLiteral("依山"));
        click("按钮2");
        QCOMPARE(boxText("编辑框1"), QStringLiteral("白日"));
    }

    void pasteOfAPictureEmptiesTheSource() {
        setBoxText("编辑框1", QStringLiteral("白日"));
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QGuiApplication::clipboard()->setImage(picture);
        click("按钮2");
        QCOMPARE(boxText("编辑框1"), QString());
    }

    void copyOfAnEmptyResultReplacesEverything() {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QGuiApplication::clipboard()->setImage(picture);
        setBoxText("编辑框2", QString());
        click("按钮3");
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data != nullptr);
        QVERIFY(!data->hasImage());
        QVERIFY(data->hasText());
        QCOMPARE(data->text(), QString());
    }

    void charactersOutsideTheCodePageBecomeQuestionMarks() {
        QGuiApplication::clipboard()->setText(QStringLiteral("白😀日"));
        click("按钮2");
        line("编辑框3")->setText(QStringLiteral("5"));
        button("选择框3")->setChecked(false);
        click("转换");
        QCOMPARE(boxText("编辑框2"), QStringLiteral("白\r\n？\r\n日\r\n  \r\n  \r\n"));
    }

    void bannerPressesOpenTheirAddresses() {
        press("图片框2");
        press("图片框3");
        press("图片框2");
        QCOMPARE(urls_.opened, (QList<QUrl>{QUrl(kFirstBannerAddress), QUrl(kSecondBannerAddress),
                                            QUrl(kFirstBannerAddress)}));
        QCOMPARE(urls_.opened.first().path(), QStringLiteral("/voip/"));
        QCOMPARE(urls_.opened.first().query(), QStringLiteral("t=1&id=30946"));
        QCOMPARE(urls_.opened.at(1).path(), QStringLiteral("/txlink.php"));
        QCOMPARE(urls_.opened.at(1).query(), QStringLiteral("alid=25012"));
    }

    void bannerDoubleClickOpensOnce() {
        doubleClick("图片框3");
        QCOMPARE(urls_.opened.size(), 1);
    }

    void decorationOpensNoAddress() {
        press("美化");
        QVERIFY(urls_.opened.isEmpty());
    }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"
