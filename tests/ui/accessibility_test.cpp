// Every control of the form has its own Chinese accessible name, so a screen
// reader can tell the two text boxes, the two arrows and the pictures apart.
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QWidget>

#include "ui/main_window.h"

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void everyControlHasItsOwnChineseName() {
        const QStringList form = {
            u"编辑框1"_qs, u"标签1"_qs,   u"编辑框3"_qs, u"标签2"_qs,   u"转换"_qs,
            u"编辑框2"_qs, u"标签3"_qs,   u"按钮2"_qs,   u"按钮3"_qs,   u"选择框1"_qs,
            u"选择框2"_qs, u"按钮4"_qs,   u"分组框1"_qs, u"单选框1"_qs, u"单选框2"_qs,
            u"单选框3"_qs, u"编辑框4"_qs, u"美化"_qs,    u"按钮1"_qs,   u"斜字"_qs,
            u"选择框3"_qs, u"图片框1"_qs, u"图片框2"_qs, u"分组框2"_qs, u"图片框3"_qs,
        };
        const QRegularExpression chinese(u"\\p{Han}"_qs);
        MainWindow window;
        QSet<QString> spoken;
        for (const QString& name : form) {
            const auto* control = window.findChild<QWidget*>(name);
            QVERIFY2(control != nullptr, qPrintable(name));
            const QString accessible = control->accessibleName();
            QVERIFY2(accessible.contains(chinese),
                     qPrintable(name + u" has no Chinese accessible name"_qs));
            QVERIFY2(!spoken.contains(accessible),
                     qPrintable(name + u" shares its name: "_qs + accessible));
            spoken.insert(accessible);
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
