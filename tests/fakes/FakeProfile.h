// In-memory private profile following the platform's rules: section and key names compare
// without case, values lose surrounding blanks and one pair of surrounding quotes on reading,
// order of sections and keys is kept as written.
#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fakes/FaultPlan.h"
#include "platform/ProfileStore.h"

namespace talvek::testing {

class FakeProfile : public ProfileStore {
  public:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
    };

    std::string read(const std::string& file, const std::string& section, const std::string& key,
                     const std::string& def, std::size_t bufferSize) override;
    bool write(const std::string& file, const std::string& section, const std::string& key,
               const std::string& value) override;
    bool removeSection(const std::string& file, const std::string& section) override;
    bool removeKey(const std::string& file, const std::string& section,
                   const std::string& key) override;
    bool hasSection(const std::string& file, const std::string& section) override;
    bool readSection(const std::string& file, const std::string& section, std::size_t bufferSize,
                     std::vector<std::string>& lines) override;
    bool writeSection(const std::string& file, const std::string& section,
                      const std::vector<std::string>& lines) override;

    bool exists(const std::string& file) const;
    // The file as the platform would store it, lines ended by "\n".
    std::string text(const std::string& file) const;
    // Loads a file from "[Section]\nkey=value\n" text.
    void load(const std::string& file, const std::string& text);
    void setReadOnly(const std::string& file, bool readOnly);
    int writeCount = 0;
    int accessCount = 0;         // every call through the seam: one access to the file each
    FaultPlan* faults = nullptr; // shared with the file system in a fault sweep

  private:
    struct File {
        std::vector<Section> sections;
        bool readOnly = false;
    };
    static std::string lower(std::string s);
    File* find(const std::string& file);
    const File* find(const std::string& file) const;
    std::map<std::string, File> files_;
};

} // namespace talvek::testing
