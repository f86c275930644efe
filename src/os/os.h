// Operating-system services used by both programs. Every string is UTF-8;
// conversions to the platform's own encodings happen inside the
// implementations (os/posix, os/win32). No function throws.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// <windows.h> (under UNICODE) renames WriteProfileString to
// WriteProfileStringW; files that include both must see our name.
#ifdef WriteProfileString
#undef WriteProfileString
#endif

namespace os {

// ---- Profile strings (INI files in the Windows code page) ----------------

// Reads key from section of the file at path, with the behaviour of
// GetPrivateProfileString: names match without regard to case, blanks
// around keys and values are dropped, one pair of matching quotes around a
// value is dropped, a missing file, section or key gives defaultValue, a
// present empty value gives "". The result holds at most room - 1 characters
// (room is the caller's buffer size including the terminating NUL); room 0
// gives "".
std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue,
                              std::size_t room);

// Writes key = value into section of the file at path, with the behaviour of
// WritePrivateProfileString: an existing value is replaced in place, a new
// key is appended at the end of its section, a new section at the end of the
// file, every other byte stays. Returns false when the file cannot be written.
bool WriteProfileString(const std::string& path, const std::string& section,
                        const std::string& key, const std::string& value);

// Whether text can be written into a profile file in the Windows code page
// without losing a character (the profile functions write "?" for each
// character the code page lacks).
bool FitsCodePage(const std::string& text);

// Makes the profile file at path Unicode text, as the profile functions
// know it (the UTF-16 little-endian mark, then the text in UTF-16), with
// every line as it was, so that values with any character can be written
// into it and read back. A file that is Unicode already stays as it is; a
// missing one is made with the mark alone. False when the file cannot be
// read or written.
bool MakeProfileUnicode(const std::string& path);

// ---- Per-user settings ----------------------------------------------------

// The stored value, or defaultValue when it is missing.
std::string GetSetting(const std::string& application, const std::string& section,
                       const std::string& key, const std::string& defaultValue);
bool SaveSetting(const std::string& application, const std::string& section,
                 const std::string& key, const std::string& value);

// ---- Files, folders and drives --------------------------------------------

// True when a directory lookup of path finds a file or a folder; false for
// anything else and on every error.
bool FileExists(const std::string& path);

// True when the drive letter (A to Z, either case) names an existing drive.
bool DriveExists(char letter);

// Copies the file from to to, replacing a file there; the copy can be
// written to even when the original is read-only. False on any failure.
bool CopyFileOver(const std::string& from, const std::string& to);

// Puts the file from in the place of to in one step, replacing a file
// there unless that one is read-only. False on any failure; both files are
// then as they were.
bool MoveFileOver(const std::string& from, const std::string& to);

// Removes the file. False when it could not be removed.
bool DeleteFileAt(const std::string& path);

// The folder that holds the running program, without a trailing separator
// unless it is a drive root ("D:\"). On Windows "D:\menu" or "D:\".
std::string ProgramFolder();

// ---- Starting things --------------------------------------------------------

enum class WindowState { Normal, Minimized };

// Asks the shell to open file (a program, document, folder or address).
// Empty verb means the file type's default action; empty parameters and
// folder mean none. owner is the native window handle (0 for none).
// Returns whether the request was accepted; callers may ignore it.
bool ShellOpen(std::uintptr_t owner, const std::string& file, const std::string& parameters,
               const std::string& verb, const std::string& folder, WindowState state);

// Starts exactly the program file at the path (a folder of it may hold
// blanks) as a new process with the arguments, without waiting for it. The
// program gets a command line of the Windows form: its path and each
// argument, quoted where it holds a blank. False when it could not be
// started (no such program, a folder, a file that is no program).
bool StartProgram(const std::string& program, const std::vector<std::string>& arguments,
                  WindowState state);

// The file: address of a local path (a Windows path "C:\a b\x.html" or a
// posix one), with "#fragment" when fragment is not empty: separators as
// "/", blanks, "%", "#" and every character beyond ASCII percent-encoded
// as UTF-8.
std::string FileUrl(const std::string& path, const std::string& fragment);

// Opens the HTML page at path with the program the shell opens such pages
// with (the default browser), at the section whose id fragment names
// (empty: the top). The page is handed over as its file: address, so that
// the section survives; where no such program is known the shell opens the
// file itself, at its top. False when nothing could be started.
bool OpenPage(std::uintptr_t owner, const std::string& path, const std::string& fragment);

// ---- Virtual drives ----------------------------------------------------------

// Maps folder to the drive letter with the program subst.exe at substProgram
// ("subst.exe S: C:\CD"), or removes the mapping ("subst.exe S: /d"); the
// program runs minimized and nothing waits for it. Where there is no
// subst.exe (posix), the request is only recorded in the per-user settings
// ("Orlimar", section "Laufwerke", key the letter, value the folder; empty
// once removed): no drive appears there. False when the request could not
// be started or recorded.
bool MapDrive(const std::string& substProgram, char letter, const std::string& folder);
bool UnmapDrive(const std::string& substProgram, char letter);

// ---- Help ------------------------------------------------------------------------

// Asks the Windows help engine for the help file (command and data as
// WinHelp takes them: HELP_CONTEXT 1 with a context number, HELP_QUIT 2).
// False where there is no help engine or it refused.
bool ShowHelp(std::uintptr_t owner, const std::string& helpFile, unsigned command,
              unsigned long data);

// ---- Command line ------------------------------------------------------------

// The program's arguments after its name, as UTF-8 (on Windows taken from
// the UTF-16 command line, so that any file name survives).
std::vector<std::string> ProgramArguments(int argc, char** argv);

// ---- Encoding ----------------------------------------------------------------

// Conversions between UTF-8 and Windows-1252 (the ANSI code page of the
// German UI). Characters that Windows-1252 cannot hold become '?'.
std::string Utf8ToAnsi(const std::string& text);
std::string AnsiToUtf8(const std::string& text);

}  // namespace os
