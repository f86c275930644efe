// cdcheck: checks the future disc in a folder as the menu program will read
// it there, or writes its autorun.inf (tools/cdcheck/cdcheck.h).
#include "forms/platform.h"
#include "os/console.h"
#include "os/os.h"
#include "os/services.h"
#include "tools/cdcheck/cdcheck.h"

int main(int argc, char** argv) {
    const std::unique_ptr<forms::Backend> pictures = forms::MakePlatformBackend();
    os::Services services;
    cdcheck::Output output{
        [](const std::string& line) { os::console::WriteLine(os::console::Stream::Output, line); },
        [](const std::string& line) { os::console::WriteLine(os::console::Stream::Error, line); },
        nullptr};
    // A progress line only where a person watches it change.
    if (os::console::IsTerminal(os::console::Stream::Error))
        output.progress = [](const std::string& text) {
            os::console::WriteOver(os::console::Stream::Error, text + "   ");
        };
    return cdcheck::Run(os::ProgramArguments(argc, argv), services, *pictures, output);
}
