// The progress window's status line when its text is longer than the room for it.
#pragma once
#include <functional>
#include <string>

namespace talvek {

// The text as the status line shows it: whole when `fits` takes it. Otherwise the middle of
// its longest path gives way to "...", so that the path's root, the file's name and what
// happened to it stay readable; when that path at its shortest is still too long, the next
// longest follows. When no path can give more (a name longer than the room, a path without
// a backslash), the text itself loses its middle, so its start and its end stay. A path
// runs from a drive or server to the last word with a backslash before the next path, so
// its folders may have blanks. The window measures with its font; the details log keeps the
// whole text.
std::string fitStatusText(const std::string& text,
                          const std::function<bool(const std::string&)>& fits);

} // namespace talvek
