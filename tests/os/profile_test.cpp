// Profile strings: run natively against our implementation and under Wine
// against the Windows functions, with Windows' behaviour as the truth.
#include <gtest/gtest.h>

#include "os/os.h"
#include "support.h"

namespace {

using os_test::ReadBytes;
using os_test::WriteBytes;

// Windows-1252 bytes: "Größe" is 47 72 F6 DF 65.
const std::string Project =
    "; made by hand\r\n"
    "[General]\r\n"
    "  Name  =  Mein Projekt  \r\n"
    "FontSize=12\r\n"
    "Quoted=\"  spaced  \"\r\n"
    "Single='x'\r\n"
    "Lone=\"abc\r\n"
    "Empty=\r\n"
    "Gr\xF6\xDF" "e=Gr\xF6\xDF" "e\r\n"
    "\r\n"
    "[Item1]\r\n"
    "Command=\\setup.exe\r\n";

class Profile : public ::testing::Test {
protected:
    os_test::TempFolder folder;
    const std::string path = folder / "kelvo.ini";

    std::string Read(const std::string& section, const std::string& key,
                     std::size_t room = 256, const std::string& fallback = "DEFAULT") {
        return os::ReadProfileString(path, section, key, fallback, room);
    }
};

TEST_F(Profile, ReadsNamesWithoutRegardToCaseAndTrimsBlanks) {
    WriteBytes(path, Project);
    EXPECT_EQ(Read("General", "Name"), "Mein Projekt");
    EXPECT_EQ(Read("GENERAL", "fontsize"), "12");
    EXPECT_EQ(Read("  general ", " FONTSIZE "), "12");
    EXPECT_EQ(Read("item1", "command"), "\\setup.exe");
    EXPECT_EQ(Read("General", "größe"), "Größe");
}

TEST_F(Profile, MatchesAccentedLettersWithoutRegardToCase) {
    KNOWN_WINE_DIFFERENCE("only ASCII letters match without regard to case");
    WriteBytes(path, Project);
    EXPECT_EQ(Read("General", "GRÖßE"), "Größe");
}

TEST_F(Profile, DropsOnePairOfMatchingQuotes) {
    WriteBytes(path, Project);
    EXPECT_EQ(Read("General", "Quoted"), "  spaced  ");
    EXPECT_EQ(Read("General", "Single"), "x");
    EXPECT_EQ(Read("General", "Lone"), "\"abc");
}

TEST_F(Profile, MissingPiecesGiveTheDefaultAndEmptyValuesGiveEmpty) {
    WriteBytes(path, Project);
    EXPECT_EQ(Read("General", "Empty"), "");
    EXPECT_EQ(Read("General", "Items"), "DEFAULT");
    EXPECT_EQ(Read("Item2", "command"), "DEFAULT");
    // A key of another section is not found in this one.
    EXPECT_EQ(Read("Item1", "FontSize"), "DEFAULT");
    EXPECT_EQ(os::ReadProfileString(folder / "missing.ini", "General", "Name", "Pavonel", 100),
              "Pavonel");
    // The default loses its trailing spaces.
    EXPECT_EQ(Read("General", "Items", 10, "1  "), "1");
}

TEST_F(Profile, CutsToTheRoom) {
    WriteBytes(path, Project);
    EXPECT_EQ(Read("General", "Name", 5), "Mein");
    EXPECT_EQ(Read("General", "FontSize", 2), "1");
    EXPECT_EQ(Read("General", "Name", 1), "");
    EXPECT_EQ(Read("General", "Name", 0), "");
    EXPECT_EQ(Read("General", "Items", 4, "Pavonel"), "Pav");
    // Each character of the code page counts once.
    EXPECT_EQ(Read("General", "Größe", 4), "Grö");
}

TEST_F(Profile, CutsAfterDroppingQuotes) {
    KNOWN_WINE_DIFFERENCE("a quoted value that just fits loses its last character");
    WriteBytes(path, "[S]\r\nK=\"abcdef\"\r\n");
    EXPECT_EQ(Read("S", "K", 7), "abcdef");
}

TEST_F(Profile, WritesANewFileInTheCodePage) {
    ASSERT_TRUE(os::WriteProfileString(path, "General", "Name", "Größe"));
    EXPECT_EQ(ReadBytes(path), "[General]\r\nName=Gr\xF6\xDF" "e\r\n");
    EXPECT_EQ(Read("General", "Name"), "Größe");
}

TEST_F(Profile, ReplacesAValueInPlace) {
    WriteBytes(path, Project);
    ASSERT_TRUE(os::WriteProfileString(path, "general", "Fontsize", "9"));
    EXPECT_EQ(Read("General", "FontSize"), "9");
    EXPECT_EQ(Read("General", "Name"), "Mein Projekt");
    EXPECT_EQ(Read("Item1", "Command"), "\\setup.exe");
}

TEST_F(Profile, EditsKeepEveryOtherByte) {
    KNOWN_WINE_DIFFERENCE("Wine writes the whole file anew on every change");
    WriteBytes(path, Project);
    ASSERT_TRUE(os::WriteProfileString(path, "general", "Fontsize", "9"));
    std::string expected = Project;
    expected.replace(expected.find("FontSize=12"), 11, "FontSize=9");
    EXPECT_EQ(ReadBytes(path), expected);
}

TEST_F(Profile, AppendsNewKeysToTheirSectionAndNewSectionsToTheFile) {
    WriteBytes(path, Project);
    ASSERT_TRUE(os::WriteProfileString(path, "General", "Items", "3"));
    ASSERT_TRUE(os::WriteProfileString(path, "Item2", "txt", "Zwei"));
    EXPECT_EQ(Read("General", "Items"), "3");
    EXPECT_EQ(Read("Item2", "TXT"), "Zwei");
    const std::string bytes = ReadBytes(path);
    EXPECT_LT(bytes.find("Items=3"), bytes.find("[Item1]"));
    EXPECT_GT(bytes.find("[Item2]"), bytes.find("Command=\\setup.exe"));
    EXPECT_NE(bytes.find("; made by hand"), std::string::npos);
}

TEST_F(Profile, NeverRemovesSurplusSections) {
    for (int n = 1; n <= 5; ++n) {
        ASSERT_TRUE(os::WriteProfileString(path, "Item" + std::to_string(n), "txt", "alt"));
    }
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(os::WriteProfileString(path, "Item" + std::to_string(n), "txt", "neu"));
    }
    EXPECT_EQ(Read("Item3", "txt"), "neu");
    EXPECT_EQ(Read("Item5", "txt"), "alt");
}

TEST_F(Profile, RefusesWritesThatCouldNotBeReadBack) {
    WriteBytes(path, Project);
    EXPECT_FALSE(os::WriteProfileString("", "General", "Name", "x"));
    EXPECT_FALSE(os::WriteProfileString(path, "General", "Name", "eins\r\n[Item1]"));
    EXPECT_FALSE(os::WriteProfileString(path, "General", "Na=me", "x"));
    EXPECT_FALSE(os::WriteProfileString(path, "", "Name", "x"));
    EXPECT_FALSE(os::WriteProfileString(path, "General", " ", "x"));
    EXPECT_EQ(ReadBytes(path), Project);
    EXPECT_FALSE(os::WriteProfileString(folder / "no-folder/kelvo.ini", "General", "Name", "x"));
}

}  // namespace
