// TUrlLabel: the link label as a child window of our own class "TUrlLabel": caption in its
// font colour on its background colour, the hand pointer (the program's cursor "HAND"),
// capture while the left button is down, and the "Copy" context menu.
#pragma once
#include <windows.h>

#include <memory>

#include "ui/components/logic/UrlLabelCore.h"
#include "ui/toolkit/Handles.h"
#include "ui/toolkit/Window.h"

namespace talvek::ui {

class TUrlLabel : public UrlLabelCore, public Window {
  public:
    // Loads the "HAND" cursor resource for its pointer; clicks go to the shell through
    // ShellExecuteA with the application window unless SetShell gives another seam.
    TUrlLabel();
    ~TUrlLabel() override;

    // Creates the label's window, once, and its context menu.
    AppError CreateIn(HWND parent, int left, int top, int width, int height, int id = 0);
    // The context menu (one item, "Copy"), owned by the label; made by CreateIn.
    HMENU PopupMenu() const { return menu_.get(); }

  protected:
    Reply handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Changed() override;

  private:
    AppError paintWindow();
    void leftButtonUp(int x, int y);
    void contextMenu(POINT at);

    std::unique_ptr<Shell> ownShell_;
    Menu menu_;
    HCURSOR hand_; // a resource's cursor: shared, never destroyed
};

} // namespace talvek::ui
