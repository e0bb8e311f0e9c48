// TRestoreWindow: the modal window of "Wiederherstellen..." on the page "Datensätze". It lists
// the set's copies, each with its original's path and state, a tick before each; its button
// hands the ticked ones to RecordSetsPage::restoreChosen, which asks, restores and reports.
#pragma once
#include <vector>

#include "ui/setup/logic/RecordSetsPage.h"
#include "ui/toolkit/StandardControls.h"
#include "ui/toolkit/Handles.h"
#include "ui/toolkit/ModalWindow.h"

namespace talvek::ui {

class TRestoreWindow : public ModalWindow {
  public:
    // The controls' ids, in the order of the layout table.
    enum ControlId : short { kLabel = 100, kCopies, kRestore, kCancel };

    TRestoreWindow(RecordSetsPage& page, const RecordSet& set,
                   const std::vector<CopyState>& states);

  private:
    static const ControlRow<TRestoreWindow> kLayout[];
    AppError createContent() override;
    AppError restoreClick();
    AppError cancelClick();

    RecordSetsPage& page_;
    const RecordSet& set_;
    const std::vector<CopyState>& states_;
    Font font_;
    Control label_;
    TickList copies_;
    Button restore_, cancel_;
};

} // namespace talvek::ui
