// Profile files that begin with the UTF-16 little-endian mark (FF FE): the
// Windows functions read them as Unicode text and keep them UTF-16 when
// they write, so any character survives, also beyond Windows-1252. Run
// natively against our functions and under Wine against Windows' own.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "os/os.h"
#include "support.h"

namespace {

using os_test::ReadBytes;
using os_test::WriteBytes;

// The mark and the text's UTF-16 code units, low byte first.
std::string Utf16Le(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

class ProfileUnicode : public ::testing::Test {
protected:
    os_test::TempFolder folder;
    const std::string path = folder / "kelvo.ini";

    std::string Read(const std::string& section, const std::string& key, std::size_t room = 256) {
        return os::ReadProfileString(path, section, key, "DEF", room);
    }
};

TEST_F(ProfileUnicode, ReadsValuesAsText) {
    WriteBytes(path, Utf16Le(u"[General]\r\nName=Größe Łódź €\r\n  Items = 7 \r\n"
                             u"Quoted=\"x y\"\r\n[Item1]\r\ncommand=\\setup.exe\r\n"));
    EXPECT_EQ(Read("general", "NAME"), "Größe Łódź €");
    EXPECT_EQ(Read("General", "Items"), "7");
    EXPECT_EQ(Read("General", "Quoted"), "x y");
    EXPECT_EQ(Read("Item1", "Command"), "\\setup.exe");
    EXPECT_EQ(Read("General", "Font"), "DEF");
    EXPECT_EQ(Read("Item2", "Command"), "DEF");
    // The room counts characters, not the bytes of their UTF-8 form.
    EXPECT_EQ(Read("General", "Name", 6), "Größe");
    EXPECT_EQ(Read("General", "Name", 11), "Größe Łódź");
}

TEST_F(ProfileUnicode, WritesKeepTheFileUnicode) {
    WriteBytes(path, Utf16Le(u"[General]\r\nName=Alt\r\nItems=1\r\n"));
    ASSERT_TRUE(os::WriteProfileString(path, "General", "Name", "Łódź €"));
    ASSERT_TRUE(os::WriteProfileString(path, "general", "Font", "Arial"));
    ASSERT_TRUE(os::WriteProfileString(path, "Item1", "txt", "Größe"));
    EXPECT_EQ(ReadBytes(path), Utf16Le(u"[General]\r\nName=Łódź €\r\nItems=1\r\nFont=Arial\r\n"
                                       u"[Item1]\r\ntxt=Größe\r\n"));
    EXPECT_EQ(Read("General", "Name"), "Łódź €");
    EXPECT_EQ(Read("Item1", "txt"), "Größe");
}

TEST_F(ProfileUnicode, EditsKeepEveryOtherCharacter) {
    KNOWN_WINE_DIFFERENCE("Wine writes the whole file anew on every change");
    WriteBytes(path, Utf16Le(u"; Ωμέγα\r\n[General]\r\n\r\nName = Alt \r\n"));
    ASSERT_TRUE(os::WriteProfileString(path, "General", "Name", "Neu"));
    EXPECT_EQ(ReadBytes(path), Utf16Le(u"; Ωμέγα\r\n[General]\r\n\r\nName=Neu\r\n"));
}

TEST_F(ProfileUnicode, MatchesLettersBeyondAsciiWithoutRegardToCase) {
    KNOWN_WINE_DIFFERENCE("only ASCII letters match without regard to case");
    WriteBytes(path, Utf16Le(u"[Łódź]\r\nÜbersicht=ja\r\n"));
    EXPECT_EQ(Read("ŁÓDŹ", "übersicht"), "ja");
}

// What the code page holds, as the writes of the profile functions see it.
TEST(CodePage, HoldsTheLettersOfTheGermanUiAndNothingBeyond) {
    for (const char* fits : {"", "Demo-CD", "Größe", "€ – „Zitat“ …", "\\docs\\a b.txt"})
        EXPECT_TRUE(os::FitsCodePage(fits)) << fits;
    for (const char* lacks : {"Ω", "Łódź", "→", "\xF0\x9F\x98\x80", "Größe Ω"})
        EXPECT_FALSE(os::FitsCodePage(lacks)) << lacks;
}

// A file in the code page becomes Unicode text with the same lines, and
// then takes any character; a missing file starts with the mark alone.
TEST_F(ProfileUnicode, ACodePageFileTurnsIntoUnicodeWithTheSameLines) {
    WriteBytes(path, "; K\xF6ln\r\n[General]\r\nName=Gr\xF6\xDF" "e\r\n[Notizen]\r\nStand=1998\r\n");
    ASSERT_TRUE(os::MakeProfileUnicode(path));
    EXPECT_EQ(ReadBytes(path),
              Utf16Le(u"; Köln\r\n[General]\r\nName=Größe\r\n[Notizen]\r\nStand=1998\r\n"));
    ASSERT_TRUE(os::MakeProfileUnicode(path));  // Unicode already: stays
    ASSERT_TRUE(os::WriteProfileString(path, "General", "Name", "Łódź → Ω"));
    EXPECT_EQ(Read("General", "Name"), "Łódź → Ω");
    EXPECT_EQ(Read("Notizen", "Stand"), "1998");

    const std::string fresh = folder / "neu.ini";
    ASSERT_TRUE(os::MakeProfileUnicode(fresh));
    EXPECT_EQ(ReadBytes(fresh), "\xFF\xFE");
    ASSERT_TRUE(os::WriteProfileString(fresh, "Item1", "txt", "→ Ω"));
    EXPECT_EQ(os::ReadProfileString(fresh, "Item1", "txt", "", 10), "→ Ω");
    EXPECT_EQ(ReadBytes(fresh).rfind("\xFF\xFE", 0), 0u);
}

}  // namespace
