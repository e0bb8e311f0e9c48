// The component model: an owner frees what it owns, events name their sender, and a loading
// state lets a form apply stored properties before the components act on them (Loaded).
// Portable: the Win32 components build on it, the unit tests exercise it natively. Failures
// come back as AppError values.
#pragma once
#include <algorithm>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "config/Error.h"

namespace talvek::ui {

class TComponent;

// Every component event receives the component that fires it.
using TNotifyEvent = std::function<void(TComponent& sender)>;
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
// Mouse events: the position is in the component's own coordinates.
using TMouseEvent = std::function<void(TComponent& sender, TMouseButton button, int x, int y)>;
using TMouseMoveEvent = std::function<void(TComponent& sender, int x, int y)>;

// Colours are 00BBGGRR values, or system-colour codes (high byte 80, low byte the index).
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clGray = 0x808080;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clWindow = 0x80000005; // system window background
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clBtnFace = 0x8000000F;
inline bool isSystemColor(TColor c) {
    return (c & 0xFF000000u) == 0x80000000u;
}

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// A font as components keep it; the Win32 side makes the GDI font from it.
struct TFontSpec {
    std::string name = "MS Sans Serif";
    int height = 11; // character height in pixels (LOGFONT.lfHeight = -height): 8 pt
    TColor color = clWindowText;
    bool bold = false, italic = false, underline = false;
    bool operator==(const TFontSpec& o) const {
        return name == o.name && height == o.height && color == o.color && bold == o.bold &&
               italic == o.italic && underline == o.underline;
    }
    bool operator!=(const TFontSpec& o) const { return !(*this == o); }
};

class TComponent {
  public:
    // A component with an owner must be created with new: the owner deletes it.
    explicit TComponent(TComponent* owner = nullptr) : owner_(owner) {
        if (owner_) owner_->owned_.push_back(this);
    }
    virtual ~TComponent() {
        // Last created, first freed; each one takes itself out of owned_ on the way.
        while (!owned_.empty())
            delete owned_.back();
        if (owner_) {
            auto& list = owner_->owned_;
            list.erase(std::remove(list.begin(), list.end(), this), list.end());
        }
    }
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int ComponentCount() const { return static_cast<int>(owned_.size()); }
    // The owned component at `index`; nullptr outside 0 .. ComponentCount() - 1.
    TComponent* Components(int index) const {
        return index >= 0 && index < ComponentCount() ? owned_[static_cast<size_t>(index)]
                                                      : nullptr;
    }

    // True between BeginLoading and Loaded: property writes store, switches wait for Loaded.
    bool Loading() const { return loading_; }
    void BeginLoading() { loading_ = true; }
    void EndLoading() { loading_ = false; }
    // End of loading. Overrides call EndLoading first, then act on the properties as they stand
    // after loading.
    virtual AppError Loaded() {
        EndLoading();
        return AppError();
    }

  private:
    TComponent* owner_;
    std::string name_;
    std::vector<TComponent*> owned_;
    bool loading_ = false;
};

// A form's load: every listed component enters the loading state, apply() writes the stored
// properties and returns its error, then each component's end of loading runs, in the order
// given. A failed apply() leaves the components out of loading without acting on half-applied
// properties. Every component ends its loading even when an earlier one failed; the first
// error is the one returned.
template <typename Apply>
AppError LoadComponents(std::initializer_list<TComponent*> components, Apply&& apply) {
    for (TComponent* c : components)
        c->BeginLoading();
    if (AppError error = apply()) {
        for (TComponent* c : components)
            c->EndLoading();
        return error;
    }
    AppError first;
    for (TComponent* c : components) {
        AppError error = c->Loaded();
        if (error && !first) first = error;
    }
    return first;
}

} // namespace talvek::ui
