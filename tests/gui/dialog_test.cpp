#include <gtest/gtest.h>

#include "case_name.h"
#include "gui_test.h"

namespace quorvane::gui {
namespace {

struct ControlSeen {
    int id;
    std::string className;
    std::string text;
    friend bool operator==(const ControlSeen&, const ControlSeen&) = default;
    friend void PrintTo(const ControlSeen& c, std::ostream* os)
    {
        *os << c.id << ' ' << c.className << " \"" << c.text << '"';
    }
};

using DialogAtStart = GuiTest;

TEST_F(DialogAtStart, ShowsItsControlsInOrderWithEmptyField)
{
    StartProgram();
    EXPECT_EQ(TextOf(app.Dialog()), "quorvane");
    std::vector<ControlSeen> controls;
    for (HWND child : ChildrenOf(app.Dialog())) {
        controls.push_back({static_cast<WORD>(::GetDlgCtrlID(child)), ClassOf(child), TextOf(child)});
    }
    EXPECT_EQ(controls,
              (std::vector<ControlSeen>{{IDOK, "Button", Ansi(L"确定")},
                                        {IDCANCEL, "Button", Ansi(L"取消")},
                                        {0xFFFF, "Static", "File Name:"},
                                        {kFileNameId, "Edit", ""},
                                        {kBrowseId, "Button", "Browse"},
                                        {kChangeId, "Button", "Change"}}));
}

TEST_F(DialogAtStart, FocusIsOnDefaultButtonAndTabGoesRound)
{
    StartProgram();
    const auto defaultId = ::SendMessageA(app.Dialog(), DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(defaultId), DC_HASDEFID);
    EXPECT_EQ(LOWORD(defaultId), IDOK);

    EXPECT_EQ(WaitFor([&] { return app.FocusedControlId(); }), IDOK);
    for (const int next : {IDCANCEL, kFileNameId, kBrowseId, kChangeId, IDOK}) {
        app.PressKey(VK_TAB);
        EXPECT_EQ(WaitFor([&] { return app.FocusedControlId() == next; }), true)
            << "Tab did not reach " << next;
    }
}

TEST_F(DialogAtStart, IgnoresCommandLineArguments)
{
    WriteBytes(PathOf("in.bin"), {0x34, 0x12});
    StartOptions options;
    options.arguments = '"' + PathOf("in.bin") + "\" in.bin /c";
    StartProgram(options);
    EXPECT_EQ(app.FieldText(), "");
    app.PressKey(VK_ESCAPE);
    EXPECT_EQ(app.WaitForExit(), 0u);
    EXPECT_FALSE(ReadBytes(PathOf("inchg.bin")));
}

// However the dialog is ended, the program ends with it, and converts nothing on the way.
struct EndingCase {
    const char* name;
    void (*end)(const QuorvaneProcess& app);
    friend void PrintTo(const EndingCase& c, std::ostream* os) { *os << c.name; }
};

class DialogEnding : public GuiTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(DialogEnding, EndsProgramWithoutConverting)
{
    WriteBytes(PathOf("in.bin"), {0x34, 0x12});
    StartProgram();
    app.SetFieldText(PathOf("in.bin"));
    ASSERT_EQ(WaitFor([&] { return app.FocusedControlId(); }), IDOK);
    GetParam().end(app);
    EXPECT_EQ(app.WaitForExit(), 0u);
    EXPECT_FALSE(ReadBytes(PathOf("inchg.bin")));
}

INSTANTIATE_TEST_SUITE_P(
    Table,
    DialogEnding,
    ::testing::Values(EndingCase{"EnterAtStart", [](const QuorvaneProcess& app) { app.PressKey(VK_RETURN); }},
                      EndingCase{"EnterInField",
                                 [](const QuorvaneProcess& app) {
                                     app.PressKey(VK_TAB);
                                     app.PressKey(VK_TAB);
                                     WaitFor([&] { return app.FocusedControlId() == kFileNameId; });
                                     app.PressKey(VK_RETURN);
                                 }},
                      EndingCase{"Escape", [](const QuorvaneProcess& app) { app.PressKey(VK_ESCAPE); }},
                      EndingCase{"CancelButton", [](const QuorvaneProcess& app) { app.Click(IDCANCEL); }},
                      EndingCase{"CloseBox",
                                 [](const QuorvaneProcess& app) {
                                     ::PostMessageA(app.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
                                 }}),
    testing::CaseName{});

}  // namespace
}  // namespace quorvane::gui
