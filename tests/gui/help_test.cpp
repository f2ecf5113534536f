#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "case_name.h"
#include "gui_test.h"

namespace quorvane::gui {
namespace {

std::string Upper(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The help engine's own question about a help file it cannot find, in a process of its own.
class MissingHelpFileQuestion {
public:
    explicit MissingHelpFileQuestion(DWORD programId)
        : m_box(WaitFor([programId]() -> HWND {
              for (HWND window : TopLevelWindowsOf(std::nullopt)) {
                  if (ProcessOf(window) != programId && IsMessageBox(window) &&
                      TextOf(window) == Ansi(L"错误")) {
                      return window;
                  }
              }
              return nullptr;
          })),
          m_engine(m_box != nullptr ? ::OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, ProcessOf(m_box))
                                    : nullptr)
    {
    }
    // The engine is ended if answering did not end it.
    ~MissingHelpFileQuestion()
    {
        if (m_engine == nullptr) return;
        if (::WaitForSingleObject(m_engine, static_cast<DWORD>(kPatience.count())) != WAIT_OBJECT_0) {
            ::TerminateProcess(m_engine, 1);
        }
        ::CloseHandle(m_engine);
    }
    MissingHelpFileQuestion(const MissingHelpFileQuestion&) = delete;
    MissingHelpFileQuestion& operator=(const MissingHelpFileQuestion&) = delete;

    HWND Box() const { return m_box; }

private:
    HWND m_box;
    HANDLE m_engine;
};

struct HelpFileCase {
    const char* name;
    const char* copyName;  // the program runs as a copy of this name, or as built
    const char* helpFileName;
    friend void PrintTo(const HelpFileCase& c, std::ostream* os) { *os << c.name; }
};

class HelpKey : public GuiTest, public ::testing::WithParamInterface<HelpFileCase> {};

TEST_P(HelpKey, F1AsksForHelpFileNamedLikeProgram)
{
    StartOptions options;
    if (GetParam().copyName != nullptr) {
        options.program = PathOf(GetParam().copyName);
        ASSERT_TRUE(::CopyFileA(BuiltProgramPath().c_str(), options.program.c_str(), TRUE));
    }
    StartProgram(options);
    app.PressKey(VK_F1);

    const MissingHelpFileQuestion question(app.ProcessId());
    ASSERT_NE(question.Box(), nullptr) << "no help request";
    const MessageBoxView box = ReadMessageBox(question.Box());
    const std::string directory = options.program.substr(0, options.program.rfind('\\') + 1);
    EXPECT_NE(Upper(box.text).find(Upper(directory + GetParam().helpFileName)), std::string::npos)
        << box.text;
    EXPECT_EQ(box.owner, nullptr);
    Answer(box.window, IDNO);

    // The request went out, so the program has nothing to say about it.
    EXPECT_EQ(Change().text, "File open error.");
}

INSTANTIATE_TEST_SUITE_P(Table,
                         HelpKey,
                         ::testing::Values(HelpFileCase{"AsBuilt", nullptr, "quorvane.HLP"},
                                           HelpFileCase{"Renamed", "Tool.exe", "Tool.HLP"}),
                         testing::CaseName{});

// Without its help engine, WinHelp fails at once instead of asking about the missing file. Wine takes
// the engine's load order from the environment it started in, which a test program cannot change for
// its children: ctest runs these with the engine disabled.
class HelpEngineMissing : public GuiTest {
protected:
    void SetUp() override
    {
        char overrides[256] = {};
        ::GetEnvironmentVariableA("WINEDLLOVERRIDES", overrides, sizeof overrides);
        if (std::string(overrides).find("winhlp32.exe") == std::string::npos) {
            GTEST_SKIP() << "needs WINEDLLOVERRIDES=winhlp32.exe=d";
        }
    }
};

// F1 asks for help wherever the focus is in the dialog.
struct FocusCase {
    const char* name;
    int focusedId;
    int tabs;  // from the start, where the focus is on the default button
    friend void PrintTo(const FocusCase& c, std::ostream* os) { *os << c.name; }
};

class HelpEngineMissingF1 : public HelpEngineMissing, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(HelpEngineMissingF1, SaysHelpDidNotStart)
{
    StartProgram();
    for (int i = 0; i < GetParam().tabs; ++i) app.PressKey(VK_TAB);
    ASSERT_TRUE(WaitFor([&] { return app.FocusedControlId() == GetParam().focusedId; }));
    app.PressKey(VK_F1);

    const std::optional<MessageBoxView> box = app.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, Ansi(L"启动帮助失败。"));
    EXPECT_EQ(box->caption, "quorvane");
    EXPECT_EQ(box->owner, app.Dialog());
    EXPECT_TRUE(box->hasIcon);
    EXPECT_EQ(box->buttonIds, std::vector<int>{IDOK});
    ASSERT_TRUE(app.DismissMessageBox(*box));
    EXPECT_TRUE(app.IsRunning());
}

INSTANTIATE_TEST_SUITE_P(Table,
                         HelpEngineMissingF1,
                         ::testing::Values(FocusCase{"OnDefaultButton", IDOK, 0},
                                           FocusCase{"InField", kFileNameId, 2}),
                         testing::CaseName{});

TEST_F(HelpEngineMissing, ShiftF1DoesNothing)
{
    StartProgram();
    ASSERT_EQ(WaitFor([&] { return app.FocusedControlId(); }), IDOK);

    app.PressChord({VK_SHIFT, VK_F1});
    // Keys are taken in order: once Tab has moved the focus, Shift+F1 has been handled, and a help
    // request would have put up its box first and taken the Tab itself.
    app.PressChord({VK_TAB});
    ASSERT_TRUE(WaitFor([&] { return app.FocusedControlId() == IDCANCEL; }));
    const std::vector<HWND> windows = TopLevelWindowsOf(app.ProcessId());
    EXPECT_TRUE(std::none_of(windows.begin(), windows.end(), IsMessageBox));
}

}  // namespace
}  // namespace quorvane::gui
