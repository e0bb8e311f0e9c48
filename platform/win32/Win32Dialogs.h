// The question boxes and the file-open dialog on user32 and comdlg32.
#pragma once
#include <windows.h>

#include "platform/Dialogs.h"

namespace talvek {

class Win32Questions : public Questions {
  public:
    explicit Win32Questions(HWND owner = nullptr) : owner_(owner) {}
    void setOwner(HWND owner) { owner_ = owner; }
    bool askYesNo(const std::string& caption, const std::string& text) override;
    void tell(const std::string& caption, const std::string& text) override;

  private:
    HWND owner_;
};

class Win32FileOpenDialog : public FileOpenDialog {
  public:
    explicit Win32FileOpenDialog(HWND owner = nullptr) : owner_(owner) {}
    void setOwner(HWND owner) { owner_ = owner; }
    bool execute(const std::string& initialDir, std::string& fileName) override;

  private:
    HWND owner_;
};

} // namespace talvek
