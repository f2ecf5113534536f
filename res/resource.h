// Resource identifiers, shared by the resource script and the program.
#pragma once

#define IDC_STATIC (-1)

#define IDD_CONVERTER_DIALOG 102
#define IDR_APP_ICON 128

#define IDC_FILE_NAME 1000
#define IDC_BROWSE 1001
#define IDC_CHANGE 1002
