#include "ui/setup/logic/WorkProgress.h"

#include "config/Concat.h"
#include "config/Decimal.h"

namespace talvek {

namespace {

// A smaller file is through in a moment: its percent would only flicker.
constexpr std::uint64_t kShownAbove = 1024 * 1024;

} // namespace

WorkProgress::WorkProgress(RecordSetsView& view, const char* before, const char* after)
    : view_(view), before_(before), after_(after) {
    view_.workStarts();
}

WorkProgress::~WorkProgress() {
    view_.workEnds();
    if (!shown_.empty()) view_.setHint(std::string()); // no stale percent once it is done
}

void WorkProgress::advanced(const std::string& path, std::uint64_t done, std::uint64_t total) {
    std::string hint;
    if (total > kShownAbove) {
        // In 32 bits: the program brings no 64-bit division of its own.
        while (total > 0xFFFFFF) {
            total >>= 1;
            done >>= 1;
        }
        const auto percent =
            static_cast<std::uint32_t>(done) * 100 / static_cast<std::uint32_t>(total);
        hint = concat({before_, path, after_, decimalText(static_cast<long>(percent)), " %"});
        if (hint == shown_)
            hint.clear();
        else
            shown_ = hint;
    }
    view_.working(hint);
}

} // namespace talvek
