// Folders listed, the facts of their entries, and files streamed in pieces:
// what the check and the image of a disc read a folder with.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "os/file_system.h"
#include "support.h"

namespace {

namespace fs = std::filesystem;

TEST(FileSystem, AFolderListsItsNamesAndEachEntryItsFacts) {
    os_test::TempFolder folder;
    const std::string root = os_test::Utf8(folder.Path());
    os_test::WriteBytes(folder / "Preisliste \xc3\xa4.txt", "12345");
    os_test::WriteBytes(folder / "leer.txt", "");
    fs::create_directory(os_test::FromUtf8(folder / "Bilder"));
    // A fixed time, as the image records it: 1998-06-01 12:00:00 UTC.
    const auto time = std::chrono::sys_seconds{std::chrono::seconds{896702400}};
    fs::last_write_time(os_test::FromUtf8(folder / "leer.txt"),
                        fs::file_time_type::clock::from_sys(time));

    auto names = os::ListFolder(root);
    ASSERT_TRUE(names.has_value());
    std::sort(names->begin(), names->end());
    EXPECT_EQ(*names,
              (std::vector<std::string>{"Bilder", "Preisliste \xc3\xa4.txt", "leer.txt"}));

    const auto file = os::FactsOf(os::ChildPath(root, "Preisliste \xc3\xa4.txt"));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->kind, os::EntryKind::File);
    EXPECT_EQ(file->size, 5u);
    EXPECT_FALSE(file->link);
    const auto empty = os::FactsOf(folder / "leer.txt");
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->size, 0u);
    EXPECT_EQ(empty->time, 896702400);
    const auto sub = os::FactsOf(folder / "Bilder");
    ASSERT_TRUE(sub.has_value());
    EXPECT_EQ(sub->kind, os::EntryKind::Folder);
    EXPECT_EQ(os::ListFolder(folder / "Bilder"), std::vector<std::string>{});
    // One entry, one identity; two entries, two.
    EXPECT_FALSE(sub->identity.empty());
    EXPECT_EQ(os::FactsOf(os::ChildPath(root, "Bilder") + "/")->identity, sub->identity);
    EXPECT_NE(file->identity, sub->identity);

    // Nothing there is a fact; what cannot be asked is none.
    const auto missing = os::FactsOf(folder / "fehlt.txt");
    ASSERT_TRUE(missing.has_value());
    EXPECT_EQ(missing->kind, os::EntryKind::Missing);
    EXPECT_EQ(os::FactsOf(folder / "fehlt/tiefer.txt")->kind, os::EntryKind::Missing);
    EXPECT_FALSE(os::FactsOf("").has_value());
    EXPECT_FALSE(os::FactsOf(std::string("lee\0r.txt", 9)).has_value());
    EXPECT_FALSE(os::ListFolder(folder / "fehlt").has_value());
    EXPECT_FALSE(os::ListFolder(folder / "leer.txt").has_value()) << "a file lists nothing";
}

TEST(FileSystem, ChildPathsTakeOneSeparator) {
#ifdef _WIN32
    EXPECT_EQ(os::ChildPath("D:\\", "kelvo.ini"), "D:\\kelvo.ini");
    EXPECT_EQ(os::ChildPath("D:\\cd", "kelvo.ini"), "D:\\cd\\kelvo.ini");
    EXPECT_EQ(os::ChildPath("D:/cd/", "kelvo.ini"), "D:/cd/kelvo.ini");
#else
    EXPECT_EQ(os::ChildPath("/", "kelvo.ini"), "/kelvo.ini");
    EXPECT_EQ(os::ChildPath("/cd", "kelvo.ini"), "/cd/kelvo.ini");
    EXPECT_EQ(os::ChildPath("/cd/", "kelvo.ini"), "/cd/kelvo.ini");
#endif
}

TEST(FileSystem, FilesAreWrittenAndReadInPieces) {
    os_test::TempFolder folder;
    const std::string path = folder / "abbild.iso";
    // More than one piece of the reader below, with every byte value.
    std::string bytes;
    for (int i = 0; i < 200000; ++i) bytes += static_cast<char>(i * 7 % 256);
    {
        os::OutputFile out(path);
        ASSERT_TRUE(out.IsOpen());
        EXPECT_TRUE(out.Write(bytes.data(), 100000));
        EXPECT_TRUE(out.Write(bytes.data() + 100000, bytes.size() - 100000));
        EXPECT_TRUE(out.Close());
        EXPECT_FALSE(out.Write("x", 1)) << "closed";
        EXPECT_FALSE(out.DiskFull());
    }
    EXPECT_EQ(os::ReadWholeFile(path), bytes);

    {
        os::InputFile in(path);
        ASSERT_TRUE(in.IsOpen());
        std::string read;
        char piece[65536];
        for (std::optional<std::size_t> got; (got = in.Read(piece, sizeof piece)) && *got > 0;)
            read.append(piece, *got);
        EXPECT_EQ(read, bytes);
        EXPECT_EQ(in.Read(piece, sizeof piece), std::optional<std::size_t>(0)) << "at the end";
    }

    // A new file replaces the old one's bytes; a file left open is closed
    // with its bytes.
    {
        os::OutputFile again(path);
        ASSERT_TRUE(again.Write("neu", 3));
    }
    EXPECT_EQ(os::ReadWholeFile(path), "neu");

    EXPECT_FALSE(os::InputFile(folder / "fehlt.iso").IsOpen());
    EXPECT_FALSE(os::OutputFile(folder / "fehlt/abbild.iso").IsOpen());
    EXPECT_FALSE(os::ReadWholeFile(folder / "fehlt.iso").has_value());
    EXPECT_FALSE(os::ReadWholeFile(os_test::Utf8(folder.Path())).has_value()) << "a folder";
}

}  // namespace
