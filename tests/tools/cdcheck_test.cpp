// cdcheck on future discs: the demo CD as it is burnt (with the menu
// program beside its project file), copies of it that each carry one
// fault, a disc with every kind of fault at once, and the start file.
#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "forms/headless/headless_backend.h"
#include "os/os.h"
#include "os/services.h"
#include "support/temp_folder.h"
#include "tools/cdcheck/cdcheck.h"
#include "tools/cdcheck/image_checks.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

using test_support::ReadBytes;
using test_support::WriteBytes;

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

// UTF-16 little-endian with its mark, of text in Windows-1252 (each byte
// of which is one code unit below U+0100 here).
std::string Utf16LeOfLatin1(const std::string& text) {
    std::string out = "\xFF\xFE";
    for (const char c : text) out += std::string{c, '\0'};
    return out;
}

struct Result {
    int status = -1;
    Lines out;
    Lines error;
    // The findings: the lines before the closing summary.
    Lines Findings() const { return out.empty() ? Lines{} : Lines(out.begin(), out.end() - 1); }
};

Result RunCdCheck(const std::vector<std::string>& args) {
    Result result;
    forms::headless::Backend pictures;
    os::Services services;
    const cdcheck::Output output{[&](const std::string& line) { result.out.push_back(line); },
                                 [&](const std::string& line) { result.error.push_back(line); },
                                 nullptr};
    result.status = cdcheck::Run(args, services, pictures, output);
    return result;
}

// A fresh folder, removed at the end; by default a copy of the demo CD with
// a stand-in for the menu program.
class Disc {
public:
    explicit Disc(bool demo = true) {
        if (!demo) return;
        fs::copy(KELVO_DEMO_CD, root_, fs::copy_options::recursive);
        WriteBytes(root_ / "kelvo.exe", "MZ");
    }

    fs::path operator/(const std::string& name) const { return root_ / name; }

    // Writes a key of kelvo.ini as the editor does.
    void Set(const std::string& section, const std::string& key, const std::string& value) const {
        ASSERT_TRUE(os::WriteProfileString((root_ / "kelvo.ini").string(), section, key, value));
    }

    Result Check(std::vector<std::string> options = {}) const {
        options.push_back(root_.string());
        return RunCdCheck(options);
    }

private:
    test_support::TempFolder folder_;
    fs::path root_ = folder_.Path();
};

TEST(CdCheck, DemoCdAsBurntIsClean) {
    Disc disc;
    const Result result = disc.Check();
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, Lines{"Ergebnis: 0 Fehler, 0 Hinweise"});
    EXPECT_TRUE(result.error.empty());
}

// Changes that the menu program takes as well as the demo's own.
TEST(CdCheck, WhatTheMenuReadsAlikeIsNoFinding) {
    struct Case {
        const char* what;
        std::function<void(const Disc&)> change;
    };
    const std::vector<Case> cases = {
        {"names in other letter case",
         [](const Disc& d) { d.Set("Item4", "Command", "\\DOCS\\Preise.TXT"); }},
        {"99 umlauts fill the name's 99 characters",
         [](const Disc& d) { d.Set("General", "Name", Repeat("ä", 99)); }},
        {"a file in a folder on level 8",
         [](const Disc& d) {
             fs::create_directories(d / "a/b/c/d/e/f/g");
             WriteBytes(d / "a/b/c/d/e/f/g/x.txt", "x");
             d.Set("Item4", "Command", "\\a\\b\\c\\d\\e\\f\\g\\x.txt");
         }},
        {"the project file in UTF-16 with its mark",
         [](const Disc& d) {
             WriteBytes(d / "kelvo.ini", Utf16LeOfLatin1(ReadBytes(d / "kelvo.ini")));
         }},
    };
    for (const Case& c : cases) {
        Disc disc;
        c.change(disc);
        const Result result = disc.Check();
        EXPECT_EQ(result.status, 0) << c.what;
        EXPECT_EQ(result.Findings(), Lines{}) << c.what;
    }
}

// The finding of a demo CD whose icon is no picture; the Wine run of
// cdcheck.exe expects the same line (tests/wine/cdcheck_process_test.cpp).
const std::string IconNoPicture =
    "Fehler: Eintrag 1 (Lies mich!), Icon: '\\icons\\doc.ico' lässt sich nicht als Bild laden";

TEST(CdCheck, EachFaultIsFoundAloneInAnOtherwiseCleanDisc) {
    struct Case {
        std::function<void(const Disc&)> make;
        std::string finding;
    };
    const std::string longName = Repeat("x", 61) + ".txt";
    const std::vector<Case> cases = {
        {[](const Disc& d) { fs::remove(d / "kelvo.exe"); },
         "Fehler: kelvo.exe: fehlt neben kelvo.ini"},
        {[](const Disc& d) { fs::remove(d / "kelvo.ini"); }, "Fehler: kelvo.ini: fehlt im Ordner"},
        {[](const Disc& d) { fs::remove(d / "docs/preise.txt"); },
         "Fehler: Eintrag 4 (Preisliste), Command: '\\docs\\preise.txt' fehlt auf der CD"},
        {[](const Disc& d) { d.Set("Item1", "Command", "C:\\Projekt\\docs\\liesmich.txt"); },
         "Fehler: Eintrag 1 (Lies mich!), Command: 'C:\\Projekt\\docs\\liesmich.txt' beginnt mit "
         "einem Laufwerksbuchstaben und zeigt nicht auf die CD"},
        {[](const Disc& d) { d.Set("Item3", "Command", "\\\\server\\cd\\tools\\info.bat /kurz"); },
         "Fehler: Eintrag 3 (Info-Programm), Command: '\\\\server\\cd\\tools\\info.bat' ist ein "
         "Netzwerkpfad und zeigt nicht auf die CD"},
        {[](const Disc& d) { d.Set("General", "SplashPic", "D:\\splash.bmp"); },
         "Fehler: General, SplashPic: 'D:\\splash.bmp' beginnt mit einem Laufwerksbuchstaben und "
         "zeigt nicht auf die CD"},
        {[](const Disc& d) { d.Set("Item4", "Command", "docs\\preise.txt"); },
         "Hinweis: Eintrag 4 (Preisliste), Command: 'docs\\preise.txt' ist ein relativer Pfad und "
         "hängt vom aktuellen Ordner ab; geprüft ab der CD-Wurzel"},
        {[](const Disc& d) { d.Set("Item4", "Command", ""); },
         "Fehler: Eintrag 4 (Preisliste), Command: leer; ein Klick meldet nur \"Datei '' nicht "
         "gefunden!\""},
        {[](const Disc& d) { d.Set("Item1", "Icon", "\\icons\\dok.ico"); },
         "Fehler: Eintrag 1 (Lies mich!), Icon: '\\icons\\dok.ico' fehlt auf der CD"},
        {[](const Disc& d) { fs::remove(d / "docs/bestellung.txt"); },
         // The command and the shell icon of entry 5 are the same file.
         "Fehler: Eintrag 5 (Bestellschein), Command: '\\docs\\bestellung.txt' fehlt auf der CD\n"
         "Fehler: Eintrag 5 (Bestellschein), Icon: '\\docs\\bestellung.txt' fehlt auf der CD"},
        {[](const Disc& d) { WriteBytes(d / "icons/doc.ico", "kein Bild"); }, IconNoPicture},
        {[](const Disc& d) { WriteBytes(d / "back.bmp", "BM kaputt"); },
         "Fehler: General, BackgroundPic: '\\back.bmp' lässt sich nicht als Bild laden"},
        {[](const Disc& d) { fs::remove(d / "splash.bmp"); },
         "Fehler: General, SplashPic: '\\splash.bmp' fehlt auf der CD"},
        {[](const Disc& d) { d.Set("General", "BackgroundPic", ""); },
         "Fehler: General, BackgroundPic: leer, obwohl ColorPic das Hintergrundbild wählt; das "
         "Menüprogramm meldet \"Hintergrundbild '' nicht gefunden!\""},
        {[](const Disc& d) { d.Set("Item1", "Desc", std::string(1000, 'x')); },
         "Fehler: Eintrag 1 (Lies mich!), Desc: Text mit 1000 Zeichen; das Menüprogramm liest "
         "nur 999"},
        {[](const Disc& d) { d.Set("General", "Name", Repeat("ä", 100)); },
         "Fehler: General, Name: Text mit 100 Zeichen; das Menüprogramm liest nur 99"},
        {[](const Disc& d) { d.Set("General", "Font", "Microsoft Sans Serif"); },
         "Fehler: General, Font: Text mit 20 Zeichen; das Menüprogramm liest nur 19"},
        {[](const Disc& d) {
             d.Set("General", "Items", "11");
             for (const char* section : {"Item8", "Item9", "Item10"})
                 d.Set(section, "Command", "\\docs\\preise.txt");
         },
         "Fehler: General, Items: '11' liegt nicht zwischen 0 und 10; das Menüprogramm zeigt 10 "
         "Einträge"},
        {[](const Disc& d) { d.Set("General", "Items", "7x"); },
         "Fehler: General, Items: '7x' ist keine Zahl; das Menüprogramm zeigt 7 Einträge"},
        {[](const Disc& d) { d.Set("General", "HighColor", "blau"); },
         "Fehler: General, HighColor: 'blau' ist keine Farbnummer; das Menüprogramm übergeht sie"},
        {[](const Disc& d) {
             d.Set("General", "ColorPic", "True");
             d.Set("General", "BackColor", "0");
         },
         "Fehler: General, BackColor: '0' ergibt die Farbe 0, die das Menüprogramm übergeht; es "
         "bleibt bei seiner Grundfarbe"},
        {[](const Disc& d) { d.Set("General", "ColorPic", "Ja"); },
         "Fehler: General, ColorPic: 'Ja' ist weder True/False noch eine Zahl; das Menüprogramm "
         "nimmt das Hintergrundbild"},
        {[](const Disc& d) { d.Set("General", "FontSize", "-5"); },
         "Fehler: General, FontSize: '-5' ist keine Schriftgröße; das Menüprogramm übergeht sie"},
        {[](const Disc& d) { d.Set("General", "Items", "6"); },
         "Hinweis: Eintrag 7 (E-Mail an Orlimar): Abschnitt [Item7] bleibt übrig, Items zählt nur "
         "6 Einträge"},
        {[&](const Disc& d) {
             fs::rename(d / "docs/liesmich.txt", d / ("docs/" + longName));
             d.Set("Item1", "Command", "\\docs\\" + longName);
         },
         "Fehler: Eintrag 1 (Lies mich!), Command: Name '" + longName + "' in '\\docs\\" +
             longName + "' hat 65 Zeichen; Joliet erlaubt 64"},
        {[](const Disc& d) {
             fs::rename(d / "icons/web.ico", d / "icons/web;1.ico");
             d.Set("Item6", "Icon", "\\icons\\web;1.ico");
         },
         "Fehler: Eintrag 6 (Homepage), Icon: Name 'web;1.ico' in '\\icons\\web;1.ico' enthält "
         "';', das Joliet verbietet"},
        {[](const Disc& d) {
             fs::create_directories(d / "a/b/c/d/e/f/g/h");
             WriteBytes(d / "a/b/c/d/e/f/g/h/x.txt", "x");
             d.Set("Item4", "Command", "\\a\\b\\c\\d\\e\\f\\g\\h\\x.txt");
         },
         "Hinweis: Eintrag 4 (Preisliste), Command: '\\a\\b\\c\\d\\e\\f\\g\\h\\x.txt' liegt in "
         "Ordnerebene 9; reines ISO 9660 erlaubt 8, die Wurzel mitgezählt: im CD-Abbild sehen es "
         "nur Joliet-Leser (wie Windows)"},
        {[](const Disc& d) {
             WriteBytes(d / "kelvo.ini", os::AnsiToUtf8(ReadBytes(d / "kelvo.ini")));
         },
         "Fehler: kelvo.ini: ist in UTF-8 gespeichert; Windows liest sie als Windows-1252, so "
         "erscheinen Umlaute im Menü verfälscht (zuerst in Zeile 21)"},
    };
    for (const Case& c : cases) {
        Disc disc;
        c.make(disc);
        Lines expected;
        std::string::size_type begin = 0, end;
        while ((end = c.finding.find('\n', begin)) != std::string::npos) {
            expected.push_back(c.finding.substr(begin, end - begin));
            begin = end + 1;
        }
        expected.push_back(c.finding.substr(begin));
        const Result result = disc.Check();
        EXPECT_EQ(result.Findings(), expected);
        EXPECT_EQ(result.status, expected[0].rfind("Fehler", 0) == 0 ? 1 : 0) << expected[0];
    }
}

TEST(CdCheck, AUtf8MarkLosesTheSectionOnTheFirstLine) {
    Disc disc;
    WriteBytes(disc / "kelvo.ini", "\xEF\xBB\xBF" + ReadBytes(disc / "kelvo.ini"));
    const Result result = disc.Check();
    EXPECT_EQ(result.status, 1);
    const Lines findings = result.Findings();
    ASSERT_FALSE(findings.empty());
    EXPECT_EQ(findings[0],
              "Fehler: kelvo.ini: beginnt mit der UTF-8-Kennung (BOM), die Windows nicht kennt; "
              "der Abschnitt [General] in Zeile 1 geht dadurch verloren");
    // Without its section General the menu shows one entry: the other six
    // are left over.
    EXPECT_EQ(findings.size(), 7u);
    EXPECT_EQ(result.out.back(), "Ergebnis: 1 Fehler, 6 Hinweise");
}

// Each kind of finding that can stand beside the others, once.
TEST(CdCheck, ADiscWithEveryFaultGivesEachOnce) {
    Disc disc(false);
    for (const char* folder : {"docs", "icons", "a/b/c/d/e/f/g/h"}) fs::create_directories(disc / folder);
    const std::string longName = Repeat("n", 65);
    for (const std::string& file : std::vector<std::string>{"docs/da.txt", "a/b/c/d/e/f/g/h/tief.txt", "docs/a;b.txt",
                                   "docs/" + longName})
        WriteBytes(disc / file, "x");
    WriteBytes(disc / "icons/leer.ico", "");
    // UTF-8 with its mark, and a first section that is lost with it.
    WriteBytes(disc / "kelvo.ini",
               "\xEF\xBB\xBF[Notizen]\r\n"
               "[General]\r\nName=" + std::string(120, 'N') + "\r\nItems=9x\r\n"
               "ForeColor=rot\r\nFontSize=ab\r\nColorPic=Ja\r\n"
               "BackgroundPic=\\icons\\leer.ico\r\nSplashPic=\\\\srv\\splash.bmp\r\n"
               "[Item1]\r\ntxt=Eins\r\nDesc=Schöne Grüße\r\nCommand=\\docs\\fehlt.txt\r\n"
               "[Item2]\r\ntxt=Zwei\r\nCommand=C:\\cd\\setup.exe\r\n"
               "[Item3]\r\ntxt=Drei\r\nCommand=docs\\da.txt\r\n"
               "[Item4]\r\ntxt=Vier\r\nCommand=\"\\docs\\da.txt\" /p\r\nIcon=\\docs\\a;b.txt\r\n"
               "[Item5]\r\ntxt=F\r\nCommand=\\docs\\" + longName + "\r\n"
               "[Item6]\r\ntxt=Sechs\r\nCommand=\\a\\b\\c\\d\\e\\f\\g\\h\\tief.txt\r\n"
               "[Item7]\r\ntxt=Sieben\r\nIcon=\\icons\\fort.ico\r\n"
               "[Item8]\r\ntxt=Acht\r\nCommand=http://example.org\r\n"
               "[Item9]\r\ntxt=Neun\r\nCommand=mailto:a@example.org\r\n"
               "[Item10]\r\ntxt=Zehn\r\nCommand=\\docs\\da.txt\r\n");
    const Result result = disc.Check();
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.Findings(), (Lines{
        "Fehler: kelvo.exe: fehlt neben kelvo.ini",
        "Fehler: kelvo.ini: beginnt mit der UTF-8-Kennung (BOM), die Windows nicht kennt; der "
        "Abschnitt [Notizen] in Zeile 1 geht dadurch verloren",
        "Fehler: kelvo.ini: ist in UTF-8 gespeichert; Windows liest sie als Windows-1252, so "
        "erscheinen Umlaute im Menü verfälscht (zuerst in Zeile 12)",
        "Fehler: General, Name: Text mit 120 Zeichen; das Menüprogramm liest nur 99",
        "Fehler: General, Items: '9x' ist keine Zahl; das Menüprogramm zeigt 9 Einträge",
        "Fehler: General, ForeColor: 'rot' ist keine Farbnummer; das Menüprogramm übergeht sie",
        "Fehler: General, FontSize: 'ab' ist keine Schriftgröße; das Menüprogramm übergeht sie",
        "Fehler: General, ColorPic: 'Ja' ist weder True/False noch eine Zahl; das Menüprogramm "
        "nimmt das Hintergrundbild",
        "Fehler: General, BackgroundPic: '\\icons\\leer.ico' lässt sich nicht als Bild laden",
        "Fehler: General, SplashPic: '\\\\srv\\splash.bmp' ist ein Netzwerkpfad und zeigt nicht "
        "auf die CD",
        "Fehler: Eintrag 1 (Eins), Command: '\\docs\\fehlt.txt' fehlt auf der CD",
        "Fehler: Eintrag 2 (Zwei), Command: 'C:\\cd\\setup.exe' beginnt mit einem "
        "Laufwerksbuchstaben und zeigt nicht auf die CD",
        "Hinweis: Eintrag 3 (Drei), Command: 'docs\\da.txt' ist ein relativer Pfad und hängt vom "
        "aktuellen Ordner ab; geprüft ab der CD-Wurzel",
        "Hinweis: Eintrag 4 (Vier), Command: '\\docs\\da.txt' steht in Anführungszeichen, so setzt "
        "das Menüprogramm sein Laufwerk nicht davor; der Pfad hängt vom aktuellen Laufwerk ab, "
        "geprüft auf der CD",
        "Fehler: Eintrag 4 (Vier), Icon: Name 'a;b.txt' in '\\docs\\a;b.txt' enthält ';', das "
        "Joliet verbietet",
        "Fehler: Eintrag 5 (F), Command: Name '" + longName + "' in '\\docs\\" + longName +
            "' hat 65 Zeichen; Joliet erlaubt 64",
        "Hinweis: Eintrag 6 (Sechs), Command: '\\a\\b\\c\\d\\e\\f\\g\\h\\tief.txt' liegt in "
        "Ordnerebene 9; reines ISO 9660 erlaubt 8, die Wurzel mitgezählt: im CD-Abbild sehen es "
        "nur Joliet-Leser (wie Windows)",
        "Fehler: Eintrag 7 (Sieben), Command: leer; ein Klick meldet nur \"Datei '' nicht "
        "gefunden!\"",
        "Fehler: Eintrag 7 (Sieben), Icon: '\\icons\\fort.ico' fehlt auf der CD",
        "Hinweis: Eintrag 10 (Zehn): Abschnitt [Item10] bleibt übrig, Items zählt nur 9 Einträge",
    }));
}

TEST(CdCheck, CallsAndExitStatuses) {
    Disc faulty;
    fs::remove(faulty / "kelvo.exe");
    Disc clean;
    const std::string missing = (faulty / "nicht-da").string();
    struct Case {
        std::vector<std::string> args;
        int status;
        bool output;  // anything on standard output
        bool error;   // anything on standard error
    };
    const std::vector<Case> cases = {
        {{}, 2, false, true},
        {{"--gibts-nicht", (clean / "").string()}, 2, false, true},
        {{(clean / "").string(), (faulty / "").string()}, 2, false, true},
        {{missing}, 2, false, true},
        {{(faulty / "kelvo.ini").string()}, 2, false, true},
        {{"--quiet", missing}, 2, false, false},
        {{"--help"}, 0, true, false},
        {{(faulty / "").string()}, 1, true, false},
        {{"--quiet", (faulty / "").string()}, 1, false, false},
        {{"--quiet", (clean / "").string()}, 0, false, false},
    };
    for (const Case& c : cases) {
        const Result result = RunCdCheck(c.args);
        const std::string call = ::testing::PrintToString(c.args);
        EXPECT_EQ(result.status, c.status) << call;
        EXPECT_EQ(!result.out.empty(), c.output) << call;
        EXPECT_EQ(!result.error.empty(), c.error) << call;
    }
}

TEST(CdCheck, AutorunOffersTheMenuWithTheNameAsLabel) {
    Disc disc;
    disc.Set("General", "Name", "Größe und Übersicht aller Bilder aus Köln");
    const Result result = RunCdCheck({"--autorun", (disc / "").string()});
    EXPECT_EQ(result.status, 0);
    // Cut to 32 characters, in Windows-1252 with CR LF.
    EXPECT_EQ(ReadBytes(disc / "autorun.inf"),
              "[autorun]\r\nopen=kelvo.exe\r\nicon=kelvo.exe\r\n"
              "label=Gr\xF6\xDF" "e und \xDC" "bersicht aller Bilder\r\n");
    EXPECT_EQ(result.out,
              Lines{"autorun.inf geschrieben: open=kelvo.exe, icon=kelvo.exe, "
                    "label=Größe und Übersicht aller Bilder"});
}

TEST(CdCheck, AutorunNeverOverwritesAStartFile) {
    Disc disc;
    WriteBytes(disc / "AUTORUN.INF", "[autorun]\r\nopen=setup.exe\r\n");
    const Result result = RunCdCheck({"--autorun", (disc / "").string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, Lines{"autorun.inf gibt es schon; es bleibt, wie es ist"});
    EXPECT_EQ(ReadBytes(disc / "AUTORUN.INF"), "[autorun]\r\nopen=setup.exe\r\n");
    EXPECT_FALSE(fs::exists(disc / "autorun.inf"));
}

// --iso: the image only of a disc without faults, never over an image that
// is there unless asked to, with its size and label said; the check tells
// when the image needs more than a CD, and the image is what the folder is.
TEST(CdCheck, TheImageIsWrittenOnlyOfAFaultlessDiscAndNeverOverAnother) {
    Disc disc;
    test_support::TempFolder out;
    const std::string image = out / "demo.iso";
    Result result = RunCdCheck({"--iso", image, (disc / "").string()});
    EXPECT_EQ(result.status, 0) << testing::PrintToString(result.out);
    ASSERT_FALSE(result.out.empty());
    EXPECT_EQ(result.out.back().rfind("CD-Abbild geschrieben: " + image + " (", 0), 0u)
        << result.out.back();
    EXPECT_NE(result.out.back().find("Bezeichnung Demo-CD"), std::string::npos) << result.out.back();
    const std::string written = ReadBytes(fs::path(image));
    ASSERT_GT(written.size(), 32768u);
    EXPECT_EQ(written.substr(32769, 5), "CD001") << "an ISO 9660 volume";

    // Not over an image that is there; with --force it is replaced, the same.
    result = RunCdCheck({"--iso", image, (disc / "").string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.out.back().find("gibt es schon"), std::string::npos);
    result = RunCdCheck({"--force", "--iso", image, (disc / "").string()});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(ReadBytes(fs::path(image)) == written) << "same folder, same bytes";

    // A fault: the findings, and no image.
    disc.Set("Item4", "Command", "\\docs\\fehlt.txt");
    const std::string second = out / "fehler.iso";
    result = RunCdCheck({"--iso", second, (disc / "").string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(std::find(result.out.begin(), result.out.end(),
                        "Fehler: Eintrag 4 (Preisliste), Command: '\\docs\\fehlt.txt' fehlt auf der CD"),
              result.out.end());
    EXPECT_FALSE(fs::exists(second));

    // Wrong calls.
    EXPECT_EQ(RunCdCheck({"--iso", (disc / "").string()}).status, 2);
    EXPECT_EQ(RunCdCheck({"--force", (disc / "").string()}).status, 2);
    EXPECT_EQ(RunCdCheck({"--autorun", "--iso", image, (disc / "").string()}).status, 2);
}

TEST(CdCheck, AFolderLargerThanACdNamesTheMediumItNeeds) {
    Disc disc;
    // A sparse file: its size counts, no bytes are written.
    {
        std::ofstream big(disc / "filme.bin", std::ios::binary);
        big.seekp(800'000'000 - 1);
        big.put('\0');
    }
    const Result result = disc.Check();
    EXPECT_EQ(result.status, 0);
    ASSERT_EQ(result.Findings().size(), 1u) << testing::PrintToString(result.out);
    EXPECT_EQ(result.Findings()[0].rfind("Hinweis: CD-Abbild: wird 800,", 0), 0u) << result.Findings()[0];
    EXPECT_NE(result.Findings()[0].find("es braucht eine DVD (4,7 GB)"), std::string::npos)
        << result.Findings()[0];
    EXPECT_EQ(cdcheck::MediumFor(4'000'000'000), "eine DVD (4,7 GB)");
    EXPECT_EQ(cdcheck::MediumFor(8'000'000'000), "eine zweilagige DVD (8,5 GB)");
    EXPECT_EQ(cdcheck::MediumFor(9'000'000'000), "eine Blu-ray (25 GB)");
}

}  // namespace
