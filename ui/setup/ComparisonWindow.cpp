#include "ui/setup/ComparisonWindow.h"

#include "ui/toolkit/WindowHelpers.h"

namespace talvek::ui {

namespace {

const int kWidth = 470, kHeight = 400;
// The window's font and the changes' own, fixed-pitch, so that lines of an ini file align.
const int kFixedFont = 1;
// Where the state column begins, in dialog units of the list's font.
const int kStateColumn = 200;
using W = TComparisonWindow;

} // namespace

const ControlRow<TComparisonWindow> TComparisonWindow::kLayout[] = {
    {{"label", "STATIC", "", kLabel, 8, 8, 454, 14, SS_LEFT | SS_NOPREFIX | WS_VISIBLE, 0, 0, 0},
     &member<&W::label_>},
    {{"copies", "LISTBOX", "", kCopies, 8, 26, 454, 108,
      LBS_USETABSTOPS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE,
      WS_EX_CLIENTEDGE, 0, 0},
     &member<&W::copies_>},
    {{"changesLabel", "STATIC", "Was sich seitdem geändert hat:", kChangesLabel, 8, 142, 454, 14,
      SS_LEFT | SS_NOPREFIX | WS_VISIBLE, 0, 0, 0},
     &member<&W::changesLabel_>},
    // Read-only, yet a tab stop: the keyboard scrolls through long changes.
    {{"changes", "EDIT", "", kChanges, 8, 160, 454, 198,
      ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL |
          WS_TABSTOP | WS_VISIBLE,
      WS_EX_CLIENTEDGE, 0, kFixedFont},
     &member<&W::changes_>},
    {{"close", "BUTTON", "&Schließen", kClose, 357, 366, 105, 25,
      BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, 0, 0},
     &member<&W::close_>},
};

TComparisonWindow::TComparisonWindow(RecordSetsPage& page, const RecordSet& set,
                                     const std::vector<CopyState>& states)
    : ModalWindow("TComparisonWindow", "", kWidth, kHeight), page_(page), set_(set),
      states_(states) {}

AppError TComparisonWindow::createContent() {
    SetWindowTextA(hwnd(), ("Vergleich mit dem Datensatz vom " + set_.date).c_str());
    fonts_[0] = makeFont("MS Sans Serif", 11);
    fonts_[kFixedFont] = makeFont("Courier New", 13);
    TALVEK_TRY(createControls(kLayout, fonts_));
    label_.setText("Die Kopien im Datensatz vom " + set_.date + " und die Dateien von heute:");
    copies_.setTabStops(&kStateColumn, 1);
    for (std::size_t i = 0; i < states_.size(); ++i)
        copies_.add(set_.copies[i].original + '\t' + copyStateText(states_[i]));
    copies_.onSelect.connect(this, &W::copiesSelect);
    close_.onClick.connect(this, &W::closeClick);
    setDefaultButton(close_);
    copies_.select(0);
    return copiesSelect();
}

AppError TComparisonWindow::copiesSelect() {
    const int row = copies_.selection();
    if (row < 0 || static_cast<std::size_t>(row) >= states_.size()) return AppError();
    const std::size_t index = static_cast<std::size_t>(row);
    changes_.setText(page_.changesOf(set_, index, states_[index]));
    return AppError();
}

AppError TComparisonWindow::closeClick() {
    end(IDOK);
    return AppError();
}

} // namespace talvek::ui
