// Deterministic text metrics of the headless backend (see headless_backend.h).
#include <algorithm>
#include <cmath>
#include <string_view>

#include "forms/headless/headless_backend.h"

namespace forms::headless {

namespace {

// Characters (UTF-8 code points) in text.
int CodePoints(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        const std::size_t length = end == std::string_view::npos ? end : end - start;
        std::string_view line = text.substr(start, length);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

// Width of the widest line after wrapping one paragraph at blanks; adds the
// number of lines to lineCount.
Twips WrapParagraph(std::string_view paragraph, Twips charWidth, Twips wrapWidth, int& lineCount) {
    Twips widest = 0;
    Twips current = 0;  // width of the line being filled
    bool lineEmpty = true;
    std::size_t pos = 0;
    while (pos <= paragraph.size()) {
        std::size_t blank = paragraph.find(' ', pos);
        if (blank == std::string_view::npos) blank = paragraph.size();
        const Twips word = CodePoints(paragraph.substr(pos, blank - pos)) * charWidth;
        const Twips withWord = lineEmpty ? word : current + charWidth + word;
        if (!lineEmpty && withWord > wrapWidth) {
            widest = std::max(widest, current);
            ++lineCount;
            current = word;
        } else {
            current = withWord;
        }
        lineEmpty = false;
        pos = blank + 1;
    }
    widest = std::max(widest, current);
    ++lineCount;
    return widest;
}

}  // namespace

TextSize Backend::MeasureText(const Font& font, const std::string& text, Twips wrapWidth) {
    const Twips charWidth =
        static_cast<Twips>(std::lround(font.Size * (font.Bold ? 11.0 : 10.0)));
    const Twips lineHeight = static_cast<Twips>(std::lround(font.Size * 24.0));
    Twips width = 0;
    int lines = 0;
    for (std::string_view line : SplitLines(text)) {
        if (wrapWidth > 0) {
            width = std::max(width, WrapParagraph(line, charWidth, wrapWidth, lines));
        } else {
            width = std::max(width, CodePoints(line) * charWidth);
            ++lines;
        }
    }
    return {width, lines * lineHeight};
}

}  // namespace forms::headless
