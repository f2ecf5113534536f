#pragma once

#include "win_app.h"

// The application: its whole run is one modal run of the main dialog.
class CConverterApp : public CWinApp {
public:
    const MessageMap* GetMessageMap() const override;
    BOOL InitInstance() override;
};
