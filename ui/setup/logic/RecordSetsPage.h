// The page "Datensätze" of the setup dialog: the registered record sets, newest first, and
// what the user can do with the selected one.
#pragma once
#include <utility>
#include <string>
#include <vector>

#include "backup/RecordSets.h"
#include "platform/FileSystem.h"
#include "platform/ProfileStore.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"

namespace talvek {

class RecordSetsView {
  public:
    virtual ~RecordSetsView() = default;
    // One row per record set, the columns separated by tabs; the selection is kept by index.
    virtual void setRecordSetRows(const std::vector<std::string>& rows) = 0;
    virtual int selectedRecordSet() = 0;
    // The buttons work on the selected set; "&Behalten" reads "&Freigeben" for a kept one.
    virtual void setRecordSetButtons(bool enabled, bool kept) = 0;
    virtual void showRecordSetReport(const std::string& text) = 0;
};

class RecordSetsPage {
  public:
    RecordSetsPage(RecordSetsView& view, ProfileStore& profile, SystemInfo& system,
                   FileSystem& files, Shell& shell)
        : view_(view), profile_(profile), system_(system), files_(files), shell_(shell) {}

    void refresh();         // the page is shown
    void selectionChange(); // another row was chosen
    AppError checkClick();
    AppError compareClick();
    AppError keepClick();
    AppError protocolClick();

  private:
    std::string configurationFile();
    const RecordSetSummary* selected() const;
    void showRows();

    RecordSetsView& view_;
    ProfileStore& profile_;
    SystemInfo& system_;
    FileSystem& files_;
    Shell& shell_;
    std::vector<RecordSetSummary> sets_;
    // The result of the last check of each date; a vector, as the prebuilt std::map code of
    // the toolchain needs a Pentium Pro.
    std::vector<std::pair<std::string, std::string>> checked_;
    int selection_ = -1;
};

} // namespace talvek
