// The code page 936 boundary of the window, both ways.
//  - Bytes to text and back: a text made of characters that each decode
//    alone comes back byte for byte; decoding any bytes loses no byte below
//    0x40 (they are never the second byte of a character, so line breaks and
//    digits survive whatever comes before them).
//  - Text to bytes and back: NUL characters vanish, every character code page
//    936 lacks and every lone surrogate becomes "?" unless it is one of the
//    invisible characters Unicode calls default-ignorable, which vanish; all
//    others come back; the bytes never hold a NUL.
// The expectation is built one character at a time with a fresh converter,
// so what the codec does to whole texts (carried state, flushing at the end)
// is checked against characters taken alone.
#include <fuzzer/FuzzedDataProvider.h>

#include <unicode/uchar.h>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "ui/gbk_codec.h"

namespace {

using guwen::fuzz::hex;

std::string utf16Hex(const QString& text) {
    std::string out;
    for (const QChar ch : text) {
        if (!out.empty()) out += ' ';
        out += QString::number(ch.unicode(), 16).rightJustified(4, u'0').toStdString();
    }
    return out;
}

bool decodesAlone(std::string_view unit) {
    return !fromGbk(unit).contains(QChar(QChar::ReplacementCharacter));
}

// Units as code page 936 reads them: 81..FE with a trail byte 40..7E or
// 80..FE is a pair, every other byte stands alone.
std::string decodableUnits(std::string_view bytes) {
    std::string kept;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 1;
        if (lead >= 0x81 && lead <= 0xFE && i + 1 < bytes.size()) {
            const auto trail = static_cast<unsigned char>(bytes[i + 1]);
            if ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE)) length = 2;
        }
        const std::string_view unit = bytes.substr(i, length);
        if (decodesAlone(unit)) kept += unit;
        i += length;
    }
    return kept;
}

std::u16string below0x40(std::u16string_view text) {
    std::u16string kept;
    for (const char16_t ch : text) {
        if (ch < 0x40 && ch != u'?') kept += ch;
    }
    return kept;
}

void bytesThroughText(std::string bytes) {
    std::erase(bytes, '\0');
    const QString text = fromGbk(bytes);
    guwen::fuzz::expectTrue("fromGbk makes no NUL of " + hex(bytes), !text.contains(QChar(u'\0')));
    std::u16string bytesBelow;
    for (const char b : bytes) {
        if (static_cast<unsigned char>(b) < 0x40 && b != '?')
            bytesBelow += static_cast<char16_t>(b);
    }
    const std::u16string textBelow = below0x40(std::u16string_view(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
    if (bytesBelow != textBelow) {
        guwen::fuzz::fail("fromGbk keeps every byte below 0x40 of " + hex(bytes),
                          std::to_string(bytesBelow.size()) + " such bytes", utf16Hex(text));
    }
    guwen::fuzz::expectTrue("toGbk makes no NUL", toGbk(text).find('\0') == std::string::npos);

    const std::string valid = decodableUnits(bytes);
    guwen::fuzz::expectSame("decodable units of " + hex(bytes) + " through text and back", valid,
                            toGbk(fromGbk(valid)));
}

// One character, or a surrogate pair, with a converter of its own, flushed
// by a NUL as a character at the end of a text must be.
QString expectedAlone(QStringView character) {
    if (character.size() == 1 && character.front().isSurrogate()) return QStringLiteral("?");
    QStringEncoder encoder("GBK");
    QByteArray bytes = encoder.encode(character);
    const char16_t flush = u'\0';
    bytes += encoder.encode(QStringView(&flush, 1));
    bytes.chop(1);
    const std::string what = "U+" + utf16Hex(character.toString()) + " alone";
    if (!encoder.hasError()) {
        QStringDecoder decoder("GBK");
        QString back = decoder.decode(bytes);
        if (back != character)
            guwen::fuzz::fail(what, utf16Hex(character.toString()), utf16Hex(back));
        return back;
    }
    const auto codePoint = static_cast<UChar32>(character.toUcs4().front());
    if (u_hasBinaryProperty(codePoint, UCHAR_DEFAULT_IGNORABLE_CODE_POINT) != 0) {
        guwen::fuzz::expectSame(what + " is default-ignorable and vanishes", "",
                                bytes.toStdString());
        return {};
    }
    guwen::fuzz::expectSame(what + " is outside the code page", "?", bytes.toStdString());
    return QStringLiteral("?");
}

void textThroughBytes(const std::string& raw) {
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(raw.data()),
                                            static_cast<qsizetype>(raw.size() / 2));
    QString expected;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        if (text[i] != QChar(u'\0')) expected += expectedAlone(QStringView(text).mid(i, length));
        i += length;
    }
    const std::string bytes = toGbk(text);
    guwen::fuzz::expectTrue("toGbk makes no NUL of " + utf16Hex(text),
                            bytes.find('\0') == std::string::npos);
    const QString back = fromGbk(bytes);
    if (back != expected) {
        guwen::fuzz::fail("text " + utf16Hex(text) + " through bytes " + hex(bytes) + " and back",
                          utf16Hex(expected), utf16Hex(back));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool kAvailable = gbkCodecAvailable();
    guwen::fuzz::expectTrue("this Qt has a GBK converter", kAvailable);
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        bytesThroughText(input.ConsumeRemainingBytesAsString());
    } else {
        textThroughBytes(input.ConsumeRemainingBytesAsString());
    }
    return 0;
}
