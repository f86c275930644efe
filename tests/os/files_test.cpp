// Files, folders, drives and the program's own folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "os/os.h"
#include "support.h"

namespace {

#ifdef _WIN32
constexpr char Separator = '\\';
#else
constexpr char Separator = '/';
#endif

TEST(FileExists, FindsFilesAndFoldersAndNothingElse) {
    os_test::TempFolder folder;
    const std::string file = folder / "setup.exe";
    const std::string sub = folder / "Daten";
    os_test::WriteBytes(file, "MZ");
    std::filesystem::create_directory(os_test::FromUtf8(sub));

    EXPECT_TRUE(os::FileExists(file));
    EXPECT_TRUE(os::FileExists(sub));
    EXPECT_TRUE(os::FileExists(sub + Separator));
    EXPECT_TRUE(os::FileExists(os_test::Utf8(folder.Path()) + Separator + Separator + "setup.exe"));
    EXPECT_FALSE(os::FileExists(folder / "setup.ex"));
    EXPECT_FALSE(os::FileExists(folder / "fehlt/setup.exe"));
    EXPECT_FALSE(os::FileExists(file + Separator));
    EXPECT_FALSE(os::FileExists(""));
    EXPECT_FALSE(os::FileExists(std::string("set\0up", 6)));
    // A pattern is no name: it must not report a file that matches it.
    EXPECT_FALSE(os::FileExists(folder / "*.exe"));
    EXPECT_FALSE(os::FileExists(folder / "setup.ex?"));
}

TEST(FileOperations, CopyMoveAndDeleteLeaveNothingHalfDone) {
    os_test::TempFolder folder;
    const std::string original = folder / "kelvo.ini";
    const std::string copy = folder / "kelvo.ini.neu";
    os_test::WriteBytes(original, "[General]\r\nName=Alt\r\n");

    ASSERT_TRUE(os::CopyFileOver(original, copy));
    EXPECT_EQ(os_test::ReadBytes(copy), "[General]\r\nName=Alt\r\n");
    os_test::WriteBytes(copy, "[General]\r\nName=Neu\r\n");
    ASSERT_TRUE(os::MoveFileOver(copy, original));
    EXPECT_EQ(os_test::ReadBytes(original), "[General]\r\nName=Neu\r\n");
    EXPECT_FALSE(os::FileExists(copy));

    // A read-only file is not replaced; both files stay as they were.
    os_test::WriteBytes(copy, "anders");
    std::filesystem::permissions(os_test::FromUtf8(original), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    EXPECT_FALSE(os::MoveFileOver(copy, original));
    EXPECT_EQ(os_test::ReadBytes(original), "[General]\r\nName=Neu\r\n");
    EXPECT_EQ(os_test::ReadBytes(copy), "anders");
    // A copy of the read-only file is the copier's to write.
    const std::string second = folder / "zweite.ini";
    ASSERT_TRUE(os::CopyFileOver(original, second));
    EXPECT_NE(std::filesystem::status(os_test::FromUtf8(second)).permissions() &
                  std::filesystem::perms::owner_write,
              std::filesystem::perms::none);
    std::filesystem::permissions(os_test::FromUtf8(original), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);

    EXPECT_FALSE(os::CopyFileOver(folder / "fehlt.ini", copy));
    EXPECT_FALSE(os::CopyFileOver(original, folder / "fehlt/kelvo.ini"));
    EXPECT_FALSE(os::MoveFileOver(folder / "fehlt.ini", original));
    EXPECT_TRUE(os::DeleteFileAt(copy));
    EXPECT_FALSE(os::FileExists(copy));
    EXPECT_FALSE(os::DeleteFileAt(copy));
}

TEST(ProgramFolder, IsTheFolderOfTheRunningProgram) {
    const std::string folder = os::ProgramFolder();
    ASSERT_GT(folder.size(), 1u);
    EXPECT_NE(folder.back(), Separator);
#ifdef _WIN32
    const std::string program = "os_test.exe";
#else
    const std::string program = "os_test";
#endif
    EXPECT_TRUE(os::FileExists(folder + Separator + program)) << folder;
}

TEST(Drives, OnlyLettersNameDrives) {
    for (const char c : {'\0', '1', ':', '\\', '@', '[', '`', '{'}) EXPECT_FALSE(os::DriveExists(c));
}

#ifdef _WIN32
TEST(Drives, ADriveExistsExactlyWhenItsLetterIsFound) {
    EXPECT_TRUE(os::DriveExists('C'));
    EXPECT_TRUE(os::DriveExists('c'));
    EXPECT_TRUE(os::FileExists("C:"));
    EXPECT_TRUE(os::FileExists("c:\\"));
    int unused = 0;
    for (char letter = 'D'; letter <= 'Z'; ++letter) {
        if (os::DriveExists(letter)) continue;
        ++unused;
        EXPECT_FALSE(os::FileExists(std::string(1, letter) + ":")) << letter;
        EXPECT_FALSE(os::FileExists(std::string(1, letter) + ":\\subst.exe")) << letter;
    }
    EXPECT_GT(unused, 0);
}
#endif

}  // namespace
