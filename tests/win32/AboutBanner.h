// The about page's banner as the tests and the benchmark set it up: grey Arial 11 pixels on
// black, 1 pixel every 100 ms upwards.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/components/Banner.h"

namespace componenttest {

inline void loadAboutBanner(talvek::ui::TBanner& banner, const std::vector<std::string>& lines) {
    using namespace talvek::ui;
    ASSERT_FALSE(banner.Load([&] {
        banner.SetColor(clBlack);
        TFontSpec font;
        font.name = "Arial";
        font.height = 11;
        font.color = clGray;
        banner.SetFont(font);
        EXPECT_FALSE(banner.SetLinesAlign(TAlignment::taLeftJustify));
        banner.SetScrollDirection(TScrollDirection::sdBottomToTop);
        EXPECT_FALSE(banner.SetScrollInterval(100));
        banner.SetScrollPixels(1);
        return banner.SetLines(lines);
    }));
}

// Counts the times a banner's event fires.
struct EventCounter : talvek::ui::Receiver {
    unsigned long count = 0;
    void fired(talvek::ui::BannerCore&) { ++count; }
};

} // namespace componenttest
