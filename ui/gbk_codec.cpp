#include "ui/gbk_codec.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr char kGbkName[] = "GBK";
constexpr char16_t kReplacement = u'\uFFFD';

}  // namespace

bool gbkCodecAvailable() { return QStringEncoder(kGbkName).isValid(); }

guwen::GbkText toGbk(const QString& text) {
    QString withoutNul = text;
    withoutNul.remove(QChar(u'\0'));

    QStringEncoder encoder(kGbkName);
    if (!encoder.isValid()) {
        // Without a converter only ASCII is certain; everything else becomes
        // the same "?" that an unmappable character gets.
        guwen::GbkText bytes;
        bytes.reserve(static_cast<std::size_t>(withoutNul.size()));
        for (const QChar ch : withoutNul)
            bytes.push_back(ch.unicode() < 0x80 ? static_cast<char>(ch.unicode()) : '?');
        return bytes;
    }
    QByteArray encoded = encoder.encode(withoutNul);
    // Like the decoder below, the encoder keeps a high surrogate at the very
    // end waiting for its low half and would drop it. A NUL completes no
    // pair, so encoding one flushes the surrogate as "?"; the NUL byte goes
    // with any others below.
    const char16_t flushCharacter = u'\0';
    encoded += encoder.encode(QStringView(&flushCharacter, 1));
    // The converter turns no character into NUL, but the engine's invariant
    // must not rest on that.
    guwen::GbkText bytes(encoded.constData(), static_cast<std::size_t>(encoded.size()));
    std::erase(bytes, '\0');
    return bytes;
}

QString fromGbk(std::string_view bytes) {
    QStringDecoder decoder(kGbkName);
    if (!decoder.isValid()) {
        QString text;
        text.reserve(static_cast<qsizetype>(bytes.size()));
        for (const char byte : bytes) {
            const auto code = static_cast<unsigned char>(byte);
            text.append(code < 0x80 ? QChar(code) : QChar(kReplacement));
        }
        return text;
    }
    QString text =
        decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    // A stateful decoder keeps a lead byte at the end waiting for its partner
    // and would drop it. A NUL can never complete a pair, so feeding one
    // flushes whatever is pending as U+FFFD; the NUL itself is cut again.
    const char flushByte = '\0';
    QString pending = decoder.decode(QByteArrayView(&flushByte, 1));
    if (pending.endsWith(QChar(u'\0'))) pending.chop(1);
    text.append(pending);
    return text;
}
