// The file: addresses the editor hands to the browser for its manual.
#include <gtest/gtest.h>

#include "os/os.h"

namespace {

TEST(FileUrl, EncodesWhatAnAddressCannotHoldAndKeepsTheSection) {
    struct Case {
        const char* path;
        const char* fragment;
        const char* url;
    };
    const Case cases[] = {
        {"C:\\Programme\\kelvo\\Handbuch.html", "seite-farben",
         "file:///C:/Programme/kelvo/Handbuch.html#seite-farben"},
        {"D:\\Eigene Dateien\\Größe 100%.html", "", "file:///D:/Eigene%20Dateien/Gr%C3%B6%C3%9Fe%20100%25.html"},
        {"C:\\a#b\\x?.html", "top", "file:///C:/a%23b/x%3F.html#top"},
        {"/home/anna/kelvo/Handbuch.html", "seite-test", "file:///home/anna/kelvo/Handbuch.html#seite-test"},
        {"\\\\server\\share\\h.html", "", "file:////server/share/h.html"},
    };
    for (const Case& c : cases) EXPECT_EQ(os::FileUrl(c.path, c.fragment), c.url) << c.path;
}

}  // namespace
