// Starting programs: each started command leaves a marker file behind.
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "os/os.h"
#include "support.h"

namespace {

// A program that runs a command line, and the command that makes a file.
#ifdef _WIN32
const std::string Shell = "cmd.exe";
std::string MakeFile(const std::string& path) { return "/c echo x>" + path; }
#else
const std::string Shell = "/bin/sh";
std::string MakeFile(const std::string& path) { return "-c \": > '" + path + "'\""; }
#endif

bool Appears(const std::string& path) {
    return os_test::WaitFor([&] { return os::FileExists(path); });
}

// A program in a folder whose name holds a blank, which creates the file
// named by its last argument; beside that folder lies a file named like
// the folder's first word, which a search for a shorter prefix would take.
std::string MarkerProgram(const os_test::TempFolder& folder) {
    const auto programFolder = folder.Path() / "mit Leer";
    std::filesystem::create_directory(programFolder);
    os_test::WriteBytes(folder / "mit", "kein Programm");
#ifdef _WIN32
    const char* comspec = std::getenv("ComSpec");
    if (comspec == nullptr) return "";
    const auto program = programFolder / "cmd.exe";
    std::filesystem::copy_file(comspec, program);
#else
    const auto program = programFolder / "prog";
    os_test::WriteBytes(os_test::Utf8(program), "#!/bin/sh\nfor last; do :; done\n: > \"$last\"\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
#endif
    return os_test::Utf8(program);
}

// The arguments that make the marker program create path.
std::vector<std::string> MarkerArguments(const std::string& path) {
#ifdef _WIN32
    return {"/c", "echo x>" + path};
#else
    return {"erstes Argument", path};
#endif
}

TEST(StartProgram, StartsExactlyTheNamedProgramWithItsArgumentsWithoutWaiting) {
    os_test::TempFolder folder;
    const std::string program = MarkerProgram(folder);
    ASSERT_FALSE(program.empty());
    const std::string marker = folder / "gestartet";
    ASSERT_TRUE(os::StartProgram(program, MarkerArguments(marker), os::WindowState::Normal));
    EXPECT_TRUE(Appears(marker));
    ASSERT_TRUE(os::StartProgram(program, MarkerArguments(marker + "2"), os::WindowState::Minimized));
    EXPECT_TRUE(Appears(marker + "2"));
}

TEST(StartProgram, ReportsWhatIsNoProgram) {
    os_test::TempFolder folder;
    os_test::WriteBytes(folder / "text.txt", "kein Programm");
    for (const std::string& program :
         {folder / "fehlt.exe", std::string(), folder / "text.txt", os_test::Utf8(folder.Path())}) {
        EXPECT_FALSE(os::StartProgram(program, {}, os::WindowState::Normal)) << program;
    }
}

TEST(ShellOpen, StartsAProgramWithParametersInTheGivenFolder) {
    os_test::TempFolder folder;
    ASSERT_TRUE(os::ShellOpen(0, Shell, MakeFile("geoeffnet"), "", os_test::Utf8(folder.Path()),
                              os::WindowState::Normal));
    EXPECT_TRUE(Appears(folder / "geoeffnet"));
}

TEST(ShellOpen, ReportsAFileThatIsNotThere) {
    os_test::TempFolder folder;
    EXPECT_FALSE(os::ShellOpen(0, folder / "fehlt.exe", "", "", "", os::WindowState::Normal));
    EXPECT_FALSE(os::ShellOpen(0, "", "", "", "", os::WindowState::Normal));
}

}  // namespace
