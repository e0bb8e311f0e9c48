// Scripted stand-ins for the setup dialog's questions, file-open dialog, folder chooser and
// system facts. Each records how it was called.
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "platform/SystemInfo.h"
#include "ui/setup/logic/SetupView.h"

namespace talvek::testing {

class FakeQuestions : public Questions {
  public:
    struct Asked {
        std::string caption, text;
    };
    bool askYesNo(const std::string& caption, const std::string& text) override {
        asked.push_back({caption, text});
        if (answers.empty()) return false;
        bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void tell(const std::string& caption, const std::string& text) override {
        told.push_back({caption, text});
    }
    std::deque<bool> answers; // true = Yes; No once they run out
    std::vector<Asked> asked, told;
};

class FakeFileOpenDialog : public FileOpenDialog {
  public:
    bool execute(const std::string& initialDir, std::string& fileName) override {
        shownIn.push_back(initialDir);
        shownWithFile.push_back(fileName);
        if (choice.empty()) return false;
        fileName = choice;
        return true;
    }
    std::string choice; // empty: the user cancels
    std::vector<std::string> shownIn;
    std::vector<std::string> shownWithFile;
};

class FakeFolderChooser : public FolderChooser {
  public:
    bool execute(const std::string& title, std::string& directory) override {
        titles.push_back(title);
        startedAt.push_back(directory);
        if (choice.empty()) return false;
        directory = choice;
        return true;
    }
    std::string choice;
    std::vector<std::string> titles, startedAt;
};

class FakeSystemInfo : public SystemInfo {
  public:
    std::string modulePath() override { return module; }
    bool isWindowsMe() override { return windowsMe; }
    bool windowsMe = false;
    std::string module = "C:\\TALVEK\\TALVEK.EXE";
};

} // namespace talvek::testing
