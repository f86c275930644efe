// Starting programs: each started command leaves a marker file behind.
#include <cstdlib>
#include <gtest/gtest.h>

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

TEST(StartProcess, RunsTheCommandLineWithoutWaiting) {
    os_test::TempFolder folder;
    const std::string marker = folder / "gestartet";
    ASSERT_TRUE(os::StartProcess(Shell + " " + MakeFile(marker), os::WindowState::Normal));
    EXPECT_TRUE(Appears(marker));
    ASSERT_TRUE(os::StartProcess(Shell + " " + MakeFile(marker + "2"), os::WindowState::Minimized));
    EXPECT_TRUE(Appears(marker + "2"));
}

TEST(StartProcess, FindsAnUnquotedProgramPathWithBlanks) {
    os_test::TempFolder folder;
    const std::string marker = folder / "gestartet";
    const auto programFolder = folder.Path() / "mit Leer";
    std::filesystem::create_directory(programFolder);
#ifdef _WIN32
    const char* comspec = std::getenv("ComSpec");
    ASSERT_NE(comspec, nullptr);
    const auto program = programFolder / "cmd.exe";
    std::filesystem::copy_file(comspec, program);
    const std::string command = os_test::Utf8(program) + " " + MakeFile(marker);
#else
    const auto program = programFolder / "prog";
    os_test::WriteBytes(os_test::Utf8(program), "#!/bin/sh\n: > \"$1\"\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    const std::string command = os_test::Utf8(program) + " " + marker;
#endif
    ASSERT_TRUE(os::StartProcess(command, os::WindowState::Normal));
    EXPECT_TRUE(Appears(marker));
}

TEST(StartProcess, ReportsAProgramThatIsNotThere) {
    os_test::TempFolder folder;
    EXPECT_FALSE(os::StartProcess(folder / "fehlt.exe", os::WindowState::Normal));
    EXPECT_FALSE(os::StartProcess("", os::WindowState::Normal));
    EXPECT_FALSE(os::StartProcess("  ", os::WindowState::Normal));
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
