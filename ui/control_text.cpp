#include "ui/control_text.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>

#include "ui/gbk_codec.h"

guwen::GbkText readBoxText(const QWidget* box) {
    if (const auto* multiLine = qobject_cast<const QPlainTextEdit*>(box)) {
        // toPlainText separates the lines by "\n"; the engine's line break
        // is the pair CR LF.
        QString text = multiLine->toPlainText();
        text.replace(QChar(u'\n'), QStringLiteral("\r\n"));
        return toGbk(text);
    }
    if (const auto* singleLine = qobject_cast<const QLineEdit*>(box))
        return toGbk(singleLine->text());
    return {};
}

void writeBoxText(QWidget* box, const guwen::GbkText& text) {
    // setPlainText starts a new line at every CR LF pair (and at a lone CR or
    // LF, which the layouts never produce).
    if (auto* multiLine = qobject_cast<QPlainTextEdit*>(box)) {
        multiLine->setPlainText(fromGbk(text));
    } else if (auto* singleLine = qobject_cast<QLineEdit*>(box)) {
        singleLine->setText(fromGbk(text));
    }
}
