// Profile strings against what GetPrivateProfileString and
// WritePrivateProfileString do on Windows, as recorded by Wine's conformance
// tests on real Windows: file contents in, exact result or exact file bytes
// out. Natively this checks our implementation, under Wine the same cases
// run against the Win32 functions.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "os/os.h"
#include "support.h"

namespace {

using namespace std::string_literals;
using os_test::ReadBytes;
using os_test::WriteBytes;

class ProfileWindows : public ::testing::Test {
protected:
    os_test::TempFolder folder;
    const std::string path = folder / "winetest.ini";
};

// ---- Reading --------------------------------------------------------------

struct ReadCase {
    const char* what;
    std::string section;
    std::string key;
    std::string fallback;
    std::size_t room;
    std::string expected;
};

// The file of Wine's GetPrivateProfileString test, with "\n" standing for
// the line end under test.
const std::string TwoSections =
    "[section1]\n"
    "name1=val1\n"
    "name2=\"val2\"\n"
    "name3\n"
    "name4=a\n"
    "[section2]\n";

std::string WithLineEnds(const std::string& text, const std::string& end) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            out += end;
        } else {
            out += c;
        }
    }
    return out;
}

const std::vector<ReadCase> TwoSectionsReads = {
    {"missing section", "notasection", "name1", "default", 260, "default"},
    {"empty section, not in the file", "", "name1", "default", 260, "default"},
    {"empty section, empty default", "", "name1", "", 260, ""},
    {"default loses trailing blanks", "", "name1", "default  ", 260, "default"},
    {"default keeps inner blanks", "", "name1", "one two  ", 260, "one two"},
    {"default without trailing blanks", "", "name1", "one two", 260, "one two"},
    {"empty key", "section1", "", "default", 260, "default"},
    {"empty key, empty default", "section1", "", "", 260, ""},
    {"empty key, default with trailing blanks", "section1", "", "default  ", 260, "default"},
    {"missing key", "section1", "notakey", "default", 260, "default"},
    {"room 0", "section1", "name1", "default", 0, ""},
    {"room one short", "section1", "name1", "default", 4, "val"},
    {"room just fits", "section1", "name1", "default", 5, "val1"},
    {"one character", "section1", "name4", "default", 260, "a"},
    {"one character, room 1", "section1", "name4", "default", 1, ""},
    {"quotes dropped", "section1", "name2", "default", 260, "val2"},
    {"key in other case", "section1", "NaMe1", "default", 260, "val1"},
    {"plain value", "section1", "name1", "default", 260, "val1"},
    {"line without '=' is no key", "section1", "name3", "default", 260, "default"},
    {"section without keys", "section2", "DoesntExist", "", 260, ""},
};

TEST_F(ProfileWindows, ReadsTheSameWithEveryLineEnd) {
    for (const char* end : {"\r\n", "\r", "\n"}) {
        WriteBytes(path, WithLineEnds(TwoSections, end));
        for (const ReadCase& c : TwoSectionsReads) {
            EXPECT_EQ(os::ReadProfileString(path, c.section, c.key, c.fallback, c.room),
                      c.expected)
                << c.what << " (line end " << (end[0] == '\n' ? "LF" : end[1] ? "CR LF" : "CR")
                << ")";
        }
    }
}

TEST_F(ProfileWindows, MissingOrUnnamedFilesGiveTheDefault) {
    EXPECT_EQ(os::ReadProfileString("", "section1", "name1", "default", 260), "default");
    EXPECT_EQ(os::ReadProfileString(folder / "nonexistent", "section1", "name1", "default", 260),
              "default");
    EXPECT_EQ(os::ReadProfileString(folder / "nonexistent", "section1", "name1", "", 260), "");
}

struct ShapeCase {
    const char* what;
    std::string content;
    std::string section;
    std::string key;
    std::size_t room;
    std::string expected;
};

const std::vector<ShapeCase> Shapes = {
    {"blanks inside brackets", "[ s ]\r\nk=v\r\n", "s", "k", 260, "v"},
    {"blanks around '='", "[s]\r\n  k  =  v  \r\n", "s", "k", 260, "v"},
    {"tabs around '='", "[s]\r\n\tk\t=\tv\t\r\n", "s", "k", 260, "v"},
    {"key name with trailing blanks asked", "[s]\r\nk=v\r\n", "s", "k  ", 260, "v"},
    {"section name with blanks asked", "[s]\r\nk=v\r\n", "  s ", "k", 260, "v"},
    {"lines before the first section", "k=early\r\n[s]\r\n", "s", "k", 260, "DEF"},
    {"comment line does not hide the key", "[s]\r\n; k=old\r\nk=v\r\n", "s", "k", 260, "v"},
    {"empty value", "[s]\r\nk=\r\n", "s", "k", 260, ""},
    {"blank value", "[s]\r\nk=   \r\n", "s", "k", 260, ""},
    {"value holding '='", "[s]\r\nk=a=b\r\n", "s", "k", 260, "a=b"},
    {"value holding ']'", "[s]\r\nk=x]\r\n", "s", "k", 260, "x]"},
    {"value in brackets", "[s]\r\nk=[x]\r\n", "s", "k", 260, "[x]"},
    {"lone opening quote", "[s]\r\nk=\"abc\r\n", "s", "k", 260, "\"abc"},
    {"lone closing quote", "[s]\r\nk=abc\"\r\n", "s", "k", 260, "abc\""},
    {"quotes of two kinds", "[s]\r\nk=\"abc'\r\n", "s", "k", 260, "\"abc'"},
    {"a quote is the whole value", "[s]\r\nk=\"\r\n", "s", "k", 260, "\""},
    {"empty double quotes", "[s]\r\nk=\"\"\r\n", "s", "k", 260, ""},
    {"empty single quotes", "[s]\r\nk=''\r\n", "s", "k", 260, ""},
    {"quotes inside quotes", "[s]\r\nk=\"a\"b\"\r\n", "s", "k", 260, "a\"b"},
    {"blanks outside quotes", "[s]\r\nk=  \"x\"  \r\n", "s", "k", 260, "x"},
    {"first of two keys", "[s]\r\nk=1\r\nk=2\r\n", "s", "k", 260, "1"},
    {"first of two sections", "[s]\r\nk=1\r\n[S]\r\nk=2\r\n", "s", "k", 260, "1"},
    {"no line end after the key", "[s]\r\nk=v", "s", "k", 260, "v"},
    {"LF only", "[Test]\nProfileInt=123\n", "test", "profileint", 260, "123"},
    {"room 2", "[s]\r\nk=val\r\n", "s", "k", 2, "v"},
    {"room 1", "[s]\r\nk=val\r\n", "s", "k", 1, ""},
    {"empty key name", "[s]\r\n=val_no_key\r\n[t]\r\n\0"s, "s", "", 260, "val_no_key"},
};

TEST_F(ProfileWindows, ReadsEveryShapeOfLine) {
    for (const ShapeCase& c : Shapes) {
        WriteBytes(path, c.content);
        EXPECT_EQ(os::ReadProfileString(path, c.section, c.key, "DEF", c.room), c.expected)
            << c.what;
    }
}

TEST_F(ProfileWindows, EmptySectionNameReadsTheEmptyBrackets) {
    KNOWN_WINE_DIFFERENCE("an empty section name finds the lines before the first section");
    WriteBytes(path,
               "\r\nkey=val_no_section\r\n[]\r\nkey=val_e_section\r\n[s]\r\n=val_no_key\r\n"
               "[t]\r\n\0"s);
    EXPECT_EQ(os::ReadProfileString(path, "", "key", "", 100), "val_e_section");
}

TEST_F(ProfileWindows, ReadsTheFileAsItIsNow) {
    WriteBytes(path, "[Test]\nProfileInt=123\n");
    EXPECT_EQ(os::ReadProfileString(path, "Test", "ProfileInt", "0", 20), "123");
    WriteBytes(path, "[Test]\nProfileInt=124\n");
    EXPECT_EQ(os::ReadProfileString(path, "Test", "ProfileInt", "0", 20), "124");
    ASSERT_TRUE(std::filesystem::remove(os_test::FromUtf8(path)));
    EXPECT_EQ(os::ReadProfileString(path, "Test", "ProfileInt", "421", 20), "421");
}

// ---- Writing --------------------------------------------------------------

struct Assignment {
    std::string section;
    std::string key;
    std::string value;
};

struct WriteCase {
    const char* what;
    std::optional<std::string> before;  // nothing: the file does not exist
    std::vector<Assignment> writes;
    std::string after;
};

const std::vector<WriteCase> Writes = {
    {"empty value into a missing file", std::nullopt, {{"App", "key", ""}}, "[App]\r\nkey=\r\n"},
    {"an INI file built up from an empty file",
     ""s,
     {{"App1", "key1", "string1"},
      {"App1", "key2", "string2"},
      {"App1", "key3", "string3"},
      {"App2", "key4", "string4"},
      {"App3", "key5", "string5"}},
     "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n"
     "[App2]\r\nkey4=string4\r\n[App3]\r\nkey5=string5\r\n"},
    {"a value replaced",
     std::nullopt,
     {{"s", "key", "616261637573006F"}, {"s", "key", "636163747573006F"}},
     "[s]\r\nkey=636163747573006F\r\n"},
    {"the same key written again and again",
     std::nullopt,
     {{"Test", "ProfileInt", "-1"}, {"Test", "ProfileInt", "1"}, {"Test", "ProfileInt", "+1"}},
     "[Test]\r\nProfileInt=+1\r\n"},
    {"the file's spelling of names stays",
     "[Sect]\r\nKey=1\r\n"s,
     {{"SECT", "key", "2"}},
     "[Sect]\r\nKey=2\r\n"},
    {"new key after a last line without line end",
     "[s]\r\nk=v"s,
     {{"s", "j", "w"}},
     "[s]\r\nk=v\r\nj=w\r\n"},
};

TEST_F(ProfileWindows, WritesExactlyTheseBytes) {
    for (const WriteCase& c : Writes) {
        std::filesystem::remove(os_test::FromUtf8(path));
        if (c.before) WriteBytes(path, *c.before);
        for (const Assignment& a : c.writes) {
            EXPECT_TRUE(os::WriteProfileString(path, a.section, a.key, a.value)) << c.what;
        }
        EXPECT_EQ(ReadBytes(path), c.after) << c.what;
    }
}

TEST_F(ProfileWindows, KeepsBytesBeforeTheFirstSection) {
    KNOWN_WINE_DIFFERENCE("the bytes before the first section are cut at their first NUL");
    const std::string data = "Data \0 before \0 first \0 section"s;
    ASSERT_EQ(data.size(), 31u);
    WriteBytes(path, data);
    ASSERT_TRUE(os::WriteProfileString(path, "section1", "key1", "string1"));
    EXPECT_EQ(ReadBytes(path), data + "\r\n[section1]\r\nkey1=string1\r\n");
}

TEST_F(ProfileWindows, WrittenFilesStayReadable) {
    struct Case {
        const char* what;
        std::string before;
        Assignment write;
        std::vector<std::pair<std::string, std::string>> reads;  // key of [s], value
    };
    const std::vector<Case> cases = {
        {"file ending in a NUL",
         "[s]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n\0"s,
         {"s", "name5", "val5"},
         {{"name1", "val1"}, {"name2", ""}, {"name4", "val4"}, {"name5", "val5"}}},
        {"new key in an LF-only file",
         "[s]\nk=v\n[t]\nk=t\n",
         {"s", "j", "w"},
         {{"k", "v"}, {"j", "w"}}},
        {"replaced value in an LF-only file",
         "[s]\nk=v\nj=x\n",
         {"s", "k", "w"},
         {{"k", "w"}, {"j", "x"}}},
        {"value with blanks around it", "[s]\r\n", {"s", "k", "  v  "}, {{"k", "v"}}},
        {"new key in a CR-only file", "[s]\rk=v\r", {"s", "j", "w"}, {{"k", "v"}, {"j", "w"}}},
    };
    for (const Case& c : cases) {
        WriteBytes(path, c.before);
        EXPECT_TRUE(os::WriteProfileString(path, c.write.section, c.write.key, c.write.value))
            << c.what;
        for (const auto& [key, value] : c.reads) {
            EXPECT_EQ(os::ReadProfileString(path, "s", key, "DEF", 100), value)
                << c.what << ": " << key;
        }
        EXPECT_EQ(os::ReadProfileString(path, "t", "k", "DEF", 100),
                  c.before.find("[t]") == std::string::npos ? "DEF" : "t")
            << c.what;
    }
}

TEST_F(ProfileWindows, RefusesWritesWithoutAFileOrFolder) {
    EXPECT_FALSE(os::WriteProfileString("", "App", "key", "string"));
    EXPECT_FALSE(os::WriteProfileString(folder / "missing/x.ini", "App", "key", "string"));
    EXPECT_FALSE(std::filesystem::exists(os_test::FromUtf8(folder / "missing")));
}

}  // namespace
