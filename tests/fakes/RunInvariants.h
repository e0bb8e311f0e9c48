// What no backup run may do, however its configuration or platform calls behave: delete or
// change a file outside a record set directory of the backup directory (listed sources
// included), leave the configuration file unreadable, or claim "no errors" after losing work.
// Taken before a run over the fakes and checked after it; shared by the fault sweep and the
// fuzz targets.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "config/DateText.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeProfile.h"
#include "platform/ProfileStore.h"
#include "fakes/FakeProgressView.h"

namespace talvek::testing {

class RunInvariants {
  public:
    // Records the files, the listed sources and the settings as the run will find them.
    RunInvariants(FakeFileSystem& files, ProfileStore& profile, const std::string& iniPath,
                  const Date& today);

    // One text per broken rule, empty when the run kept them all. An error the run raised
    // to its caller counts as shown when the caller put it into the view's boxes.
    std::vector<std::string> violations(FakeFileSystem& files, ProfileStore& profile,
                                        const FakeProgressView& view) const;

    // What no run cut short may cost, once the starts after it have run: every registered
    // record set whole (its copies there and matching their checksums), no record set
    // directory that is neither registered nor marked for removal, no run left under way,
    // the journal whole and still beginning with `journalBefore`; with `today` given, that
    // day's record set registered and complete, every listed file saved.
    static std::vector<std::string> afterRestart(FakeFileSystem& files, ProfileStore& profile,
                                                 const std::string& iniPath,
                                                 const std::string& journalBefore,
                                                 const std::string& today);

  private:
    struct Node {
        std::string path;
        bool directory = false;
        std::uint32_t attributes = 0;
        std::string content;
    };
    using Snapshot = std::map<std::string, Node>; // by lower-case path

    static Snapshot snapshot(FakeFileSystem& files);
    bool isRecordSetDirectory(const std::string& key) const;
    bool mayChange(const std::string& key, const Node& node) const;

    std::string iniPath_;
    Date today_;
    Snapshot before_;
    std::string journalKey_;
    std::string backupKey_;
    std::string todayKey_;
    std::vector<std::string> fileList_;
    std::vector<std::string> recordList_;
    std::vector<std::string> sources_;     // keys of listed files that exist outside record sets
    std::vector<std::string> recordFiles_; // keys of the protocol and batch a run should write
    bool dateReadable_ = false;
};

} // namespace talvek::testing
