#include "ui/setup/RestoreWindow.h"

#include "ui/toolkit/WindowHelpers.h"

namespace talvek::ui {

namespace {

const int kWidth = 470, kHeight = 276;
const int kRowHeight = 16, kStateColumn = 330;
using W = TRestoreWindow;

} // namespace

const ControlRow<TRestoreWindow> TRestoreWindow::kLayout[] = {
    {{"label", "STATIC", "", kLabel, 8, 8, 454, 14, SS_LEFT | SS_NOPREFIX | WS_VISIBLE, 0, 0, 0},
     &member<&W::label_>},
    {{"copies", "LISTBOX", "", kCopies, 8, 26, 454, 204,
      LBS_MULTIPLESEL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
          WS_VSCROLL | WS_TABSTOP | WS_VISIBLE,
      WS_EX_CLIENTEDGE, 0, 0},
     &member<&W::copies_>},
    {{"restore", "BUTTON", "&Wiederherstellen", kRestore, 246, 240, 105, 25,
      BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, 0, 0},
     &member<&W::restore_>},
    {{"cancel", "BUTTON", "&Abbrechen", kCancel, 357, 240, 105, 25,
      BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, 0, 0},
     &member<&W::cancel_>},
};

TRestoreWindow::TRestoreWindow(RecordSetsPage& page, const RecordSet& set,
                               const std::vector<CopyState>& states)
    : ModalWindow("TRestoreWindow", "Talvek 95 - Wiederherstellen", kWidth, kHeight), page_(page),
      set_(set), states_(states) {}

AppError TRestoreWindow::createContent() {
    font_ = makeFont("MS Sans Serif", 11);
    TALVEK_TRY(createControls(kLayout, &font_));
    label_.setText("Aus dem Datensatz vom " + set_.date +
                   " schreibt Talvek die angekreuzten Dateien zurück:");
    copies_.setLook(kRowHeight, kStateColumn);
    for (std::size_t i = 0; i < states_.size(); ++i) {
        std::string row = set_.copies[i].original;
        row += '\t';
        row += copyStateText(states_[i]);
        copies_.add(row, restorable(states_[i]), tickedAtFirst(states_[i]));
    }
    restore_.onClick.connect(this, &W::restoreClick);
    cancel_.onClick.connect(this, &W::cancelClick);
    setDefaultButton(restore_);
    return AppError();
}

AppError TRestoreWindow::cancelClick() {
    end(kCancelled);
    return AppError();
}

AppError TRestoreWindow::restoreClick() {
    RecordSet chosen = set_;
    chosen.copies.clear();
    for (std::size_t i = 0; i < states_.size(); ++i)
        if (restorable(states_[i]) && copies_.ticked(static_cast<int>(i)))
            chosen.copies.push_back(set_.copies[i]);
    bool done = false;
    TALVEK_TRY(page_.restoreChosen(chosen, done));
    if (done) end(IDOK);
    return AppError();
}

} // namespace talvek::ui
