#include "ui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "ui/gbk_codec.h"

guwen::GbkText readClipboardText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return {};
    const QMimeData* data = clipboard->mimeData(QClipboard::Clipboard);
    if (data == nullptr || !data->hasText()) return {};
    QString text = data->text();
    // Plain text ends at its first NUL, as it does for every program that
    // reads the clipboard as a C string.
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0) text.truncate(nul);
    return toGbk(text);
}

void writeClipboardText(const guwen::GbkText& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return;
    // A fresh QMimeData with only text drops every other format the
    // clipboard held, pictures included.
    auto* data = new QMimeData;
    data->setText(fromGbk(text));
    clipboard->setMimeData(data, QClipboard::Clipboard);
}
