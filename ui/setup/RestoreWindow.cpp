#include "ui/setup/RestoreWindow.h"

#include "ui/toolkit/WindowHelpers.h"

namespace talvek::ui {

namespace {

const int kWidth = 470, kHeight = 276;
const int kRowHeight = 16, kTickSize = 13, kStateColumn = 330;
using W = TRestoreWindow;

} // namespace

// Windows 95's list view has no ticks (comctl32 4.00): a list box of several selections,
// drawn with a tick box for each, does what a user expects of one, Space and click included.
const ControlRow<TRestoreWindow> TRestoreWindow::kLayout[] = {
    {{"label", "STATIC", "", 8, 8, 454, 14, SS_LEFT | SS_NOPREFIX | WS_VISIBLE, 0, 0, 0},
     &member<&W::label_>},
    {{"copies", "LISTBOX", "", 8, 26, 454, 204,
      LBS_MULTIPLESEL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
          WS_VSCROLL | WS_TABSTOP | WS_VISIBLE,
      WS_EX_CLIENTEDGE, 0, 0},
     &member<&W::copies_>},
    {{"restore", "BUTTON", "&Wiederherstellen", 246, 240, 105, 25,
      BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, 0, 0},
     &member<&W::restore_>},
    {{"cancel", "BUTTON", "&Abbrechen", 357, 240, 105, 25, BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE,
      0, 0, 0},
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
    for (std::size_t i = 0; i < states_.size(); ++i) {
        std::string row = set_.copies[i].original;
        row += '\t';
        row += copyStateText(states_[i]);
        copies_.add(row);
        if (tickedAtFirst(states_[i])) copies_.setSelected(static_cast<int>(i), true);
    }
    copies_.onSelect.connect(this, &W::copiesSelect);
    restore_.onClick.connect(this, &W::restoreClick);
    cancel_.onClick.connect(this, &W::cancelClick);
    setDefaultButton(restore_);
    return AppError();
}

AppError TRestoreWindow::copiesSelect() {
    for (std::size_t i = 0; i < states_.size(); ++i)
        if (!restorable(states_[i])) copies_.setSelected(static_cast<int>(i), false);
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
        if (restorable(states_[i]) && copies_.isSelected(static_cast<int>(i)))
            chosen.copies.push_back(set_.copies[i]);
    bool done = false;
    TALVEK_TRY(page_.restoreChosen(chosen, done));
    if (done) end(IDOK);
    return AppError();
}

void TRestoreWindow::drawRow(const DRAWITEMSTRUCT& item) {
    if (item.itemID >= states_.size()) return;
    const CopyState state = states_[item.itemID];
    HDC dc = item.hDC;
    RECT row = item.rcItem;
    FillRect(dc, &row, GetSysColorBrush(COLOR_WINDOW));
    RECT tick = {row.left + 2, row.top + (kRowHeight - kTickSize) / 2, 0, 0};
    tick.right = tick.left + kTickSize;
    tick.bottom = tick.top + kTickSize;
    DrawFrameControl(dc, &tick, DFC_BUTTON,
                     DFCS_BUTTONCHECK | ((item.itemState & ODS_SELECTED) ? DFCS_CHECKED : 0) |
                         (restorable(state) ? 0 : DFCS_INACTIVE));
    SelectGuard select(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(restorable(state) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    const std::string& original = set_.copies[item.itemID].original;
    RECT text = {tick.right + 5, row.top, kStateColumn - 8, row.bottom};
    DrawTextA(dc, original.c_str(), static_cast<int>(original.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_PATH_ELLIPSIS);
    text.left = kStateColumn;
    text.right = row.right;
    DrawTextA(dc, copyStateText(state), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
}

Reply TRestoreWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MEASUREITEM:
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = kRowHeight;
        return TRUE;
    case WM_DRAWITEM:
        drawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    default:
        return ModalWindow::handleMessage(message, wParam, lParam);
    }
}

} // namespace talvek::ui
