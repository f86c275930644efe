// The real cdcheck.exe under Wine: on a copy of the demo CD with the real
// kelvo.exe, and on the same copy with one fault. Values come through the
// Windows profile functions and pictures through the Win32 picture loader,
// so the findings must be those of the native run.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

fs::path OwnFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return fs::path(std::wstring(path, length)).parent_path();
}

struct Result {
    DWORD status = 0xFFFFFFFF;
    std::vector<std::string> lines;  // standard output, UTF-8, without line ends
};

// Runs cdcheck.exe with one argument and collects its standard output. The
// output goes to a file that is read once the program has ended: a pipe
// would wait for every holder of its write end, and Wine may give one to the
// console host it starts for the program.
Result RunCdCheck(const std::wstring& argument) {
    Result result;
    // A file of its own each run: the console host may hold the last one.
    static int run = 0;
    const fs::path outputFile =
        fs::temp_directory_path() / ("kelvo-cdcheck-" + std::to_string(::GetCurrentProcessId()) +
                                     "-" + std::to_string(++run) + ".txt");
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE output = ::CreateFileW(outputFile.c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (output == INVALID_HANDLE_VALUE) return result;

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
    const std::wstring program = (OwnFolder() / L"cdcheck.exe").wstring();
    std::wstring commandLine = L"\"" + program + L"\" \"" + argument + L"\"";
    PROCESS_INFORMATION process{};
    const BOOL started = ::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr,
                                          TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                                          &process);
    ::CloseHandle(output);
    if (!started) return result;
    ::WaitForSingleObject(process.hProcess, 60000);
    ::GetExitCodeProcess(process.hProcess, &result.status);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    std::ifstream file(outputFile, std::ios::binary);  // shared with a lingering holder
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    file.close();
    std::error_code ignored;
    fs::remove(outputFile, ignored);
    std::size_t begin = 0;
    for (std::size_t end; (end = bytes.find("\r\n", begin)) != std::string::npos; begin = end + 2)
        result.lines.push_back(bytes.substr(begin, end - begin));
    return result;
}

class CdCheckProcess : public ::testing::Test {
protected:
    CdCheckProcess() {
        std::random_device random;
        do {
            disc_ = fs::temp_directory_path() / ("kelvo-cdcheck-" + std::to_string(random()));
        } while (!fs::create_directory(disc_));
        // The build puts a copy of demo/cd beside this test.
        fs::copy(OwnFolder() / L"cdcheck-demo", disc_, fs::copy_options::recursive);
        fs::copy_file(OwnFolder() / L"kelvo.exe", disc_ / L"kelvo.exe");
    }
    ~CdCheckProcess() override {
        std::error_code ignored;
        fs::remove_all(disc_, ignored);
    }

    fs::path disc_;
};

TEST_F(CdCheckProcess, DemoCdIsCleanAndAFaultIsFoundAsNatively) {
    Result clean = RunCdCheck(disc_.wstring());
    EXPECT_EQ(clean.status, 0u);
    EXPECT_EQ(clean.lines, std::vector<std::string>{"Ergebnis: 0 Fehler, 0 Hinweise"});

    // The same line as in tests/tools/cdcheck_test.cpp; its umlaut shows
    // that output into a pipe is UTF-8.
    std::ofstream(disc_ / L"icons" / L"doc.ico", std::ios::binary | std::ios::trunc) << "kein Bild";
    Result faulty = RunCdCheck(disc_.wstring());
    EXPECT_EQ(faulty.status, 1u);
    EXPECT_EQ(faulty.lines,
              (std::vector<std::string>{
                  "Fehler: Eintrag 1 (Lies mich!), Icon: '\\icons\\doc.ico' l\xC3\xA4sst sich "
                  "nicht als Bild laden",
                  "Ergebnis: 1 Fehler, 0 Hinweise"}));
}

}  // namespace
