// The modal window of "Vergleichen" on the page "Datensätze": the set's copies, each with its
// original's path and state, and below them the lines that changed in the selected one.
#pragma once
#include <vector>

#include "ui/setup/logic/RecordSetsPage.h"
#include "ui/toolkit/Handles.h"
#include "ui/toolkit/ModalWindow.h"
#include "ui/toolkit/StandardControls.h"

namespace talvek::ui {

class TComparisonWindow : public ModalWindow {
  public:
    // The controls' ids, in the order of the layout table.
    enum ControlId : short { kLabel = 100, kCopies, kChangesLabel, kChanges, kClose };

    TComparisonWindow(RecordSetsPage& page, const RecordSet& set,
                      const std::vector<CopyState>& states);

  private:
    static const ControlRow<TComparisonWindow> kLayout[];
    AppError createContent() override;
    AppError copiesSelect();
    AppError closeClick();

    RecordSetsPage& page_;
    const RecordSet& set_;
    const std::vector<CopyState>& states_;
    Font fonts_[2];
    Control label_, changesLabel_;
    ListBox copies_;
    Edit changes_;
    Button close_;
};

} // namespace talvek::ui
