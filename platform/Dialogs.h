// Seams over the modal questions and the file-open dialog of the setup dialog.
#pragma once
#include <string>

namespace talvek {

class Questions {
  public:
    virtual ~Questions() = default;
    // A message box with Yes and No buttons and no icon; true when answered Yes.
    virtual bool askYesNo(const std::string& caption, const std::string& text) = 0;
    // A message box with an OK button and no icon.
    virtual void tell(const std::string& caption, const std::string& text) = 0;
};

class FileOpenDialog {
  public:
    virtual ~FileOpenDialog() = default;
    // GetOpenFileName with no filter, the platform's own title, the read-only option hidden,
    // one file and no demand that it exist. `fileName` carries the initial file name in and
    // the chosen full path out; false when the user cancelled.
    virtual bool execute(const std::string& initialDir, std::string& fileName) = 0;
};

} // namespace talvek
