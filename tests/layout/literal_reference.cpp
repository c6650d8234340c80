#include "tests/layout/literal_reference.h"

#include "text/traditional.h"

namespace guwen::reference {
namespace {

std::int32_t truncated(double value) { return static_cast<std::int32_t>(value); }

}  // namespace

std::optional<GbkText> convertToColumns(const ConversionOptions& options) {
    if (options.source.empty()) return std::nullopt;
    if (options.charsPerColumn == 0) return std::nullopt;
    if (options.charsPerColumn < 0) return std::nullopt;  // the fast code's choice

    GbkText t = options.source;
    if (options.traditional) t = toTraditional(t);
    t = toFullWidth(t);
    t = removeLineBreaks(t);
    if (options.removeSpaces) t = removeAllSpaces(t);

    const std::int32_t length = textLength(t);
    const std::int32_t p = options.charsPerColumn;
    const std::int32_t c = truncated(static_cast<double>(length) / p / 2 + 1);

    TextList columns(c);
    for (std::int32_t i = 1; i <= c; ++i) {
        const std::int32_t width =
            truncated(static_cast<double>(p) * i * 2 - static_cast<double>(p) * (i - 1) * 2);
        columns.set(i, leftBytes(t, width));
        t = rightBytes(t, textLength(t) - textLength(columns.at(i)));
    }

    TextList rows(p);
    for (std::int32_t k = c; k >= 1; --k) {
        for (std::int32_t j = 1; j <= p; ++j) {
            if (leftBytes(columns.at(k), 2).empty()) columns.set(k, blankText(2));
            rows.set(j, concatText({rows.at(j), leftBytes(columns.at(k), 2)}));
            columns.set(k, rightBytes(columns.at(k), textLength(columns.at(k)) - 2));
        }
    }

    GbkText result;
    for (std::int32_t j = 1; j <= p; ++j) result = concatText({result, rows.at(j), "\r\n"});
    if (!options.fullWidth) result = toHalfWidth(result);
    return result;
}

std::optional<GbkText> makeSlantedText(std::string_view source) {
    if (source.empty()) return std::nullopt;
    GbkText t = toFullWidth(source);
    t = removeLineBreaks(t);
    const std::int32_t n = truncated(static_cast<double>(textLength(t)) / 2);

    TextList cells(n);
    for (std::int32_t i = 1; i <= n; ++i) {
        cells.set(i, leftBytes(t, 2));
        t = rightBytes(t, textLength(t) - 2);
    }
    for (std::int32_t i = 1; i <= n; ++i)
        cells.set(i, concatText({blankText((i - 1) * 2), cells.at(i)}));

    GbkText result;
    for (std::int32_t i = 1; i <= n; ++i) result = concatText({result, cells.at(i), "\r\n"});
    return leftBytes(result, textLength(result) - 2);
}

std::optional<GbkText> decorateLines(std::string_view text, std::string_view separator) {
    if (separator.empty()) return std::nullopt;
    TextList lines = splitText(text, "\r\n");
    GbkText result;
    for (std::int32_t i = 1; i <= lines.count(); ++i) {
        const std::int32_t n = truncated(static_cast<double>(textLength(lines.at(i))) / 2);
        for (std::int32_t step = 0; step < n; ++step) {
            result = concatText({result, separator, leftBytes(lines.at(i), 2)});
            lines.set(i, rightBytes(lines.at(i), textLength(lines.at(i)) - 2));
        }
        result = concatText({result, separator, "\r\n"});
    }
    return result;
}

}  // namespace guwen::reference
