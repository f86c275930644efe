// Picture loading of the headless backend with gdk-pixbuf, a real decoder,
// so that damaged files fail here as they fail on Windows.
#include <gdk-pixbuf/gdk-pixbuf.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "forms/headless/headless_backend.h"

namespace forms::headless {

namespace {

// The formats the Windows picture loader reads as well (gdk-pixbuf names).
bool AcceptedFormat(std::string_view name) {
    constexpr std::array<std::string_view, 5> accepted{"ico", "bmp", "gif", "jpeg", "png"};
    return std::find(accepted.begin(), accepted.end(), name) != accepted.end();
}

std::optional<Picture> Decode(const unsigned char* data, std::size_t size, std::string source) {
    if (data == nullptr || size == 0) return std::nullopt;
    GdkPixbufLoader* loader = gdk_pixbuf_loader_new();
    GError* error = nullptr;
    bool ok = gdk_pixbuf_loader_write(loader, data, size, &error);
    if (error) {
        g_error_free(error);
        error = nullptr;
    }
    // close must run even after a failed write: it frees the decoder state.
    ok = gdk_pixbuf_loader_close(loader, &error) && ok;
    if (error) g_error_free(error);

    std::optional<Picture> result;
    GdkPixbuf* pixbuf = ok ? gdk_pixbuf_loader_get_pixbuf(loader) : nullptr;
    GdkPixbufFormat* format = gdk_pixbuf_loader_get_format(loader);
    gchar* formatName = format ? gdk_pixbuf_format_get_name(format) : nullptr;  // ours to free
    if (pixbuf && formatName && AcceptedFormat(formatName)) {
        auto picture = std::make_shared<PictureData>();
        picture->widthPixels = gdk_pixbuf_get_width(pixbuf);
        picture->heightPixels = gdk_pixbuf_get_height(pixbuf);
        picture->source = std::move(source);
        picture->format = formatName;
        result = Picture(std::move(picture));
    }
    g_free(formatName);
    g_object_unref(loader);
    return result;
}

}  // namespace

std::optional<Picture> Backend::LoadPicture(const std::string& path) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file),
                                           std::istreambuf_iterator<char>()};
    if (file.bad()) return std::nullopt;
    return Decode(bytes.data(), bytes.size(), "file:" + path);
}

std::optional<Picture> Backend::LoadPictureFromMemory(const unsigned char* data, std::size_t size) {
    return Decode(data, size, "memory");
}

std::optional<Picture> Backend::LoadBuiltInPicture(const std::vector<MemoryFile>& drawings) {
    if (drawings.empty()) return std::nullopt;
    return LoadPictureFromMemory(drawings.front().data, drawings.front().size);
}

}  // namespace forms::headless
