#include "platform/win32/Win32Dialogs.h"

#include <commdlg.h>

#include <vector>

namespace talvek {

bool Win32Questions::askYesNo(const std::string& caption, const std::string& text) {
    return MessageBoxA(owner_, text.c_str(), caption.c_str(), MB_YESNO) == IDYES;
}

void Win32Questions::tell(const std::string& caption, const std::string& text) {
    MessageBoxA(owner_, text.c_str(), caption.c_str(), MB_OK);
}

bool Win32FileOpenDialog::execute(const std::string& initialDir, std::string& fileName) {
    std::vector<char> buffer(1024, '\0');
    fileName.copy(buffer.data(), buffer.size() - 1);
    OPENFILENAMEA ofn{};
    // The structure size Windows 95 knows; later fields stay unused.
#ifdef OPENFILENAME_SIZE_VERSION_400A
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
#else
    ofn.lStructSize = sizeof(ofn);
#endif
    ofn.hwndOwner = owner_;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&ofn)) return false;
    fileName = buffer.data();
    return true;
}

} // namespace talvek
