// TFolderBrowse: the shell's browse-for-folder dialog as a non-visual component, a member of
// the form that uses it.
#pragma once
#include <windows.h>

#include <string>

namespace talvek::ui {

class TFolderBrowse {
  public:
    // Before Execute: the folder to preselect (empty: none). After a confirmed Execute: the
    // chosen folder's full path.
    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& value) { directory_ = value; }
    // Instruction text above the folder tree.
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { title_ = value; }

    // Shows the browser modally, owned by `parent`. True when a folder was confirmed and its
    // path obtained; otherwise false and Directory is left as it was.
    bool Execute(HWND parent);

  private:
    static int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM param, LPARAM data);
    std::string directory_, title_;
};

} // namespace talvek::ui
