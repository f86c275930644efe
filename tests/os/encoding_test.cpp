// The text conversions at the edges: Windows-1252 and command lines.
#include <gtest/gtest.h>

#include "os/command_line.h"
#include "os/os.h"

namespace {

using Arguments = std::vector<std::string>;

TEST(Encoding, EveryCodePageByteSurvivesARoundTrip) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(os::Utf8ToAnsi(os::AnsiToUtf8(all)), all);
    EXPECT_EQ(os::AnsiToUtf8("\x80\xE4\xDF\x9F"), "€äßŸ");
    EXPECT_EQ(os::Utf8ToAnsi("Über „Größe“ – 5 €"), "\xDC" "ber \x84Gr\xF6\xDF" "e\x93 \x96 5 \x80");
}

TEST(Encoding, WhatTheCodePageCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(os::Utf8ToAnsi("Ā😀z"), "??z");
    // Malformed UTF-8 never turns into a character it only resembles.
    EXPECT_EQ(os::Utf8ToAnsi("a\xC3"), "a?");
    EXPECT_EQ(os::Utf8ToAnsi("\xC0\xAF").find('/'), std::string::npos);
    EXPECT_EQ(os::Utf8ToAnsi("\xE0\x80\xAE").find('.'), std::string::npos);
}

TEST(CommandLine, SplitsArgumentsLikeTheCRuntime) {
    using os::command_line::SplitArguments;
    EXPECT_EQ(SplitArguments("  a  \"b c\"\td "), (Arguments{"a", "b c", "d"}));
    EXPECT_EQ(SplitArguments("C:\\Pfad\\ x"), (Arguments{"C:\\Pfad\\", "x"}));
    EXPECT_EQ(SplitArguments("\\\"x\\\" a\\\\\"b c\""), (Arguments{"\"x\"", "a\\b c"}));
    EXPECT_EQ(SplitArguments("\"\" \"say \"\"hi\"\"\""), (Arguments{"", "say \"hi\""}));
    EXPECT_EQ(SplitArguments(" \t"), Arguments{});
}

TEST(CommandLine, TakesTheProgramUpToABlankOrBetweenQuotes) {
    using os::command_line::Split;
    EXPECT_EQ(Split("explorer /n,/e,D:"), (Arguments{"explorer", "/n,/e,D:"}));
    EXPECT_EQ(Split("\"C:\\Program Files\\x\\\" -a"), (Arguments{"C:\\Program Files\\x\\", "-a"}));
    EXPECT_EQ(Split("C:\\subst.exe S: C:\\CD"), (Arguments{"C:\\subst.exe", "S:", "C:\\CD"}));
    EXPECT_EQ(Split("   "), Arguments{});
}

TEST(CommandLine, JoinedArgumentsComeBackWhole) {
    using os::command_line::Join;
    const Arguments arguments{"S:", "C:\\Meine CD", "C:\\Meine CD\\", "", "a\"b", "x\\\"y", "\t"};
    const Arguments expected = [&] {
        Arguments all{"C:\\Programme\\subst.exe"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        return all;
    }();
    EXPECT_EQ(os::command_line::Split(Join("C:\\Programme\\subst.exe", arguments)), expected);
    // Plain arguments stay as they are, so the line reads as the user knows it.
    EXPECT_EQ(Join("C:\\WINDOWS\\COMMAND\\subst.exe", {"S:", "C:\\CD"}),
              "C:\\WINDOWS\\COMMAND\\subst.exe S: C:\\CD");
    EXPECT_EQ(Join("C:\\Mein Ordner\\kelvo.exe", {}), "\"C:\\Mein Ordner\\kelvo.exe\"");
}

}  // namespace
