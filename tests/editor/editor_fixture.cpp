#include "editor_fixture.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace editor::testing {

std::string EditorServices::GetSetting(const std::string& application,
                                       const std::string& section, const std::string& key,
                                       const std::string& defaultValue) {
    const auto found = settings.find(application + "/" + section + "/" + key);
    return found != settings.end() ? found->second : defaultValue;
}

bool EditorServices::SaveSetting(const std::string& application, const std::string& section,
                                 const std::string& key, const std::string& value) {
    settings[application + "/" + section + "/" + key] = value;
    return true;
}

EditorTest::EditorTest() {
    std::string pattern = (std::filesystem::temp_directory_path() / "editor_test_XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    dir = pattern;
}

EditorTest::~EditorTest() {
    std::error_code ignored;
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(dir, ignored);
}

std::string EditorTest::WriteFile(const std::string& name, const std::string& bytes) {
    const std::string path = PathOf(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string EditorTest::ReadFile(const std::string& name) const {
    std::ifstream file(PathOf(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

void EditorTest::Open(const std::string& name) {
    AnswerFileDialog(PathOf(name));
    main.mnuOpen.RaiseClick();
}

std::vector<std::string> EditorTest::EntryCaptions() const {
    std::vector<std::string> captions;
    for (int i = 0; i < MaxItems; ++i) captions.push_back(main.tvItems.Node(2 + 5 * i).text);
    return captions;
}

}  // namespace editor::testing
