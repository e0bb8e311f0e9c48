// The page's long work as the user sees it: the wait cursor throughout, the window repainted
// between its pieces, and for a file over 1 MB its path and percent in the hint panel each
// time the percent changes.
#pragma once
#include <cstdint>
#include <string>

#include "backup/FileReading.h"
#include "ui/setup/logic/RecordSetsPage.h"

namespace talvek {

class WorkProgress : public PieceProgress {
  public:
    // The hint reads `before` + path + `after` + percent + " %".
    WorkProgress(RecordSetsView& view, const char* before, const char* after);
    ~WorkProgress() override;
    WorkProgress(const WorkProgress&) = delete;
    WorkProgress& operator=(const WorkProgress&) = delete;

    void advanced(const std::string& path, std::uint64_t done, std::uint64_t total) override;

  private:
    RecordSetsView& view_;
    const char* before_;
    const char* after_;
    std::string shown_; // the last hint; empty while none was shown
};

} // namespace talvek
