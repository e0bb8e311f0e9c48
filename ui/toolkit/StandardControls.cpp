#include "ui/toolkit/StandardControls.h"

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
    std::vector<char> buffer;
    for (int i = 0; i < count; ++i) {
        LRESULT length = send(LB_GETTEXTLEN, static_cast<WPARAM>(i));
        if (length < 0) continue;
        buffer.assign(static_cast<std::size_t>(length) + 1, '\0');
        send(LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer.data()));
        items.emplace_back(buffer.data());
    }
    return items;
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

} // namespace talvek::ui
