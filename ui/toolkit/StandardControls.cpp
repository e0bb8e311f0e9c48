#include "ui/toolkit/StandardControls.h"

#include <algorithm>

#include "ui/toolkit/Handles.h"

namespace talvek::ui {

namespace {

AppError call(const Handler<AppError()>& handler) {
    return handler ? handler() : AppError();
}

} // namespace

void Button::showAsDefault() const {
    send(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

AppError Button::command(int code) {
    return code == BN_CLICKED ? call(onClick) : AppError();
}

bool CheckBox::checked() const {
    return send(BM_GETCHECK) == BST_CHECKED;
}

void CheckBox::setChecked(bool checked) const {
    send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Edit::removeLimit() const {
    send(EM_SETLIMITTEXT);
}

void Edit::append(const std::string& text) const {
    const int end = GetWindowTextLengthA(hwnd());
    send(EM_SETSEL, end, end);
    send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void Edit::removeStart(int count) const {
    send(EM_SETSEL, 0, count);
    send(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
}

int Edit::lineCount() const {
    return static_cast<int>(send(EM_GETLINECOUNT));
}

std::string Edit::line(int index) const {
    LRESULT start = send(EM_LINEINDEX, index);
    if (start < 0) return std::string();
    LRESULT length = send(EM_LINELENGTH, start);
    // EM_GETLINE takes the buffer size in its first WORD and needs at least that much room.
    std::vector<char> buffer(static_cast<std::size_t>(length) + 2 + sizeof(WORD), '\0');
    *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(buffer.size());
    LRESULT got = send(EM_GETLINE, index, reinterpret_cast<LPARAM>(buffer.data()));
    if (got > length) got = length;
    return std::string(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}

AppError Edit::command(int code) {
    if (code == EN_CHANGE) return call(onChange);
    if (code == EN_KILLFOCUS) return call(onExit);
    return AppError();
}

std::vector<std::string> ListBox::items() const {
    const int count = static_cast<int>(send(LB_GETCOUNT));
    std::vector<std::string> items;
    items.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    for (int i = 0; i < count; ++i)
        if (send(LB_GETTEXTLEN, static_cast<WPARAM>(i)) >= 0) items.push_back(item(i));
    return items;
}

std::string ListBox::item(int index) const {
    const LRESULT length = send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0) return std::string();
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

bool ListBox::add(const std::string& item) const {
    LRESULT index = send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    return index != LB_ERR && index != LB_ERRSPACE;
}

void ListBox::remove(int index) const {
    send(LB_DELETESTRING, static_cast<WPARAM>(index));
}

void ListBox::clear() const {
    send(LB_RESETCONTENT);
}

int ListBox::selection() const {
    return static_cast<int>(send(LB_GETCURSEL));
}

void ListBox::select(int index) const {
    send(LB_SETCURSEL, static_cast<WPARAM>(index));
}

bool ListBox::isSelected(int index) const {
    return send(LB_GETSEL, static_cast<WPARAM>(index)) > 0;
}

void ListBox::setSelected(int index, bool selected) const {
    send(LB_SETSEL, selected ? TRUE : FALSE, static_cast<LPARAM>(index));
}

void ListBox::setItemHeight(int pixels) const {
    send(LB_SETITEMHEIGHT, 0, MAKELPARAM(pixels, 0));
}

void ListBox::setTabStops(const int* stops, int count) const {
    send(LB_SETTABSTOPS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(stops));
}

AppError ListBox::command(int code) {
    return code == LBN_SELCHANGE ? call(onSelect) : AppError();
}

void TickList::setLook(int rowHeight, int secondColumn) {
    setItemHeight(rowHeight);
    secondColumn_ = secondColumn;
}

bool TickList::add(const std::string& row, bool tickable, bool ticked) {
    if (!ListBox::add(row)) return false;
    tickable_.push_back(tickable ? 1 : 0);
    if (ticked) setSelected(static_cast<int>(tickable_.size()) - 1, true);
    return true;
}

AppError TickList::command(int code) {
    if (code == LBN_SELCHANGE)
        for (std::size_t i = 0; i < tickable_.size(); ++i)
            if (!tickable_[i]) setSelected(static_cast<int>(i), false);
    return ListBox::command(code);
}

bool TickList::draw(const DRAWITEMSTRUCT& item) {
    const int kTickSize = 13;
    if (item.itemID >= tickable_.size()) return true;
    const bool tickable = tickable_[item.itemID] != 0;
    HDC dc = item.hDC;
    const RECT& row = item.rcItem;
    FillRect(dc, &row, GetSysColorBrush(COLOR_WINDOW));
    RECT tick = {row.left + 2, row.top + (row.bottom - row.top - kTickSize) / 2, 0, 0};
    tick.right = tick.left + kTickSize;
    tick.bottom = tick.top + kTickSize;
    DrawFrameControl(dc, &tick, DFC_BUTTON,
                     DFCS_BUTTONCHECK | ((item.itemState & ODS_SELECTED) ? DFCS_CHECKED : 0) |
                         (tickable ? 0 : DFCS_INACTIVE));
    SelectGuard select(dc, reinterpret_cast<HGDIOBJ>(send(WM_GETFONT)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(tickable ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    const std::string text = this->item(static_cast<int>(item.itemID));
    const std::size_t tab = std::min(text.find('\t'), text.size());
    RECT column = {tick.right + 5, row.top, secondColumn_ - 8, row.bottom};
    DrawTextA(dc, text.c_str(), static_cast<int>(tab), &column,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_PATH_ELLIPSIS);
    if (tab < text.size()) {
        column.left = secondColumn_;
        column.right = row.right;
        DrawTextA(dc, text.c_str() + tab + 1, static_cast<int>(text.size() - tab - 1), &column,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
    return true;
}

} // namespace talvek::ui
