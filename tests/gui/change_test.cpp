#include <gtest/gtest.h>

#include "case_name.h"
#include "gui_test.h"

namespace quorvane::gui {
namespace {

using ChangeButton = GuiTest;

TEST_F(ChangeButton, WritesRotatedCopyBesideInputAndSaysOk)
{
    const Bytes input{0xCD, 0xAB, 0x34, 0x12, 0xFF};
    WriteBytes(PathOf("data.bin"), input);
    StartProgram();
    app.SetFieldText(PathOf("data.bin"));

    const MessageBoxView box = Change();
    EXPECT_EQ(box.text, "OK");
    EXPECT_EQ(box.caption, "quorvane");
    EXPECT_EQ(box.owner, app.Dialog());
    EXPECT_TRUE(box.hasIcon);
    EXPECT_EQ(box.buttonIds, std::vector<int>{IDOK});
    EXPECT_EQ(ReadBytes(PathOf("datachg.bin")), (Bytes{0xDA, 0xBC, 0x41, 0x23}));
    EXPECT_EQ(ReadBytes(PathOf("data.bin")), input);

    ASSERT_TRUE(app.DismissMessageBox(box));
    EXPECT_TRUE(app.IsRunning());
    EXPECT_EQ(app.FieldText(), PathOf("data.bin"));
}

// The message box is captioned with the executable's own name, whatever the copy is called; the
// dialog keeps its caption.
struct CopyCase {
    const char* name;
    const char* fileName;
    const char* caption;
    friend void PrintTo(const CopyCase& c, std::ostream* os) { *os << c.name; }
};

class MessageCaption : public GuiTest, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(MessageCaption, IsExecutableNameWithoutExtension)
{
    StartOptions options;
    options.program = PathOf(GetParam().fileName);
    ASSERT_TRUE(::CopyFileA(BuiltProgramPath().c_str(), options.program.c_str(), TRUE));
    StartProgram(options);

    const MessageBoxView box = Change();
    EXPECT_EQ(box.caption, GetParam().caption);
    EXPECT_EQ(box.text, "File open error.");
    EXPECT_EQ(TextOf(app.Dialog()), "quorvane");
}

INSTANTIATE_TEST_SUITE_P(Table,
                         MessageCaption,
                         ::testing::Values(CopyCase{"Renamed", "Tool.exe", "Tool"},
                                           CopyCase{"DotInName", "a.b.exe", "a.b"}),
                         testing::CaseName{});

}  // namespace
}  // namespace quorvane::gui
