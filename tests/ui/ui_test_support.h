#pragma once
// Small helpers shared by the window tests.

#include <QString>
#include <QTest>
#include <QWidget>

#include <string_view>

#include "tests/common/hex_bytes.h"

namespace guwen::testing {

// Byte strings compare as readable hex in failure messages.
inline QString hex(std::string_view bytes) { return QString::fromStdString(toHex(bytes)); }

// The control of the given form name; fails the test when it is missing or
// of another kind.
template <typename Control>
Control* control(const QWidget& window, const QString& name) {
    auto* found = window.findChild<Control*>(name);
    if (found == nullptr)
        QTest::qFail(qPrintable(QStringLiteral("no control ") + name), __FILE__, __LINE__);
    return found;
}

}  // namespace guwen::testing
