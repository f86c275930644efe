// Images of the demo CD and of a folder full of awkward names, read back
// with readers that share no code with the writer: xorriso and bsdtar
// extract both trees, isoinfo reads the path tables and directories,
// blkid and xorriso show the labels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>
#include <sys/wait.h>

#include "disc_image/disc_image.h"

namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path Path(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::int64_t Seconds(const fs::path& path) {
    const auto system = std::chrono::file_clock::to_sys(fs::last_write_time(path));
    return std::chrono::floor<std::chrono::seconds>(system).time_since_epoch().count();
}

// Seconds since 1970 of a UTC date, by the C library.
std::int64_t Utc(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900, tm.tm_mon = month - 1, tm.tm_mday = day;
    tm.tm_hour = hour, tm.tm_min = minute, tm.tm_sec = second;
    return ::timegm(&tm);
}

void SetTime(const fs::path& path, std::int64_t seconds) {
    const std::chrono::sys_seconds time{std::chrono::seconds{seconds}};
    fs::last_write_time(path, std::chrono::file_clock::from_sys(time));
}

// A fresh folder, removed at the end (extracted trees come read-only).
class Folder {
public:
    Folder() {
        std::random_device random;
        do {
            root_ = fs::temp_directory_path() /
                    ("kelvo-disc-" + std::to_string(random()) + std::to_string(random()));
        } while (!fs::create_directory(root_));
    }
    ~Folder() {
        std::error_code ignored;
        for (auto it = fs::recursive_directory_iterator(root_, ignored);
             it != fs::recursive_directory_iterator(); it.increment(ignored))
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(root_, ignored);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    const fs::path& Root() const { return root_; }
    fs::path operator/(const std::string& utf8) const { return root_ / Path(utf8); }

private:
    fs::path root_;
};

std::string Quoted(const fs::path& path) { return "'" + Utf8(path) + "'"; }

struct Ran {
    int status = -1;
    std::string output;
};

// A reader's command; its status and what it printed.
Ran Command(const std::string& command) {
    Ran run;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.output.append(buffer, n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Every entry under root by its relative path: folders as "/", files as
// their time and bytes.
std::map<std::string, std::string> Listing(const fs::path& root) {
    std::map<std::string, std::string> listing;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string path = Utf8(entry.path().lexically_relative(root));
        listing[path] = entry.is_directory()
                            ? "/"
                            : std::to_string(Seconds(entry.path())) + " " + ReadBytes(entry.path());
    }
    return listing;
}

// The tree's shape without its names, folders below maxLevel (the root is
// level 1) left out: what the ISO 9660 tree must hold whatever it calls
// the entries.
std::string Shape(const fs::path& folder, int maxLevel, int level = 1) {
    std::vector<std::string> pieces;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (!entry.is_directory())
            pieces.push_back(std::to_string(std::hash<std::string>{}(ReadBytes(entry.path()))));
        else if (level < maxLevel)
            pieces.push_back(Shape(entry.path(), maxLevel, level + 1));
    }
    std::sort(pieces.begin(), pieces.end());
    std::string shape = "(";
    for (const std::string& piece : pieces)
        shape += piece + " ";
    return shape + ")";
}

// The line of xorriso's -pvd_info that begins with field.
std::string PvdField(const fs::path& image, const std::string& field) {
    const Ran run = Command("xorriso -indev " + Quoted(image) + " -pvd_info");
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(field, 0) == 0) return line.substr(line.find(':') + 2);
    return "(" + field + " missing) " + run.output;
}

// A name of exactly 64 characters, with umlauts, blanks and several dots.
std::string Name64(const std::string& begin, const std::string& end) {
    std::size_t characters = 0;
    for (const char c : begin + end)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return begin + std::string(64 - characters, 'x') + end;
}

const std::string Deep = "Ebene 1/Ebene 2/Ebene 3/Ebene 4/Ebene 5/Ebene 6/Ebene 7/Ebene 8";

// The folder of awkward names; every entry at 2021-03-04 05:06:07 but one
// file, the newest, at 2023-11-12 13:14:15.
void MakeAwkwardFolder(const Folder& f) {
    fs::create_directories(f / (Deep + "/Ebene 9"));
    WriteBytes(f / (Deep + "/Ebene 9/ganz unten.txt"), "unten");
    WriteBytes(f / "Ebene 1/Ebene 2/Ebene 3/Ebene 4/Ebene 5/Ebene 6/Ebene 7/Stufe acht.txt", "acht");
    for (const char* month : {"Juni", "Juli", "Mai"})
        WriteBytes(f / (std::string("Bericht ") + month + ".txt"), month);
    WriteBytes(f / "Daten", "Datei ohne Endung");
    fs::create_directory(f / "daten");
    WriteBytes(f / "daten/Daten.txt", "im Ordner");
    const std::string name = Name64("Übersicht der Größen. Teil 1. ", ".fertig.txt");
    WriteBytes(f / name, "64");
    fs::create_directory(f / Name64("Ordner mit Ä, Ö und Ü ", ""));
    WriteBytes(f / (Name64("Ordner mit Ä, Ö und Ü ", "") + "/a.b.c.d"), "Punkte");
    WriteBytes(f / "leer.txt", "");
    // In the order of the standard "NOTIZ.T;1" comes first, in that of
    // the bytes "NOTIZ.T1;1".
    WriteBytes(f / "Notiz.t", "t");
    WriteBytes(f / "Notiz.t1", "t1");
    fs::create_directory(f / "Leerer Ordner");
    std::mt19937 random(7);
    std::string big(6 * 1024 * 1024 + 123, '\0');
    for (char& c : big)
        c = static_cast<char>(random());
    WriteBytes(f / "groß.bin", big);
    // Directories of several sectors in both trees, and 120 names alike in 8.3.
    fs::create_directory(f / "Viele");
    for (int i = 1; i <= 120; ++i)
        WriteBytes(f / ("Viele/Datei mit langem Namen Nummer " + std::to_string(i) + ".txt"),
                   std::to_string(i));
    std::vector<fs::path> all{f.Root()};
    for (const auto& entry : fs::recursive_directory_iterator(f.Root()))
        all.push_back(entry.path());
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        SetTime(*it, Utc(2021, 3, 4, 5, 6, 7));
    SetTime(f / "Bericht Mai.txt", Utc(2023, 11, 12, 13, 14, 15));
}

// The path table of one tree as isoinfo reads it (the little-endian one,
// which Windows reads) and the folders as its walk through the directories
// finds them, each by its path ("/A/B/") with the sector of its directory.
using Folders = std::map<std::string, unsigned long>;

Folders PathTableFolders(const fs::path& image, const std::string& tree, bool& ordered) {
    const Ran run = Command("isoinfo " + tree + " -p -i " + Quoted(image));
    const std::regex record(R"(^\s*(\d+):\s+(\d+)\s+([0-9a-f]+) (.*)$)");
    std::vector<std::string> paths;
    Folders folders;
    ordered = run.status == 0;
    std::size_t lastParent = 1;
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (!std::regex_match(line, match, record)) continue;
        const std::size_t parent = std::stoul(match[2]);
        // Level by level, within a level by parent: parents never go back.
        if (parent < lastParent || parent > paths.size() + 1) ordered = false;
        lastParent = parent;
        std::string name = match[4];
        while (!name.empty() && name.back() == ' ')
            name.pop_back();
        paths.push_back(paths.empty() ? "/" : paths[std::min(parent, paths.size()) - 1] + name + "/");
        folders[paths.back()] = std::stoul(match[3], nullptr, 16);
    }
    return folders;
}

Folders DirectoryFolders(const fs::path& image, const std::string& tree) {
    const Ran run = Command("isoinfo " + tree + " -l -i " + Quoted(image));
    const std::regex heading(R"(^Directory listing of (.*)$)");
    const std::regex self(R"(^d.*\[\s*(\d+) 02\]\s+\. $)");
    Folders folders;
    std::string folder;
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_match(line, match, heading))
            folder = match[1];
        else if (std::regex_match(line, match, self))
            folders[folder] = std::stoul(match[1]);
    }
    return folders;
}

// The big-endian path table holds the records of the little-endian one,
// with the sector and the parent's number in the other byte order.
void ExpectMirroredPathTables(const std::string& image, std::size_t descriptor) {
    const auto at = [&](std::size_t offset) { return static_cast<unsigned char>(image.at(offset)); };
    const auto little = [&](std::size_t o, int n) {
        unsigned long v = 0;
        for (int i = n - 1; i >= 0; --i)
            v = v << 8 | at(o + i);
        return v;
    };
    const auto big = [&](std::size_t o, int n) {
        unsigned long v = 0;
        for (int i = 0; i < n; ++i)
            v = v << 8 | at(o + i);
        return v;
    };
    const std::size_t base = descriptor * 2048;
    const std::size_t bytes = little(base + 132, 4);
    const std::size_t l = little(base + 140, 4) * 2048, m = big(base + 148, 4) * 2048;
    ASSERT_GT(bytes, 0u);
    for (std::size_t o = 0; o < bytes;) {
        const std::size_t length = at(l + o);
        ASSERT_EQ(at(m + o), length) << o;
        EXPECT_EQ(big(m + o + 2, 4), little(l + o + 2, 4)) << o;
        EXPECT_EQ(big(m + o + 6, 2), little(l + o + 6, 2)) << o;
        EXPECT_EQ(image.substr(m + o + 8, length), image.substr(l + o + 8, length)) << o;
        o += 8 + length + length % 2;
    }
}

// Whether ISO 9660 names are in the order of the standard: by name, then
// by extension, each as if filled up with blanks.
bool IsoOrdered(const std::vector<std::string>& names) {
    const auto key = [](const std::string& identifier) {
        const std::string bare = identifier.substr(0, identifier.find(';'));
        const std::size_t dot = bare.find('.');
        std::string name = bare.substr(0, dot),
                    extension = dot == std::string::npos ? "" : bare.substr(dot + 1);
        name.resize(8, ' '), extension.resize(3, ' ');
        return name + extension;
    };
    for (std::size_t i = 1; i < names.size(); ++i)
        if (!(key(names[i - 1]) < key(names[i]))) return false;
    return true;
}

TEST(DiscImage, ReadersAreInstalled) {
    for (const char* reader : {"xorriso", "bsdtar", "blkid", "isoinfo"})
        EXPECT_EQ(Command(std::string("command -v ") + reader).status, 0) << reader << " fehlt";
}

TEST(DiscImage, BothTreesReadBackAsTheFolder) {
    Folder awkward;
    MakeAwkwardFolder(awkward);
    struct Case {
        fs::path folder;
        std::string name, isoLabel, jolietLabel;
        std::vector<std::string> jolietOnly;
        std::string volumeTime;  // as xorriso shows it; empty: not checked
    };
    const std::vector<Case> cases = {
        {KELVO_DEMO_CD, "Orlimar Demo-CD", "ORLIMAR_DEMO_CD", "Orlimar Demo-CD", {}, ""},
        {awkward.Root(),
         "Präsentation: Größe ÷ Maß über 32 Zeichen",
         "PRAESENTATION__GROESSE___MASS_UE",
         "Präsentation_ Gr",
         {Deep},
         "2023111213141500"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const disc_image::Planned planned = disc_image::PlanImage(Utf8(c.folder), c.name);
        ASSERT_TRUE(planned.plan) << planned.error;
        const disc_image::Plan& plan = *planned.plan;
        EXPECT_EQ(plan.isoLabel, c.isoLabel);
        EXPECT_EQ(plan.jolietLabel, c.jolietLabel);
        EXPECT_EQ(plan.jolietOnlyFolders, c.jolietOnly);
        EXPECT_EQ(disc_image::JolietOnlyFolders(Utf8(c.folder)), c.jolietOnly);

        Folder out;
        std::vector<std::pair<std::uint64_t, std::uint64_t>> progress;
        disc_image::WriteOptions options;
        options.progress = [&](std::uint64_t written, std::uint64_t total) {
            progress.emplace_back(written, total);
            return true;
        };
        const fs::path image = out / "cd.iso";
        const disc_image::Written written = disc_image::WriteImage(plan, Utf8(image), options);
        ASSERT_EQ(written.outcome, disc_image::Outcome::Written) << written.error;
        EXPECT_EQ(fs::file_size(image), plan.imageBytes);
        ASSERT_FALSE(progress.empty());
        EXPECT_EQ(progress.front().first, 0u);
        EXPECT_EQ(progress.back().first, plan.imageBytes);
        for (std::size_t i = 0; i < progress.size(); ++i) {
            EXPECT_EQ(progress[i].second, plan.imageBytes);
            if (i > 0) {
                EXPECT_LE(progress[i - 1].first, progress[i].first);
            }
        }

        // The Joliet tree: every name, time and byte as in the folder.
        const auto expected = Listing(c.folder);
        const std::vector<std::pair<std::string, std::string>> jolietReaders = {
            {"xorriso", "xorriso -osirrox on -read_fs norock -indev " + Quoted(image) + " -extract / "},
            {"bsdtar", "bsdtar -xf " + Quoted(image) + " -C "},
        };
        for (const auto& [reader, command] : jolietReaders) {
            Folder extracted;
            const Ran run = Command(command + Quoted(extracted.Root()));
            ASSERT_EQ(run.status, 0) << reader << ": " << run.output;
            EXPECT_TRUE(Listing(extracted.Root()) == expected)
                << reader << " liest den Joliet-Baum anders";
        }

        // The ISO 9660 tree: level-1 names only, and every entry within
        // eight levels with its bytes.
        const Ran iso = Command("xorriso -read_fs ecma119 -ecma119_map unmapped -indev " + Quoted(image) +
                                " -find / -exec lsdl");
        ASSERT_EQ(iso.status, 0) << iso.output;
        const std::regex record(R"(^([d-])\S+\s+.*'(/.*)'$)");
        const std::regex fileName(R"(^[A-Z0-9_]{1,8}\.[A-Z0-9_]{0,3};1$)");
        const std::regex folderName(R"(^[A-Z0-9_]{1,8}$)");
        std::istringstream lines(iso.output);
        int records = 0;
        for (std::string line; std::getline(lines, line);) {
            std::smatch match;
            if (!std::regex_match(line, match, record) || match[2] == "/") continue;
            ++records;
            const std::string path = match[2];
            const std::string name = path.substr(path.rfind('/') + 1);
            EXPECT_TRUE(std::regex_match(name, match[1] == "d" ? folderName : fileName)) << path;
            EXPECT_LE(std::count(path.begin(), path.end(), '/'), 8) << path;
        }
        EXPECT_GT(records, 0) << iso.output;
        Folder isoTree;
        const Ran bsdtar = Command("bsdtar -xf " + Quoted(image) + " --options '!joliet,!rockridge' -C " +
                                   Quoted(isoTree.Root()));
        ASSERT_EQ(bsdtar.status, 0) << bsdtar.output;
        EXPECT_EQ(Shape(isoTree.Root(), 1000), Shape(c.folder, 8));

        // The path tables, which Windows reads: each folder with the sector
        // its directory has, in order, and the big-endian tables alike.
        for (const std::string tree : {"", "-J"}) {
            bool ordered = false;
            const Folders table = PathTableFolders(image, tree, ordered);
            EXPECT_TRUE(ordered) << tree;
            EXPECT_GT(table.size(), 1u) << tree;
            EXPECT_EQ(table, DirectoryFolders(image, tree)) << tree;
        }
        const std::string bytes = ReadBytes(image);
        ExpectMirroredPathTables(bytes, 16);
        ExpectMirroredPathTables(bytes, 17);
        // The records of every ISO 9660 directory in order.
        const Ran listing = Command("isoinfo -l -i " + Quoted(image));
        std::istringstream listed(listing.output + "Directory listing of \n");
        std::vector<std::string> names;
        int directories = 0;
        for (std::string line; std::getline(listed, line);) {
            if (line.rfind("Directory listing of ", 0) == 0) {
                EXPECT_TRUE(IsoOrdered(names)) << line;
                names.clear();
                ++directories;
            } else if (line.size() > 2 && line.substr(line.size() - 2) != ". " &&
                       line.find("]  ") != std::string::npos) {
                names.push_back(line.substr(line.find("]  ") + 3, line.size() - line.find("]  ") - 4));
            }
        }
        EXPECT_GT(directories, 2);

        EXPECT_EQ(PvdField(image, "Volume Id"), c.isoLabel);
        EXPECT_EQ(Command("blkid -p -o value -s LABEL " + Quoted(image)).output, c.jolietLabel + "\n");
        if (!c.volumeTime.empty()) {
            EXPECT_EQ(PvdField(image, "Creation Time"), c.volumeTime);
            EXPECT_EQ(PvdField(image, "Modif. Time"), c.volumeTime);
        }

        const fs::path again = out / "again.iso";
        ASSERT_EQ(disc_image::WriteImage(*disc_image::PlanImage(Utf8(c.folder), c.name).plan, Utf8(again))
                      .outcome,
                  disc_image::Outcome::Written);
        EXPECT_TRUE(ReadBytes(image) == ReadBytes(again))
            << "zwei Abbilder eines Ordners unterscheiden sich";
    }
}

TEST(DiscImage, NamesJolietCannotHoldAndFilesTooLargeAreNamed) {
    const std::vector<std::string> bad = {
        "zeit 10:30.txt",      "frage?.txt",    "stern*.txt",        "semi;kolon.txt",
        "back\\slash.txt",     "tab\tname.txt", "ungültig \xFF.txt", Name64("lang ", ".txt") + "x",
        "Ordner:a/inhalt.txt",
    };
    for (const std::string& name : bad) {
        Folder f;
        const fs::path file = f / ("a/b/c/d/e/f/g/h/" + name);
        fs::create_directories(file.parent_path());
        WriteBytes(file, "x");
        const disc_image::Planned planned = disc_image::PlanImage(Utf8(f.Root()), "x");
        EXPECT_FALSE(planned.plan) << name;
        const std::string named = name.substr(0, name.find('/'));
        EXPECT_NE(planned.error.find(Utf8(f / ("a/b/c/d/e/f/g/h/" + named)) + "'"), std::string::npos)
            << name << ": " << planned.error;
        // The folders only Joliet holds are found whatever the names.
        EXPECT_EQ(disc_image::JolietOnlyFolders(Utf8(f.Root())),
                  std::vector<std::string>{"a/b/c/d/e/f/g/h"});
    }

    Folder f;
    WriteBytes(f / "klein.txt", "x");
    std::ofstream(f / "riesig.bin").close();
    const std::uint64_t largest = 0xFFFFFFFFu;
    fs::resize_file(f / "riesig.bin", largest);
    const disc_image::Planned fits = disc_image::PlanImage(Utf8(f.Root()), "x");
    ASSERT_TRUE(fits.plan) << fits.error;
    EXPECT_GT(fits.plan->imageBytes, largest);
    fs::resize_file(f / "riesig.bin", largest + 1);
    const disc_image::Planned tooLarge = disc_image::PlanImage(Utf8(f.Root()), "x");
    EXPECT_FALSE(tooLarge.plan);
    EXPECT_NE(tooLarge.error.find("'" + Utf8(f / "riesig.bin") + "'"), std::string::npos)
        << tooLarge.error;
}

// A file that vanishes or changes while the image is written, and a
// cancel, leave no image and no temporary file; an image that was there
// stays as it was.
TEST(DiscImage, FailureOrCancelLeavesNoImage) {
    struct Case {
        const char* what;
        std::function<bool(const Folder&, std::uint64_t written)> duringWrite;
        disc_image::Outcome outcome;
        std::string message;  // after the file's path
    };
    const std::vector<Case> cases = {
        {"vanishes", [](const Folder& f, std::uint64_t) { return fs::remove(f / "z/weg.bin"), true; },
         disc_image::Outcome::Failed, "' konnte nicht gelesen werden."},
        {"grows",
         [](const Folder& f, std::uint64_t) {
             return std::ofstream(f / "z/weg.bin", std::ios::app) << "+", true;
         },
         disc_image::Outcome::Failed, "' hat sich geändert, während das CD-Abbild entstand."},
        {"shrinks",
         [](const Folder& f, std::uint64_t) { return WriteBytes(f / "z/weg.bin", "kurz"), true; },
         disc_image::Outcome::Failed, "' hat sich geändert, während das CD-Abbild entstand."},
        {"cancelled midway",
         [](const Folder&, std::uint64_t written) { return written < 2 * 1024 * 1024; },
         disc_image::Outcome::Cancelled, ""},
    };
    for (const bool existing : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (existing ? ", over an image" : ""));
            Folder source, out;
            WriteBytes(source / "a.bin", std::string(3 * 1024 * 1024, 'a'));
            fs::create_directory(source / "z");
            WriteBytes(source / "z/weg.bin", std::string(1024 * 1024, 'w'));
            const fs::path image = out / "cd.iso";
            if (existing) WriteBytes(image, "altes Abbild");
            const disc_image::Planned planned = disc_image::PlanImage(Utf8(source.Root()), "x");
            ASSERT_TRUE(planned.plan) << planned.error;
            disc_image::WriteOptions options;
            options.replace = true;
            options.progress = [&](std::uint64_t written, std::uint64_t) {
                return c.duringWrite(source, written);
            };
            const disc_image::Written result =
                disc_image::WriteImage(*planned.plan, Utf8(image), options);
            EXPECT_EQ(result.outcome, c.outcome) << result.error;
            if (!c.message.empty()) {
                EXPECT_EQ(result.error, "Die Datei '" + Utf8(source / "z/weg.bin") + c.message);
            }
            std::vector<fs::path> left(fs::directory_iterator(out.Root()), fs::directory_iterator());
            EXPECT_EQ(left, existing ? std::vector<fs::path>{image} : std::vector<fs::path>{});
            if (existing) {
                EXPECT_EQ(ReadBytes(image), "altes Abbild");
            }
        }
    }
}

TEST(DiscImage, ExistingImageIsReplacedOnlyWhenAsked) {
    Folder source, out;
    WriteBytes(source / "a.txt", "a");
    const fs::path image = out / "cd.iso";
    WriteBytes(image, "altes Abbild");
    const disc_image::Plan plan = *disc_image::PlanImage(Utf8(source.Root()), "x").plan;
    const disc_image::Written kept = disc_image::WriteImage(plan, Utf8(image));
    EXPECT_EQ(kept.outcome, disc_image::Outcome::Failed);
    EXPECT_EQ(kept.error, "Die Datei '" + Utf8(image) + "' gibt es schon.");
    EXPECT_EQ(ReadBytes(image), "altes Abbild");
    disc_image::WriteOptions replace;
    replace.replace = true;
    EXPECT_EQ(disc_image::WriteImage(plan, Utf8(image), replace).outcome, disc_image::Outcome::Written);
    EXPECT_EQ(fs::file_size(image), plan.imageBytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(out.Root()), fs::directory_iterator()), 1);
}

}  // namespace
