#include "ui/components/FBrowse.h"

#include <shlobj.h>

#include <cstring>

namespace talvek::ui {

namespace {

// The identifier list the browser returns, released through the shell's allocator.
class ItemList {
  public:
    explicit ItemList(LPITEMIDLIST item) : item_(item) {}
    ~ItemList() {
        IMalloc* shellMalloc = nullptr;
        if (item_ && SUCCEEDED(SHGetMalloc(&shellMalloc)) && shellMalloc) {
            shellMalloc->Free(item_);
            shellMalloc->Release();
        }
    }
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;
    LPITEMIDLIST get() const { return item_; }

  private:
    LPITEMIDLIST item_;
};

} // namespace

bool TFolderBrowse::Execute(HWND parent) {
    // One more than MAX_PATH, so the text is always terminated within the buffer.
    char path[MAX_PATH + 1] = {};
    BROWSEINFOA info{};
    info.hwndOwner = parent;
    info.pidlRoot = nullptr;
    info.pszDisplayName = path;
    info.lpszTitle = title_.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = &TFolderBrowse::BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(this);
    ItemList item(SHBrowseForFolderA(&info));
    if (!item.get()) return false; // cancelled or closed: Directory stays
    path[0] = '\0';
    if (!SHGetPathFromIDListA(item.get(), path)) return false; // Directory stays
    directory_.assign(path, strnlen(path, MAX_PATH));
    return true;
}

int CALLBACK TFolderBrowse::BrowseCallback(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message != BFFM_INITIALIZED) return 0;
    const auto* self = reinterpret_cast<const TFolderBrowse*>(data);
    if (self && !self->directory_.empty())
        SendMessageA(window, BFFM_SETSELECTIONA, TRUE,
                     reinterpret_cast<LPARAM>(self->directory_.c_str()));
    return 0;
}

} // namespace talvek::ui
