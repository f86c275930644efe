#include "common/project_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <map>
#include <string>
#include <vector>

#include "common/conversions.h"

namespace {

namespace project = common::project;
using project::Program;
using namespace std::string_literals;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Profile strings kept in memory, matched without regard to case, with the
// buffer truncation of the real functions; every request is recorded.
class ScriptedProfile : public os::Services {
public:
    struct Request {
        std::string path, section, key, defaultValue;
        std::size_t room;
    };

    std::string ReadProfileString(const std::string& path, const std::string& section,
                                  const std::string& key, const std::string& defaultValue,
                                  std::size_t room) override {
        reads.push_back({path, section, key, defaultValue, room});
        const auto found = values.find({Lower(path), Lower(section), Lower(key)});
        std::string value = found == values.end() ? defaultValue : found->second;
        if (room == 0) return {};
        return value.substr(0, room - 1);
    }
    bool WriteProfileString(const std::string& path, const std::string& section,
                            const std::string& key, const std::string& value) override {
        writes.push_back({path, section, key, value, 0});
        values[{Lower(path), Lower(section), Lower(key)}] = value;
        return true;
    }

    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
    std::vector<Request> reads;
    std::vector<Request> writes;
};

TEST(ProjectFile, ItemSectionNames) {
    EXPECT_EQ(project::ItemSection(1), "Item1");
    EXPECT_EQ(project::ItemSection(10), "Item10");
}

TEST(ProjectFile, ReadAsksWithTheReadersNameAndBufferOneLargerThanKept) {
    ScriptedProfile os;
    project::Read(os, "p.ini", "General", project::general::FontSize, Program::Menu);
    project::Read(os, "p.ini", "Item2", project::item::Command, Program::Editor, 2);
    project::Read(os, "p.ini", "General", project::general::Font, Program::Editor);
    ASSERT_EQ(os.reads.size(), 3u);
    EXPECT_EQ(os.reads[0].key, "Fontsize");
    EXPECT_EQ(os.reads[0].room, 3u);
    EXPECT_EQ(os.reads[1].key, "command");
    EXPECT_EQ(os.reads[1].section, "Item2");
    EXPECT_EQ(os.reads[1].room, 250u);
    EXPECT_EQ(os.reads[2].room, 200u);
}

TEST(ProjectFile, DefaultsDependOnTheProgram) {
    ScriptedProfile os;
    using namespace project;
    EXPECT_EQ(Read(os, "p.ini", "General", general::ColorPic, Program::Menu), "true");
    EXPECT_EQ(Read(os, "p.ini", "General", general::ColorPic, Program::Editor), "True");
    EXPECT_EQ(Read(os, "p.ini", "General", general::Name, Program::Menu), "Pavonel");
    EXPECT_EQ(Read(os, "p.ini", "General", general::BackColor, Program::Menu), "8421376");
    EXPECT_EQ(Read(os, "p.ini", "Item3", item::Txt, Program::Editor, 3), "Item3");
    EXPECT_EQ(Read(os, "p.ini", "Item10", item::Txt, Program::Editor, 10), "Item10");
    EXPECT_EQ(Read(os, "p.ini", "Item3", item::Txt, Program::Menu, 3), "");
    // A present but empty value is not replaced by the default.
    os.values[{"p.ini", "item3", "txt"}] = "";
    EXPECT_EQ(Read(os, "p.ini", "Item3", item::Txt, Program::Editor, 3), "");
}

TEST(ProjectFile, KeyTheMenuDoesNotReadIsNotAskedFor) {
    ScriptedProfile os;
    os.values[{"p.ini", "general", "sourcedir"}] = "C:\\cd";
    EXPECT_EQ(project::Read(os, "p.ini", "General", project::general::SourceDir, Program::Menu),
              "");
    EXPECT_TRUE(os.reads.empty());
    EXPECT_EQ(project::Read(os, "p.ini", "General", project::general::SourceDir, Program::Editor),
              "C:\\cd");
}

TEST(ProjectFile, LongValuesAreCutToWhatTheProgramKeeps) {
    ScriptedProfile os;
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
    ScriptedProfile os;
    os.values[{"p.ini", "general", "name"}] = "Demo\0rest"s;
    EXPECT_EQ(project::Read(os, "p.ini", "General", project::general::Name, Program::Menu),
              "Demo");
}

TEST(ProjectFile, WriteUsesTheWrittenNameAndRefusesAnEmptyPath) {
    ScriptedProfile os;
    EXPECT_TRUE(project::Write(os, "p.ini", "Item1", project::item::Command, "\\setup.exe"));
    EXPECT_TRUE(project::Write(os, "p.ini", "General", project::general::FontSize, "10"));
    EXPECT_FALSE(project::Write(os, "", "General", project::general::Name, "x"));
    ASSERT_EQ(os.writes.size(), 2u);
    EXPECT_EQ(os.writes[0].key, "Command");
    EXPECT_EQ(os.writes[1].key, "FontSize");
}

// The same keys through the real profile functions on a file of its own.
class ProjectFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                (std::string("common_test_") + info->name() + ".ini");
        std::filesystem::remove(path_);
    }
    void TearDown() override { std::filesystem::remove(path_); }
    std::string Path() const { return path_.string(); }
    std::string Contents() const {
        std::ifstream in(path_, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    os::Services services;

private:
    std::filesystem::path path_;
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
