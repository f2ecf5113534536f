#pragma once

#include <gtest/gtest.h>

#include <string>

#include "file_bytes.h"
#include "quorvane_process.h"

namespace quorvane::gui {

// A fresh directory and one run of the program; the run is ended before the directory goes.
class GuiTest : public ::testing::Test {
protected:
    // The scratch directory, without a separator at the end.
    std::string Directory() const
    {
        const std::string inside = scratch.PathOf("x");
        return inside.substr(0, inside.size() - 2);
    }
    std::string PathOf(const std::string& name) const { return Directory() + '\\' + name; }

    // Starts the program in the scratch directory unless told otherwise.
    void StartProgram(StartOptions options = {})
    {
        if (options.workingDirectory.empty()) options.workingDirectory = Directory();
        ASSERT_TRUE(app.Start(options)) << "no dialog from " << options.program;
    }

    // Presses "Change" and reads the message box that answers it.
    MessageBoxView Change()
    {
        app.Click(kChangeId);
        const std::optional<MessageBoxView> box = app.WaitForMessageBox();
        if (!box) ADD_FAILURE() << "no message box after Change";
        return box.value_or(MessageBoxView{});
    }

    testing::ScratchDir scratch;
    QuorvaneProcess app;
};

}  // namespace quorvane::gui
