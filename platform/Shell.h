// Seam over the Windows shell and the clipboard: the link label opens its address and copies
// its caption, the record sets page opens a set's protocol.
#pragma once
#include <string>

namespace talvek {

class Shell {
  public:
    virtual ~Shell() = default;
    // Opens the target with its registered handler ("open", no parameters, shown normally);
    // failures are not reported.
    virtual void open(const std::string& target) = 0;
    // Replaces the clipboard contents with the text.
    virtual void copyText(const std::string& text) = 0;
};

} // namespace talvek
