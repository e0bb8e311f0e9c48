#include <gtest/gtest.h>

#include "BannerFakes.h"

using namespace talvek;
using namespace talvek::testing;

namespace {

using Dir = TScrollDirection;
using Events = std::vector<std::string>;

// A banner of W by H scrolling a picture strip of SW by SH, switched on by AutoEnable.
struct Banner : ::testing::Test {
    TestBanner b;
    void withPicture(int w, int h, int sw, int sh) {
        b.SetWidth(w);
        b.SetHeight(h);
        EXPECT_TRUE(b.SetBitmap(picture(sw, sh)).ok());
        b.events.clear();
    }
    void steps(int n) {
        for (int i = 0; i < n; ++i)
            EXPECT_TRUE(b.ScrollStep().ok());
    }
};

TEST_F(Banner, LinesAreAlignedInsideTheWidestLine) {
    struct Case {
        std::vector<int> widths;
        TAlignment align;
        std::vector<int> xs;
    } cases[] = {
        {{10, 30}, TAlignment::taLeftJustify, {0, 0}},
        {{10, 30}, TAlignment::taRightJustify, {20, 0}},
        {{10, 30}, TAlignment::taCenter, {10, 0}},
        {{10, 15}, TAlignment::taCenter, {2, 0}},
        {{15, 10, 12}, TAlignment::taCenter, {0, 2, 1}},
    };
    for (const Case& c : cases) {
        TestBanner t;
        EXPECT_TRUE(t.SetLinesAlign(c.align).ok());
        TFontSpec f;
        f.height = 11;
        t.SetFont(f);
        std::vector<std::string> lines;
        for (int w : c.widths) {
            lines.push_back("line" + std::to_string(lines.size()));
            t.widths[lines.back()] = w;
        }
        EXPECT_TRUE(t.SetLines(lines).ok());
        const RecordingCanvas* strip = t.strip();
        ASSERT_NE(strip, nullptr);
        EXPECT_EQ(strip->width(), *std::max_element(c.widths.begin(), c.widths.end()));
        EXPECT_EQ(strip->height(), 11 * static_cast<int>(lines.size()));
        std::vector<int> xs;
        int row = 0;
        for (const DrawOp& op : strip->ops)
            if (op.kind == DrawOp::Text) {
                xs.push_back(op.x);
                EXPECT_EQ(op.y, 11 * row++);
            }
        EXPECT_EQ(xs, c.xs) << static_cast<int>(c.align);
    }
}

TEST_F(Banner, TextStripsKeepTheFontAndColourOfTheirRendering) {
    TFontSpec grey;
    grey.name = "Arial";
    grey.height = 11;
    grey.color = clGray;
    b.SetFont(grey);
    b.SetColor(clBlack);
    b.widths["Hallo"] = 27;
    EXPECT_TRUE(b.SetScrollText("Hallo").ok());
    const RecordingCanvas* strip = b.strip();
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->width(), 27);
    EXPECT_EQ(strip->height(), 11);
    ASSERT_EQ(strip->ops.size(), 2u);
    EXPECT_EQ(strip->ops[0].kind, DrawOp::Fill);
    EXPECT_EQ(strip->ops[0].color, clBlack);
    EXPECT_EQ(strip->ops[1].text, "Hallo");
    EXPECT_EQ(strip->ops[1].x, 0);
    EXPECT_EQ(strip->ops[1].color, clBlack);
    EXPECT_EQ(strip->ops[1].fontColor, clGray);
    EXPECT_TRUE(b.Enabled());

    const int id = b.stripId();
    b.SetColor(clWhite);
    grey.color = clBlue;
    b.SetFont(grey);
    EXPECT_EQ(b.stripId(), id);
    EXPECT_EQ(b.strip()->ops[1].fontColor, clGray);
}

TEST_F(Banner, OnlyOneSourceFeedsTheStrip) {
    EXPECT_TRUE(b.SetScrollText("abc").ok());
    EXPECT_TRUE(b.SetLines({"x", "y"}).ok());
    EXPECT_EQ(b.ScrollText(), "");
    EXPECT_TRUE(b.SetScrollText("abc").ok());
    EXPECT_TRUE(b.Lines().empty());
    b.SetScrollPos(77);
    EXPECT_TRUE(b.SetBitmap(picture(40, 20)).ok());
    EXPECT_EQ(b.ScrollText(), "");
    EXPECT_TRUE(b.Lines().empty());
    EXPECT_EQ(b.StripWidth(), 40);
    EXPECT_EQ(b.StripHeight(), 20);
    EXPECT_EQ(b.ScrollPos(), 77);
    EXPECT_TRUE(b.Enabled());
}

TEST_F(Banner, GapModeRunsUntilTheStripHasLeftThenStartsAtZero) {
    withPicture(100, 20, 300, 20);
    for (int i = 1; i <= 100; ++i) {
        EXPECT_TRUE(b.ScrollStep().ok());
        ASSERT_EQ(b.ScrollPos(), 4 * i);
        ASSERT_EQ(b.copiesAlongAxis(), std::vector<int>{100 - 4 * i});
    }
    // At P = 400 the strip lies completely left of the area.
    EXPECT_LE(b.copiesAlongAxis()[0] + 300, 0);
    EXPECT_TRUE(b.ScrollStep().ok());
    EXPECT_EQ(b.ScrollPos(), 0);
    EXPECT_EQ(b.copiesAlongAxis(), std::vector<int>{100}); // just outside the right edge
    EXPECT_EQ(b.repaints, 101);
    EXPECT_EQ(b.events, Events(101, "scroll"));
}

TEST_F(Banner, OnlyOnceSwitchesOffInsteadOfStartingOver) {
    withPicture(100, 20, 300, 20);
    b.SetOnlyOnce(true);
    steps(100);
    b.events.clear();
    EXPECT_TRUE(b.ScrollStep().ok());
    EXPECT_FALSE(b.Enabled());
    EXPECT_FALSE(b.timerRunning);
    EXPECT_EQ(b.ScrollPos(), 404);
    EXPECT_EQ(b.events, (Events{"disable", "scroll"}));
    EXPECT_EQ(b.repaints, 101);
    EXPECT_TRUE(b.HasStrip()); // a picture strip survives the switch-off

    EXPECT_TRUE(b.ScrollStep().ok()); // a tick queued before the timer stopped changes nothing
    EXPECT_EQ(b.ScrollPos(), 404);

    EXPECT_TRUE(b.SetEnabled(true).ok());
    b.events.clear();
    EXPECT_TRUE(b.ScrollStep().ok());
    EXPECT_EQ(b.events, (Events{"disable", "scroll"}));
}

TEST_F(Banner, NoGapCopiesFollowEachOtherTowardsTheExitEdge) {
    struct Case {
        Dir dir;
        std::uint16_t pos;
        std::vector<int> at;
    } cases[] = {
        {Dir::sdRightToLeft, 10, {90, 60, 30, 0}},
        {Dir::sdRightToLeft, 15, {85, 55, 25, -5}},
        {Dir::sdRightToLeft, 30, {70, 40, 10, -20}},
        {Dir::sdRightToLeft, 70, {90, 60, 30, 0}}, // beyond the strip: reduced before painting
        {Dir::sdLeftToRight, 10, {-20, 10, 40, 70}},
        {Dir::sdLeftToRight, 0, {-30, 0, 30, 60, 90}},
        {Dir::sdBottomToTop, 15, {85, 55, 25, -5}},
        {Dir::sdTopToBottom, 15, {-15, 15, 45, 75}},
    };
    for (const Case& c : cases) {
        TestBanner t;
        t.SetWidth(100);
        t.SetHeight(100);
        t.SetNoGap(true);
        EXPECT_TRUE(t.SetBitmap(picture(30, 30)).ok());
        t.SetScrollDirection(c.dir);
        t.SetScrollPos(c.pos);
        t.paintScreen();
        EXPECT_EQ(t.copiesAlongAxis(), c.at) << static_cast<int>(c.dir) << " P=" << c.pos;
    }
}

TEST(BannerNoGap, ReductionMatchesRepeatedSubtractionAndEndsForAZeroExtent) {
    for (int extent : {1, 3, 30, 217, 65535})
        for (int p : {0, 1, 2, 29, 30, 31, 60, 61, 999, 65535}) {
            int expected = p;
            while (extent < expected)
                expected -= extent;
            EXPECT_EQ(banner::wrapNoGap(static_cast<std::uint16_t>(p), extent), expected)
                << extent << " " << p;
        }
    EXPECT_EQ(banner::wrapNoGap(65535, 0), 0);
}

TEST_F(Banner, NoGapStepsStayWithinTheStrip) {
    withPicture(100, 20, 30, 20);
    b.SetNoGap(true);
    b.SetScrollPixels(7);
    std::vector<int> seen;
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(b.ScrollStep().ok());
        seen.push_back(b.ScrollPos());
    }
    EXPECT_EQ(seen, (std::vector<int>{7, 14, 21, 28, 5, 12}));
    b.SetOnlyOnce(true); // no effect without a gap
    steps(50);
    EXPECT_TRUE(b.Enabled());
}

TEST_F(Banner, NoGapWithAZeroExtentPaintsOnlyTheBackground) {
    b.SetAutoEnable(false);
    b.SetNoGap(true);
    EXPECT_TRUE(b.SetBitmap(picture(0, 10)).ok());
    b.SetScrollPos(500);
    b.paintScreen();
    EXPECT_TRUE(b.copiesAlongAxis().empty());
    ASSERT_EQ(b.screen.ops.size(), 1u);
    EXPECT_EQ(b.screen.ops[0].sourceOps.size(), 1u); // the frame's fill
}

TEST_F(Banner, ChangingDirectionReBasesThePosition) {
    struct Case {
        Dir from, to;
        std::uint16_t pos;
        std::uint16_t expected;
    } cases[] = {
        {Dir::sdRightToLeft, Dir::sdLeftToRight, 50, 350}, // SW + W - P
        {Dir::sdLeftToRight, Dir::sdRightToLeft, 350, 50},
        {Dir::sdBottomToTop, Dir::sdTopToBottom, 10, 840},    // SH + H - P
        {Dir::sdRightToLeft, Dir::sdBottomToTop, 50, 800},    // SH
        {Dir::sdTopToBottom, Dir::sdLeftToRight, 70, 300},    // SW
        {Dir::sdRightToLeft, Dir::sdLeftToRight, 500, 65436}, // modulo 65536
        {Dir::sdRightToLeft, Dir::sdRightToLeft, 123, 123},   // the current direction: nothing
    };
    for (const Case& c : cases) {
        TestBanner t;
        t.SetWidth(100);
        t.SetHeight(50);
        t.SetAutoEnable(false);
        EXPECT_TRUE(t.SetBitmap(picture(300, 800)).ok());
        if (c.from != Dir::sdRightToLeft) t.SetScrollDirection(c.from);
        t.SetScrollPos(c.pos);
        t.SetScrollDirection(c.to);
        EXPECT_EQ(t.ScrollPos(), c.expected)
            << static_cast<int>(c.from) << "->" << static_cast<int>(c.to);
    }
}

TEST_F(Banner, AReversalKeepsTheStripWhereItIsOnScreen) {
    withPicture(100, 20, 300, 20);
    b.SetScrollPos(50);
    b.paintScreen();
    const std::vector<int> before = b.copiesAlongAxis();
    b.SetScrollDirection(Dir::sdLeftToRight);
    b.paintScreen();
    EXPECT_EQ(before, std::vector<int>{50});
    EXPECT_EQ(b.copiesAlongAxis(), before);
}

TEST_F(Banner, AChangeOfAxisShowsTheEndOfTheStripAtTheEntryEdge) {
    withPicture(100, 57, 300, 800);
    b.SetScrollDirection(Dir::sdBottomToTop);
    EXPECT_EQ(b.ScrollPos(), 800);
    b.paintScreen();
    EXPECT_EQ(b.copiesAlongAxis(), std::vector<int>{57 - 800}); // bottom edge on the bottom
}

TEST_F(Banner, DirectionChangeWithoutAStripTakesItsSizeAsZero) {
    EXPECT_TRUE(b.SetLines({"a", "b"}).ok());
    EXPECT_TRUE(b.SetEnabled(false).ok()); // drops the text strip
    ASSERT_FALSE(b.HasStrip());
    b.SetScrollPos(30);
    b.SetScrollDirection(Dir::sdLeftToRight);
    EXPECT_EQ(b.ScrollPos(), 70); // 0 + W - P
    b.SetScrollDirection(Dir::sdTopToBottom);
    EXPECT_EQ(b.ScrollPos(), 0);
}

TEST_F(Banner, EveryWriteOfEnabledFiresItsEvent) {
    withPicture(100, 20, 30, 20);
    EXPECT_TRUE(b.SetEnabled(true).ok());
    EXPECT_TRUE(b.SetEnabled(true).ok());
    EXPECT_TRUE(b.SetEnabled(false).ok());
    EXPECT_TRUE(b.SetEnabled(false).ok());
    EXPECT_EQ(b.events, (Events{"enable", "enable", "disable", "disable"}));
    EXPECT_FALSE(b.timerRunning);
}

TEST_F(Banner, SwitchingOffDropsATextStripAndSwitchingOnRendersItAgain) {
    b.SetColor(clBlack);
    EXPECT_TRUE(b.SetLines({"eins", "zwei"}).ok());
    EXPECT_EQ(b.events, Events{"enable"});
    const int repaints = b.repaints;
    EXPECT_TRUE(b.SetEnabled(false).ok());
    EXPECT_FALSE(b.HasStrip());
    EXPECT_EQ(b.repaints, repaints); // switching off does not repaint
    b.paintScreen();
    ASSERT_EQ(b.screen.ops.size(), 1u);
    EXPECT_EQ(b.screen.ops[0].kind, DrawOp::Fill);
    EXPECT_EQ(b.screen.ops[0].color, clBlack);

    b.events.clear();
    EXPECT_TRUE(b.SetEnabled(true).ok());
    EXPECT_TRUE(b.HasStrip());
    EXPECT_EQ(b.StripWidth(), 24);
    // Rendering the strip again is part of the one switch-on: one event.
    EXPECT_EQ(b.events, Events{"enable"});

    b.SetAutoEnable(false);
    EXPECT_TRUE(b.SetEnabled(false).ok());
    b.events.clear();
    EXPECT_TRUE(b.SetEnabled(true).ok());
    EXPECT_EQ(b.events, Events{"enable"});
    EXPECT_TRUE(b.timerRunning);
}

TEST_F(Banner, SwitchingOnWithoutContentFailsAndChangesNothing) {
    EXPECT_TRUE(b.SetScrollInterval(100).ok());
    const int updates = b.timerUpdates;
    EXPECT_EQ(b.SetEnabled(true).text(), "Assign a bitmap or text to banner before enabling");
    EXPECT_FALSE(b.Enabled());
    EXPECT_EQ(b.timerUpdates, updates);
    EXPECT_TRUE(b.events.empty());
}

TEST_F(Banner, EmptyContentWithAutoEnableRaisesTheEnableError) {
    const std::string enableError = kBannerEnableError;
    EXPECT_EQ(TestBanner().SetLines({}).text(), enableError);
    EXPECT_EQ(TestBanner().SetScrollText("").text(), enableError);
    EXPECT_EQ(TestBanner().SetBitmap(picture(30, 0)).text(), enableError); // width, no height
    // Lines that render to no width would be rendered again forever; they fail the same way.
    TestBanner blank;
    EXPECT_EQ(blank.SetLines({"", ""}).text(), enableError);
    EXPECT_FALSE(blank.Enabled());
    EXPECT_EQ(blank.SetEnabled(true).text(), enableError);
    // Without AutoEnable the strip is only made.
    TestBanner quiet;
    quiet.SetAutoEnable(false);
    EXPECT_TRUE(quiet.SetBitmap(picture(30, 0)).ok());
    EXPECT_FALSE(quiet.Enabled());
}

TEST_F(Banner, IntervalZeroStopsTheTimerWhileEnabledStaysOn) {
    withPicture(100, 20, 30, 20);
    EXPECT_TRUE(b.timerRunning);
    EXPECT_EQ(b.timerInterval, 200);
    EXPECT_TRUE(b.SetScrollInterval(0).ok());
    EXPECT_TRUE(b.Enabled());
    EXPECT_FALSE(b.timerRunning);
    EXPECT_TRUE(b.SetScrollInterval(100).ok());
    EXPECT_TRUE(b.timerRunning);
    EXPECT_EQ(b.timerInterval, 100);
    EXPECT_EQ(b.ScrollInterval(), 100);
}

TEST_F(Banner, AMissingTimerFailsTheSwitchOnWithoutChangingState) {
    b.SetAutoEnable(false);
    EXPECT_TRUE(b.SetBitmap(picture(30, 20)).ok());
    b.noTimersLeft = true;
    EXPECT_EQ(b.SetEnabled(true).text(), "Nicht genügend Timer verfügbar");
    EXPECT_FALSE(b.Enabled());
    EXPECT_TRUE(b.events.empty());
}

TEST_F(Banner, ZeroPixelsStandStillButStillReportEachStep) {
    withPicture(100, 20, 30, 20);
    b.SetScrollPixels(0);
    b.SetScrollPos(12);
    steps(3);
    EXPECT_EQ(b.ScrollPos(), 12);
    EXPECT_EQ(b.events, Events(3, "scroll"));
}

TEST_F(Banner, PositionArithmeticIsSixteenBit) {
    withPicture(100, 20, 65500, 20);
    b.SetNoGap(false);
    b.SetScrollPos(65534);
    EXPECT_TRUE(b.ScrollStep().ok());
    EXPECT_EQ(b.ScrollPos(), 2);
}

TEST_F(Banner, SizeChangesMoveOnlyTheWrapLimit) {
    withPicture(100, 20, 300, 20);
    b.SetScrollPos(396);
    b.SetWidth(50);
    EXPECT_EQ(b.ScrollPos(), 396);
    EXPECT_EQ(b.StripWidth(), 300);
    EXPECT_TRUE(b.ScrollStep().ok()); // 400 > 350
    EXPECT_EQ(b.ScrollPos(), 0);
    b.SetWidth(200);
    b.SetScrollPos(496);
    EXPECT_TRUE(b.ScrollStep().ok()); // 500 = 500: still advanced once more
    EXPECT_EQ(b.ScrollPos(), 500);
    b.paintScreen();
    ASSERT_EQ(b.screen.ops.size(), 1u);
    EXPECT_EQ(b.screen.ops[0].sourceW, 200);
}

TEST_F(Banner, FramesAreComposedOffScreenAndCopiedOnce) {
    withPicture(217, 57, 30, 600);
    b.SetColor(clBlack);
    b.SetScrollDirection(Dir::sdBottomToTop);
    b.SetScrollPos(10);
    b.paintScreen();
    ASSERT_EQ(b.screen.ops.size(), 1u);
    const DrawOp& frame = b.screen.ops[0];
    EXPECT_EQ(frame.kind, DrawOp::Copy);
    EXPECT_EQ(frame.x, 0);
    EXPECT_EQ(frame.y, 0);
    EXPECT_EQ(frame.sourceW, 217);
    EXPECT_EQ(frame.sourceH, 57);
    ASSERT_EQ(frame.sourceOps.size(), 2u);
    EXPECT_EQ(frame.sourceOps[0].kind, DrawOp::Fill);
    EXPECT_EQ(frame.sourceOps[0].color, clBlack);
    EXPECT_EQ(frame.sourceOps[1].sourceId, b.stripId());
    EXPECT_EQ(frame.sourceOps[1].x, 0);
    EXPECT_EQ(frame.sourceOps[1].y, 47);

    b.SetVisible(false);
    b.paintScreen();
    ASSERT_EQ(b.screen.ops.size(), 1u);
    EXPECT_EQ(b.screen.ops[0].kind, DrawOp::Fill);
}

TEST_F(Banner, DoubleClickShowsTheNoticeOnlyWithShiftAndCtrl) {
    b.DblClick();
    EXPECT_EQ(b.events, Events{"dblclick"});
    EXPECT_TRUE(b.notices.empty());
    b.shiftAndCtrl = true;
    b.DblClick();
    ASSERT_EQ(b.notices.size(), 1u);
    EXPECT_EQ(b.notices[0].substr(0, 42), "*** TBanner component ***   Version 1.0.5|");
}

TEST_F(Banner, LoadingWaitsForTheEndOfLoadingAndRendersWithTheFinalLook) {
    TestBanner loaded;
    EXPECT_FALSE(loaded.Load([&] {
        EXPECT_TRUE(loaded.SetLines({"abc", "de"}).ok());
        EXPECT_TRUE(loaded.SetEnabled(true).ok());
        EXPECT_FALSE(loaded.Enabled());
        loaded.SetColor(clBlack);
        TFontSpec f;
        f.height = 11;
        f.color = clGray;
        loaded.SetFont(f);
        return AppError();
    }));
    EXPECT_FALSE(loaded.Loading());
    EXPECT_EQ(loaded.events, Events{"enable"}) << "the end of loading switches on once";
    EXPECT_TRUE(loaded.Enabled());
    EXPECT_TRUE(loaded.timerRunning);
    ASSERT_TRUE(loaded.HasStrip());
    EXPECT_EQ(loaded.StripHeight(), 22);
    EXPECT_EQ(loaded.strip()->ops[0].color, clBlack);
    EXPECT_EQ(loaded.strip()->ops[1].fontColor, clGray);

    TestBanner off;
    EXPECT_FALSE(off.Load([&] {
        off.SetAutoEnable(false);
        return off.SetScrollText("abc");
    }));
    EXPECT_FALSE(off.Enabled());
    EXPECT_TRUE(off.HasStrip());

    TestBanner failed; // its end of loading does not act on half-applied properties
    const AppError error = failed.Load([&] {
        EXPECT_TRUE(failed.SetLines({"abc"}).ok());
        return AppError("kaputt");
    });
    EXPECT_EQ(error.text(), "kaputt");
    EXPECT_FALSE(failed.Loading());
    EXPECT_TRUE(failed.events.empty());
}

} // namespace
