// The typed controls of the common controls library (comctl32 4.00, as Windows 95 has it):
// the notebook's tabs, the status bar and the arrows of a spin field. Like the standard
// controls they come from the form's layout table, have the verbs and events of their class,
// and own their messages, so a form never sends one itself.
#pragma once
#include <string>

#include "ui/toolkit/Control.h"

namespace talvek::ui {

// The tabs of a notebook; the pages are windows of the form's own, shown by the handlers.
class TabControl : public Control {
  public:
    Handler<AppError()> onChanging; // TCN_SELCHANGING: the tab being left is still selected
    Handler<AppError()> onChange;   // TCN_SELCHANGE: the new tab is selected

    void addTab(int index, const char* caption) const;
    // The selected tab; -1 for none.
    int selection() const;
    // The area the tabs leave for a page when the control covers `whole`.
    RECT pageArea(const RECT& whole) const;

  protected:
    bool notify(UINT code, Reply& reply) override;
};

// A status bar of panels side by side.
class StatusBar : public Control {
  public:
    // The panels by their right edges in client pixels; -1 runs the last to the bar's end.
    void setPanels(const int* rightEdges, int count) const;
    void setPanelText(int panel, const std::string& text) const;
    // The width of a panel that shows `text` whole in the bar's font, borders included.
    int panelWidth(const char* text) const;
};

// The arrows of a spin field, bound to the edit field they step.
class UpDown : public Control {
  public:
    // The arrows move inside the edit field's width, which shrinks for them.
    void setBuddy(const Control& edit) const;
    void setRange(int low, int high) const;
    void setPosition(int value) const;
};

} // namespace talvek::ui
