#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <utility>
#include <vector>

// The system's active ANSI code page, in which all path texts are given.
struct AnsiCodePage {
    UINT codePage;
    std::vector<std::pair<BYTE, BYTE>> leadByteRanges;  // empty for a single-byte code page
};

// Read from the system once, at start-up; the same for the whole run.
const AnsiCodePage& AfxGetAnsiCodePage();
