// The typed standard controls: each has the verbs and the events of its class, so a form
// never sends a control's messages itself. They come from the form's layout table like any
// Control; a label without verbs of its own stays a Control. The common controls' typed
// controls are in CommonControls.h.
#pragma once
#include <string>
#include <vector>

#include "ui/toolkit/Control.h"

namespace talvek::ui {

class Button : public Control {
  public:
    Handler<AppError()> onClick; // BN_CLICKED
    // Draws the thick frame of the button Enter presses.
    void showAsDefault() const;

  protected:
    AppError command(int code) override;
};

class CheckBox : public Button {
  public:
    bool checked() const;
    void setChecked(bool checked) const;
};

// A one-line field, or a multi-line box such as a log.
class Edit : public Control {
  public:
    Handler<AppError()> onChange; // EN_CHANGE
    Handler<AppError()> onExit;   // EN_KILLFOCUS

    // Takes texts of any length (the default limit is 32 KB).
    void removeLimit() const;
    // Adds `text` after the last character, in one piece.
    void append(const std::string& text) const;
    // Removes the first `count` characters.
    void removeStart(int count) const;
    // The lines as the box shows them, wrapped at its width.
    int lineCount() const;
    std::string line(int index) const;

  protected:
    AppError command(int code) override;
};

class ListBox : public Control {
  public:
    Handler<AppError()> onSelect; // LBN_SELCHANGE

    std::vector<std::string> items() const;
    std::string item(int index) const;
    // False when the list refuses the line (no room).
    bool add(const std::string& item) const;
    void remove(int index) const;
    void clear() const;
    // The selected row; -1 for none.
    int selection() const;
    void select(int index) const;
    // A list of several selections (LBS_MULTIPLESEL): whether a row is one of them.
    bool isSelected(int index) const;
    void setSelected(int index, bool selected) const;
    void setItemHeight(int pixels) const;
    // Where the columns of tab-separated rows begin, in dialog units of the list's font.
    void setTabStops(const int* stops, int count) const;

  protected:
    AppError command(int code) override;
};

// A list of rows to tick, drawn with a tick box before each: Windows 95's list view has no
// ticks (comctl32 4.00), and a list box of several selections (LBS_MULTIPLESEL and
// LBS_OWNERDRAWFIXED in the layout) does what a user expects of one, Space and click
// included. A row is a text and, after a tab, a second column; the first is shortened in its
// middle when it is too long, so a path keeps its name. A row that cannot be ticked shows grey
// and is never ticked: a tick on it is taken back before onSelect.
class TickList : public ListBox {
  public:
    // The height of a row and where the second column begins, in pixels.
    void setLook(int rowHeight, int secondColumn);
    bool add(const std::string& row, bool tickable, bool ticked);
    bool ticked(int index) const { return isSelected(index); }

  protected:
    AppError command(int code) override;
    bool draw(const DRAWITEMSTRUCT& item) override;

  private:
    std::string tickable_; // a character a row: not 0 for one that can be ticked
    int secondColumn_ = 0;
};

} // namespace talvek::ui
