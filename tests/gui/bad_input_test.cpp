#include <gtest/gtest.h>

#include <memory>

#include "case_name.h"
#include "gui_test.h"

namespace quorvane::gui {
namespace {

const Bytes kInput{0xCD, 0xAB, 0x34, 0x12};
const Bytes kConverted{0xDA, 0xBC, 0x41, 0x23};
const Bytes kEarlierOutput{9, 9, 9, 9, 9, 9};  // longer than the new one: it must be cut

// Another process holding a file without sharing it, as an editor or a backup tool may.
class HeldWithoutSharing {
public:
    explicit HeldWithoutSharing(const std::string& path)
        : m_handle(::CreateFileA(
              path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr))
    {
    }
    ~HeldWithoutSharing() { ::CloseHandle(m_handle); }
    HeldWithoutSharing(const HeldWithoutSharing&) = delete;
    HeldWithoutSharing& operator=(const HeldWithoutSharing&) = delete;
    bool Held() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

// Every refused text leaves the dialog open with the text as typed, and every file as it was.
struct RefusedCase {
    const char* name;
    // Prepares the directory, which holds in.bin, and gives the text to type.
    std::string (*prepare)(const std::string& dir);
    const char* heldFile = nullptr;  // held without sharing while "Change" runs
    friend void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }
};

class RefusedInput : public GuiTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedInput, SaysOpenErrorAndChangesNothing)
{
    WriteBytes(PathOf("in.bin"), kInput);
    const std::string text = GetParam().prepare(Directory());
    const Tree before = TreeOf(Directory());
    std::unique_ptr<HeldWithoutSharing> held;
    if (GetParam().heldFile != nullptr) {
        held = std::make_unique<HeldWithoutSharing>(PathOf(GetParam().heldFile));
        ASSERT_TRUE(held->Held());
    }
    StartProgram();
    app.SetFieldText(text);
    ASSERT_EQ(app.FieldText(), text);

    const MessageBoxView box = Change();
    EXPECT_EQ(box.text, "File open error.");
    ASSERT_TRUE(app.DismissMessageBox(box));
    EXPECT_TRUE(app.IsRunning());
    EXPECT_EQ(app.FieldText(), text);
    held.reset();
    EXPECT_EQ(TreeOf(Directory()), before);
}

std::string Input(const std::string& dir)
{
    return dir + "\\in.bin";
}

std::string InputWithEarlierOutput(const std::string& dir)
{
    WriteBytes(dir + "\\inchg.bin", kEarlierOutput);
    return Input(dir);
}

INSTANTIATE_TEST_SUITE_P(
    Table,
    RefusedInput,
    ::testing::Values(
        RefusedCase{"EmptyField", [](const std::string&) { return std::string(); }},
        RefusedCase{"MissingFile", [](const std::string& dir) { return dir + "\\missing.bin"; }},
        RefusedCase{"Directory",
                    [](const std::string& dir) {
                        ::CreateDirectoryA((dir + "\\sub.d").c_str(), nullptr);
                        return dir + "\\sub.d";
                    }},
        RefusedCase{"BlanksBefore", [](const std::string& dir) { return "  " + Input(dir); }},
        RefusedCase{"QuotesAround", [](const std::string& dir) { return '"' + Input(dir) + '"'; }},
        // Its first 254 bytes name a file that exists; the text as a whole names none.
        RefusedCase{"LongerThanMaxPath",
                    [](const std::string& dir) {
                        const std::string prefix = dir + '\\' + std::string(253 - dir.size(), 'n');
                        WriteBytes(prefix, kInput);
                        return prefix + std::string(270 - prefix.size(), 'x');
                    }},
        RefusedCase{"OutputNameIsDirectory",
                    [](const std::string& dir) {
                        ::CreateDirectoryA((dir + "\\inchg.bin").c_str(), nullptr);
                        return Input(dir);
                    }},
        RefusedCase{"OutputHeldWithoutSharing", InputWithEarlierOutput, "inchg.bin"},
        RefusedCase{"InputHeldWithoutSharing", InputWithEarlierOutput, "in.bin"},
        RefusedCase{"OutputReadOnly",
                    [](const std::string& dir) {
                        const std::string input = InputWithEarlierOutput(dir);
                        ::SetFileAttributesA((dir + "\\inchg.bin").c_str(), FILE_ATTRIBUTE_READONLY);
                        return input;
                    }}),
    testing::CaseName{});

// Texts the system takes for a file name: relative to the program's working directory; in
// double-byte characters, also those whose second byte is a backslash's; with blanks at the end, which
// the system drops from every name it is given, for the input and the output alike.
struct AcceptedCase {
    const char* name;
    const wchar_t* input;   // inside the directory
    const wchar_t* output;  // inside the directory
    bool typedRelative = false;
    const char* typedAfter = "";
    friend void PrintTo(const AcceptedCase& c, std::ostream* os) { *os << c.name; }
};

class AcceptedInput : public GuiTest, public ::testing::WithParamInterface<AcceptedCase> {};

TEST_P(AcceptedInput, ReplacesOutputBesideInput)
{
    ASSERT_EQ(::GetACP(), 936u);
    const std::string name = Ansi(GetParam().input);
    const std::size_t separator = name.rfind("\\");
    if (separator != std::string::npos)
        ::CreateDirectoryA(PathOf(name.substr(0, separator)).c_str(), nullptr);
    WriteBytes(PathOf(name), kInput);
    WriteBytes(PathOf(Ansi(GetParam().output)), kEarlierOutput);
    StartProgram();
    const std::string text = (GetParam().typedRelative ? name : PathOf(name)) + GetParam().typedAfter;
    app.SetFieldText(text);

    const MessageBoxView box = Change();
    EXPECT_EQ(box.text, "OK");
    EXPECT_EQ(ReadBytes(PathOf(Ansi(GetParam().output))), kConverted);
    EXPECT_EQ(ReadBytes(PathOf(name)), kInput);
    ASSERT_TRUE(app.DismissMessageBox(box));
    EXPECT_EQ(app.FieldText(), text);
}

// 誠 is 0xD5 0x5C and 表 0xB1 0xED in code page 936.
INSTANTIATE_TEST_SUITE_P(
    Table,
    AcceptedInput,
    ::testing::Values(AcceptedCase{"RelativeName", L"in.bin", L"inchg.bin", true},
                      AcceptedCase{"RelativeNameInDirectory", L"sub\\in.bin", L"sub\\inchg.bin", true},
                      AcceptedCase{"BlanksAfter", L"in.bin", L"inchg.bin", false, "  "},
                      AcceptedCase{"DoubleByteDirectory", L"表\\in.bin", L"表\\inchg.bin"},
                      AcceptedCase{"TrailByteBackslashInDirectory", L"誠\\in.bin", L"誠\\inchg.bin"},
                      AcceptedCase{"TrailByteBackslashInExtension", L"a.誠", L"achg.誠"},
                      AcceptedCase{"TrailByteBackslashInName", L"誠.bin", L"誠chg.bin"}),
    testing::CaseName{});

}  // namespace
}  // namespace quorvane::gui
