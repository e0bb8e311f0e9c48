// TSetupForm: the setup dialog, the main window of a start without the backup switch.
#pragma once
#include "ui/toolkit/Window.h"

namespace talvek::ui {

class TSetupForm : public Window {
  public:
    TSetupForm();

  protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

} // namespace talvek::ui
