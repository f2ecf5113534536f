#include <gtest/gtest.h>

#include "case_name.h"
#include "gui_test.h"

namespace quorvane::gui {
namespace {

// The file-open dialog's file name box: a ComboBoxEx32 of this id, with a ComboBox and an Edit inside.
constexpr int kOpenFileNameId = 0x47c;

HWND FileNameEditOf(HWND openDialog)
{
    return DescendantOf(openDialog, kOpenFileNameId, "Edit");
}

class BrowseButton : public GuiTest {
protected:
    // Presses "Browse" and waits for the file-open dialog, which must belong to the program's dialog.
    HWND OpenDialog()
    {
        app.Click(kBrowseId);
        const std::optional<HWND> open =
            app.WaitForOtherWindow([](HWND window) { return TextOf(window) == Ansi(L"打开"); });
        if (!open) {
            ADD_FAILURE() << "no file-open dialog after Browse";
            return nullptr;
        }
        EXPECT_EQ(OwnerOf(*open), app.Dialog());
        return *open;
    }

    // Leaves the file-open dialog by one of its buttons, and waits until it is gone.
    static bool Leave(HWND open, int buttonId)
    {
        ::PostMessageA(::GetDlgItem(open, buttonId), BM_CLICK, 0, 0);
        return WaitFor([&] { return !::IsWindow(open); });
    }
};

struct ChoiceCase {
    const char* name;
    std::string typed;  // in the file-open dialog, which starts in the program's working directory
    bool typedRelative;
    bool exists = true;
    friend void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }
};

class BrowseChoice : public BrowseButton, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(BrowseChoice, PutsFullPathIntoField)
{
    if (GetParam().exists) WriteBytes(PathOf(GetParam().typed), {0x34, 0x12});
    StartProgram();
    const HWND open = OpenDialog();
    ASSERT_NE(open, nullptr);
    const HWND name = FileNameEditOf(open);
    ASSERT_NE(name, nullptr);
    SetTextOf(name, GetParam().typedRelative ? GetParam().typed : PathOf(GetParam().typed));
    ASSERT_TRUE(Leave(open, IDOK));
    EXPECT_EQ(app.FieldText(), PathOf(GetParam().typed));
    EXPECT_TRUE(app.IsRunning());
}

INSTANTIATE_TEST_SUITE_P(Table,
                         BrowseChoice,
                         ::testing::Values(ChoiceCase{"FullPath", "in.bin", false},
                                           ChoiceCase{"NameInStartDirectory", "in.bin", true},
                                           ChoiceCase{"NameOfMissingFile", "new.bin", false, false},
                                           // Longer than a short buffer for the bare name would hold.
                                           ChoiceCase{"LongName", std::string(120, 'L') + ".bin", true}),
                         testing::CaseName{});

TEST_F(BrowseButton, CancelLeavesFieldAloneAndShowsNothing)
{
    StartProgram();
    app.SetFieldText(PathOf("typed before.bin"));
    const HWND open = OpenDialog();
    ASSERT_NE(open, nullptr);
    ASSERT_TRUE(Leave(open, IDCANCEL));
    EXPECT_EQ(app.FieldText(), PathOf("typed before.bin"));
    // A box shown on cancelling would come before the one that answers this click.
    EXPECT_EQ(Change().text, "File open error.");
}

}  // namespace
}  // namespace quorvane::gui
