// TUrlLabel: the link label as a child window of our own class "TUrlLabel": caption in its
// font colour on its background colour, the hand pointer (the program's cursor "HAND"),
// capture while the left button is down, and the "Copy" context menu.
#pragma once
#include <windows.h>

#include <memory>

#include "ui/components/logic/UrlLabelCore.h"
#include "ui/toolkit/Handles.h"

namespace talvek::ui {

class UrlLabelWindow;

class TUrlLabel : public UrlLabelCore {
  public:
    // Loads the "HAND" cursor resource for its pointer; clicks go to the shell through
    // ShellExecuteA with the application window unless SetShell gives another seam.
    explicit TUrlLabel(TComponent* owner);
    ~TUrlLabel() override;

    // Creates the label's window, and with the first one its context menu.
    AppError CreateIn(HWND parent, int left, int top, int width, int height);
    void SetBounds(int left, int top, int width, int height);
    HWND Handle() const;
    // The context menu (one item, "Copy"), owned by the label; made by CreateIn.
    HMENU PopupMenu() const;

  protected:
    void Changed() override;

  private:
    friend class UrlLabelWindow;
    std::unique_ptr<Shell> ownShell_;
    Menu menu_;
    HCURSOR hand_; // a resource's cursor: shared, never destroyed
    std::unique_ptr<UrlLabelWindow> window_;
};

} // namespace talvek::ui
