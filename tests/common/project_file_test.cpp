#include "common/project_file.h"

#include <gtest/gtest.h>

#include <string>

#include "common/conversions.h"
#include "support/scripted_services.h"
#include "support/temp_folder.h"

namespace {

namespace project = common::project;
using project::Program;
using namespace std::string_literals;

// Profile strings kept in memory, matched without regard to case, with the
// buffer truncation of the real functions; every request is recorded.
test_support::ScriptedServices InMemoryProfiles() {
    test_support::ScriptedServices services;
    services.profilesInMemory = true;
    return services;
}

TEST(ProjectFile, ItemSectionNames) {
    EXPECT_EQ(project::ItemSection(1), "Item1");
    EXPECT_EQ(project::ItemSection(10), "Item10");
}

TEST(ProjectFile, ReadAsksWithTheReadersNameAndBufferOneLargerThanKept) {
    test_support::ScriptedServices os = InMemoryProfiles();
    project::Read(os, "p.ini", "General", project::general::FontSize, Program::Menu);
    project::Read(os, "p.ini", "Item2", project::item::Command, Program::Editor, 2);
    project::Read(os, "p.ini", "General", project::general::Font, Program::Editor);
    ASSERT_EQ(os.profileReads.size(), 3u);
    EXPECT_EQ(os.profileReads[0].key, "Fontsize");
    EXPECT_EQ(os.profileReads[0].room, 3u);
    EXPECT_EQ(os.profileReads[1].key, "command");
    EXPECT_EQ(os.profileReads[1].section, "Item2");
    EXPECT_EQ(os.profileReads[1].room, 250u);
    EXPECT_EQ(os.profileReads[2].room, 200u);
}

TEST(ProjectFile, DefaultsDependOnTheProgram) {
    test_support::ScriptedServices os = InMemoryProfiles();
    using namespace project;
    EXPECT_EQ(Read(os, "p.ini", "General", general::ColorPic, Program::Menu), "true");
    EXPECT_EQ(Read(os, "p.ini", "General", general::ColorPic, Program::Editor), "True");
    EXPECT_EQ(Read(os, "p.ini", "General", general::Name, Program::Menu), "Pavonel");
    EXPECT_EQ(Read(os, "p.ini", "General", general::BackColor, Program::Menu), "8421376");
    EXPECT_EQ(Read(os, "p.ini", "Item3", item::Txt, Program::Editor, 3), "Item3");
    EXPECT_EQ(Read(os, "p.ini", "Item10", item::Txt, Program::Editor, 10), "Item10");
    EXPECT_EQ(Read(os, "p.ini", "Item3", item::Txt, Program::Menu, 3), "");
    // A present but empty value is not replaced by the default.
    os.profileValues[{"p.ini", "item3", "txt"}] = "";
    EXPECT_EQ(Read(os, "p.ini", "Item3", item::Txt, Program::Editor, 3), "");
}

TEST(ProjectFile, KeyTheMenuDoesNotReadIsNotAskedFor) {
    test_support::ScriptedServices os = InMemoryProfiles();
    os.profileValues[{"p.ini", "general", "sourcedir"}] = "C:\\cd";
    EXPECT_EQ(project::Read(os, "p.ini", "General", project::general::SourceDir, Program::Menu),
              "");
    EXPECT_TRUE(os.profileReads.empty());
    EXPECT_EQ(project::Read(os, "p.ini", "General", project::general::SourceDir, Program::Editor),
              "C:\\cd");
}

TEST(ProjectFile, LongValuesAreCutToWhatTheProgramKeeps) {
    test_support::ScriptedServices os = InMemoryProfiles();
    using namespace project;
    Write(os, "p.ini", "General", general::Font, "Very Long Font Face Name Indeed");
    Write(os, "p.ini", "General", general::FontSize, "123");
    Write(os, "p.ini", "General", general::ColorPic, "False");
    Write(os, "p.ini", "General", general::Items, "100");
    Write(os, "p.ini", "Item1", item::Desc, std::string(1200, 'd'));
    EXPECT_EQ(Read(os, "p.ini", "General", general::Font, Program::Menu), "Very Long Font Face");
    EXPECT_EQ(Read(os, "p.ini", "General", general::Font, Program::Editor),
              "Very Long Font Face Name Indeed");
    EXPECT_EQ(Read(os, "p.ini", "General", general::FontSize, Program::Menu), "12");
    EXPECT_EQ(Read(os, "p.ini", "General", general::ColorPic, Program::Menu), "False");
    EXPECT_EQ(Read(os, "p.ini", "General", general::Items, Program::Editor), "10");
    EXPECT_EQ(Read(os, "p.ini", "Item1", item::Desc, Program::Menu), std::string(999, 'd'));
}

TEST(ProjectFile, ValueEndsAtAnEmbeddedNulAsInAFixedBuffer) {
    test_support::ScriptedServices os = InMemoryProfiles();
    os.profileValues[{"p.ini", "general", "name"}] = "Demo\0rest"s;
    EXPECT_EQ(project::Read(os, "p.ini", "General", project::general::Name, Program::Menu),
              "Demo");
}

TEST(ProjectFile, WriteUsesTheWrittenNameAndRefusesAnEmptyPath) {
    test_support::ScriptedServices os = InMemoryProfiles();
    EXPECT_TRUE(project::Write(os, "p.ini", "Item1", project::item::Command, "\\setup.exe"));
    EXPECT_TRUE(project::Write(os, "p.ini", "General", project::general::FontSize, "10"));
    EXPECT_FALSE(project::Write(os, "", "General", project::general::Name, "x"));
    ASSERT_EQ(os.profileWrites.size(), 2u);
    EXPECT_EQ(os.profileWrites[0].key, "Command");
    EXPECT_EQ(os.profileWrites[1].key, "FontSize");
}

// The same keys through the real profile functions on a file of its own.
class ProjectFileOnDisk : public ::testing::Test {
protected:
    std::string Path() const { return folder_ / "kelvo.ini"; }
    std::string Contents() const { return folder_.ReadFile("kelvo.ini"); }

    os::Services services;

private:
    test_support::TempFolder folder_;
};

TEST_F(ProjectFileOnDisk, RoundTripOfAProject) {
    using namespace project;
    for (const Key* key : general::WriteOrder) {
        const std::string value = key == &general::FontSize ? "10" : key->written + "-value"s;
        ASSERT_TRUE(Write(services, Path(), GeneralSection, *key, value)) << key->written;
    }
    ASSERT_TRUE(Write(services, Path(), ItemSection(1), item::Command, "\\setup.exe"));
    ASSERT_TRUE(Write(services, Path(), ItemSection(1), item::Txt, "Setup"));

    // The readers ask "Fontsize" and "command" for "FontSize" and "Command".
    EXPECT_EQ(Read(services, Path(), GeneralSection, general::FontSize, Program::Menu), "10");
    EXPECT_EQ(Read(services, Path(), ItemSection(1), item::Command, Program::Menu),
              "\\setup.exe");
    EXPECT_EQ(Read(services, Path(), GeneralSection, general::Name, Program::Editor),
              "Name-value");
    EXPECT_EQ(Read(services, Path(), GeneralSection, general::Font, Program::Menu),
              "Font-value");
    EXPECT_EQ(Read(services, Path(), GeneralSection, general::SourceDir, Program::Editor),
              "SourceDir-value");
    EXPECT_EQ(Read(services, Path(), GeneralSection, general::ColorPic, Program::Menu), "Color");
    EXPECT_EQ(Read(services, Path(), ItemSection(1), item::Txt, Program::Editor, 1), "Setup");
    // Missing keys and sections take the reader's defaults.
    EXPECT_EQ(Read(services, Path(), ItemSection(1), item::Desc, Program::Menu), "");
    EXPECT_EQ(Read(services, Path(), ItemSection(2), item::Txt, Program::Editor, 2), "Item2");

    // The keys are stored under the names as written, in the order written.
    const std::string text = Contents();
    EXPECT_LT(text.find("FontSize="), text.find("Font="));
    EXPECT_NE(text.find("Command="), std::string::npos);
    EXPECT_EQ(text.find("command="), std::string::npos);
}

TEST_F(ProjectFileOnDisk, MissingFileGivesEveryDefault) {
    using namespace project;
    EXPECT_EQ(Read(services, Path(), GeneralSection, general::Items, Program::Menu), "1");
    EXPECT_EQ(Read(services, Path(), GeneralSection, general::Name, Program::Menu), "Pavonel");
    EXPECT_EQ(Read(services, Path(), GeneralSection, general::ColorPic, Program::Editor), "True");
    EXPECT_EQ(Read(services, Path(), ItemSection(4), item::Txt, Program::Editor, 4), "Item4");
}

}  // namespace
