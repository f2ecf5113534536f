#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "module_names.h"

#include <gtest/gtest.h>

#include "case_name.h"

namespace {

struct ModuleCase {
    const char* name;
    std::string path;
    std::string title;
    std::string helpFilePath;
    friend void PrintTo(const ModuleCase& c, std::ostream* os) { *os << c.name; }
};

class ModuleNames936 : public ::testing::TestWithParam<ModuleCase> {};

TEST_P(ModuleNames936, TitleIsFileNameWithoutExtension)
{
    // The test runner starts Windows programs under code page 936, where 0x95 0x5C is one character.
    ASSERT_EQ(::GetACP(), 936u);
    const ModuleNames names = ModuleNamesFromPath(GetParam().path);
    EXPECT_EQ(names.title, GetParam().title);
    EXPECT_EQ(names.helpFilePath, GetParam().helpFilePath);
}

INSTANTIATE_TEST_SUITE_P(
    Table,
    ModuleNames936,
    ::testing::Values(
        ModuleCase{"Plain", "C:\\apps\\quorvane.exe", "quorvane", "C:\\apps\\quorvane.HLP"},
        ModuleCase{"Renamed", "C:\\apps\\Tool.exe", "Tool", "C:\\apps\\Tool.HLP"},
        ModuleCase{"LastDotStartsExtension", "C:\\apps\\a.b.exe", "a.b", "C:\\apps\\a.b.HLP"},
        ModuleCase{"DotInDirectoryIsNoExtension", "C:\\my.apps\\tool", "tool", "C:\\my.apps\\tool.HLP"},
        ModuleCase{"ForwardSlashSeparates", "C:/apps/x.exe", "x", "C:/apps/x.HLP"},
        ModuleCase{
            "SecondByteBackslashIsNoSeparator", "C:\\apps\\\x95\\x.exe", "\x95\\x", "C:\\apps\\\x95\\x.HLP"}),
    quorvane::testing::CaseName());

}  // namespace
