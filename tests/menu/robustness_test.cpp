// Whatever a project file on a disc holds, the menu comes up: no crash, no
// access out of bounds (the sanitizer build checks that), at most ten
// entries, and a window of one of its two widths.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "common/project_file.h"
#include "menu_fixture.h"

namespace menu::testing {
namespace {

// Values chosen to hit the edges of every conversion: numbers far out of
// range, fractions, signs, exponents, blanks, words, NUL bytes, long texts,
// quotes and separators.
const char* const kValues[] = {
    "",      "0",        "-1",         "1",           "5",          "6",
    "10",    "11",      "99",         "-99",         "2.5",        "3.5",
    "1e3",   "1e999",   "-1e999",     "4294967296",  "-2147483649", "2147483647",
    "&H10",  "0x10",    " 7 ",        "True",        "false",      "Ja",
    "\"x\"", "'y'",     "\\",         "\\fehlt.bmp", "\\a b c",    "http://x",
    "ICO",   "a.ico",   "MAILTO:",    "=",           "[Item1]",    "\x01\x7f\xff",
};

std::string RandomValue(std::mt19937& random) {
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kValues));
    const std::size_t choice = pick(random);
    if (choice < std::size(kValues)) return kValues[choice];
    // A long text of random printable bytes.
    std::uniform_int_distribution<int> length(200, 1500), byte(32, 255);
    std::string text(static_cast<std::size_t>(length(random)), ' ');
    for (char& c : text) c = static_cast<char>(byte(random));
    return text;
}

// Every key the menu program reads, under the name it asks for.
std::string RandomProject(std::mt19937& random) {
    namespace project = common::project;
    std::string text = "[General]\r\n";
    for (const project::Key* key : project::general::MenuReadOrder)
        if (random() % 4 != 0) text += std::string(key->read) + "=" + RandomValue(random) + "\r\n";
    for (int n = 0; n <= 12; ++n) {
        text += "[" + project::ItemSection(n) + "]\r\n";
        for (const project::Key* key : project::item::ReadOrder)
            if (random() % 3 != 0) text += std::string(key->read) + "=" + RandomValue(random) + "\r\n";
    }
    return text;
}

class RandomProjectTest : public MenuTest, public ::testing::WithParamInterface<unsigned> {};

TEST_P(RandomProjectTest, MenuComesUpWithinItsLimits) {
    std::mt19937 random(GetParam());
    const std::string project = RandomProject(random);
    WriteProject(project);
    Start();

    EXPECT_TRUE(main.Loaded()) << project;
    EXPECT_LE(VisibleEntries(), 10);
    EXPECT_EQ(main.Caption().rfind("Orlimar - ", 0), 0u);
    const forms::Twips narrow = 6000;
    EXPECT_TRUE(main.Width() == narrow || main.ScaleWidth() == 9525) << main.Width();
    // Pointing at and choosing every place, even hidden ones, stays safe.
    for (int i = 0; i < 10; ++i) {
        main.cmdItem[i].RaiseMouseMove({});
        main.cmdItem[i].RaiseClick();
    }
    main.RaiseMouseMove({});
    EXPECT_EQ(main.lblDesc.Caption(), "");
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomProjectTest, ::testing::Range(1u, 201u));

}  // namespace
}  // namespace menu::testing
