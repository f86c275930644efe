// Basic value types of the control model.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace forms {

// Sizes and positions are twips, 1/1440 inch (15 twips a pixel at 96 DPI).
using Twips = int;

// Colour value in the Windows layout 00BBGGRR.
using Color = std::uint32_t;

struct Font {
    std::string Name = "MS Sans Serif";
    double Size = 8;  // points
    bool Bold = false;
    bool operator==(const Font&) const = default;
};

enum class MousePointer { Default, Hand };

// Message box styles and answers, with the values Windows uses.
namespace mb {
constexpr int OkOnly = 0;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
}  // namespace mb

// Pixels of a picture, owned by the backend that loaded or made it.
class PictureData {
public:
    virtual ~PictureData() = default;
    // The size in pixels: for a picture that scales with the display (an
    // icon file, the programs' own artwork), its size at 96 DPI, which
    // grows with the display's scale; for any other, its pixels.
    int widthPixels = 0;
    int heightPixels = 0;
    bool scales = false;
    // Where the picture came from ("file:PATH", "shell-small:PATH", ...);
    // for tests and diagnostics only.
    std::string source;
};

// The bytes of a file built into the program.
struct MemoryFile {
    const unsigned char* data;
    std::size_t size;
};

// A picture value. Copies share the same pixels; an empty picture has none.
class Picture {
public:
    Picture() = default;
    explicit Picture(std::shared_ptr<const PictureData> data) : data_(std::move(data)) {}
    bool Empty() const { return !data_; }
    int WidthPixels() const { return data_ ? data_->widthPixels : 0; }
    int HeightPixels() const { return data_ ? data_->heightPixels : 0; }
    const PictureData* Data() const { return data_.get(); }
    bool operator==(const Picture& other) const { return data_ == other.data_; }

private:
    std::shared_ptr<const PictureData> data_;
};

}  // namespace forms
