#include "editor_fixture.h"

namespace editor::testing {

EditorTest::EditorTest() {
    services.programFolder = "C:\\Programme\\Pavonel";
    services.realFilesExist = true;
}

EditorTest::~EditorTest() = default;

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
