// Per-user settings: a value stored now is read back at the next start.
#include <gtest/gtest.h>

#include "os/os.h"
#include "support.h"

namespace {

TEST(Settings, MissingValuesGiveTheDefault) {
    os_test::SettingsSandbox sandbox;
    EXPECT_EQ(os::GetSetting(sandbox.Application(), "Admin", "Subst_Path", ""), "");
    EXPECT_EQ(os::GetSetting(sandbox.Application(), "Settings", "Email", "a@b.de"), "a@b.de");
}

TEST(Settings, StoredValuesComeBackUnchanged) {
    os_test::SettingsSandbox sandbox;
    const std::string& app = sandbox.Application();
    const std::string values[] = {"C:\\WINDOWS\\COMMAND\\", "  Leer am Rand  ", "\"zitiert\"",
                                  "'a'", "Größe € ß", "a=b;c", ""};
    for (const auto& value : values) {
        ASSERT_TRUE(os::SaveSetting(app, "Admin", "Subst_Path", value)) << value;
        EXPECT_EQ(os::GetSetting(app, "Admin", "Subst_Path", "DEFAULT"), value);
    }
}

TEST(Settings, SectionsAndKeysAreSeparateButCaseBlind) {
    os_test::SettingsSandbox sandbox;
    const std::string& app = sandbox.Application();
    ASSERT_TRUE(os::SaveSetting(app, "Settings", "Email", "info@example.de"));
    ASSERT_TRUE(os::SaveSetting(app, "Settings", "Homepage", "http://example.de"));
    ASSERT_TRUE(os::SaveSetting(app, "Admin", "Email", "anders"));
    EXPECT_EQ(os::GetSetting(app, "settings", "EMAIL", ""), "info@example.de");
    EXPECT_EQ(os::GetSetting(app, "Settings", "Homepage", ""), "http://example.de");
    EXPECT_EQ(os::GetSetting(app, "Admin", "Email", ""), "anders");
    EXPECT_EQ(os::GetSetting(app, "Admin", "Homepage", "keiner"), "keiner");
}

TEST(Settings, EmptyNamesAreRefused) {
    os_test::SettingsSandbox sandbox;
    EXPECT_FALSE(os::SaveSetting("", "Admin", "Subst_Path", "x"));
    EXPECT_FALSE(os::SaveSetting(sandbox.Application(), "", "Subst_Path", "x"));
    EXPECT_FALSE(os::SaveSetting(sandbox.Application(), "Admin", "", "x"));
    EXPECT_EQ(os::GetSetting("", "Admin", "Subst_Path", "d"), "d");
}

}  // namespace
