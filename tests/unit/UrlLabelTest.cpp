#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/components/logic/UrlLabelCore.h"

using namespace talvek;
using namespace talvek::ui;

namespace {

// Records shell calls together with the colour the label showed at that moment.
struct RecordingShell : Shell {
    const UrlLabelCore* label = nullptr;
    std::vector<std::string> log;
    void open(const std::string& target) override {
        log.push_back("open " + target + " while " + std::to_string(label->FontColor()));
    }
    void copyText(const std::string& text) override { log.push_back("copy " + text); }
};

struct UrlLabel : ::testing::Test, Receiver {
    RecordingShell shell;
    UrlLabelCore label{&shell};
    UrlLabel() {
        shell.label = &label;
        label.OnClick.connect(this, &UrlLabel::clicked);
        label.OnMouseUp.connect(this, &UrlLabel::up);
        label.OnMouseDown.connect(this, &UrlLabel::down);
    }
    void clicked(UrlLabelCore& sender) { record("click", sender); }
    void up(UrlLabelCore& sender, TMouseButton, int, int) { record("up", sender); }
    void down(UrlLabelCore& sender, TMouseButton, int, int) { record("down", sender); }
    void record(const std::string& what, UrlLabelCore& sender) {
        EXPECT_EQ(&sender, &label);
        shell.log.push_back(what + " " + std::to_string(label.FontColor()));
    }
    void leftClick(bool releaseInside = true) {
        label.MouseDown(TMouseButton::mbLeft, 3, 4);
        label.MouseUp(TMouseButton::mbLeft, 3, 4, releaseInside);
    }
};

const std::string kBlue = std::to_string(0xFF0000), kPurple = std::to_string(0x800080);

TEST(UrlLabelTarget, TrimmedUrlDecidesButTheStoredTextIsOpened) {
    struct Case {
        const char *url, *caption, *target;
    } cases[] = {
        {"http://example.org", "Homepage", "http://example.org"},
        {"  mailto:a@b.de ", "E-Mail", "  mailto:a@b.de "},
        {"   ", "www.example.org", "www.example.org"},
        {"", " www.example.org", " www.example.org"},
        {"\t\r\n", "x", "x"},
        {"", "", ""},
        {" ", " \t", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(UrlLabelCore::ChooseTarget(c.url, c.caption), c.target) << c.url;
}

TEST_F(UrlLabel, ClickOpensWhilePressedThenRestoresThenMouseUp) {
    label.SetCaption("Homepage: www.example.org");
    label.SetURL("http://www.example.org/");
    leftClick();
    EXPECT_EQ(shell.log, (std::vector<std::string>{"down " + kPurple, "click " + kPurple,
                                                   "open http://www.example.org/ while " + kPurple,
                                                   "up " + kBlue}));
    EXPECT_FALSE(label.Pressed());
}

TEST_F(UrlLabel, ReleaseOutsideRestoresWithoutOpening) {
    label.SetURL("http://www.example.org/");
    leftClick(false);
    EXPECT_EQ(shell.log, (std::vector<std::string>{"down " + kPurple, "up " + kBlue}));
}

TEST_F(UrlLabel, BlankUrlAndCaptionOnlyFireTheClick) {
    label.SetURL("  ");
    label.SetCaption("");
    leftClick();
    EXPECT_EQ(shell.log,
              (std::vector<std::string>{"down " + kPurple, "click " + kPurple, "up " + kBlue}));
}

TEST_F(UrlLabel, OtherButtonsChangeNoColour) {
    label.SetURL("x");
    label.MouseDown(TMouseButton::mbRight, 0, 0);
    label.MouseUp(TMouseButton::mbRight, 0, 0, true);
    EXPECT_EQ(shell.log, (std::vector<std::string>{"down " + kBlue, "up " + kBlue}));
}

TEST_F(UrlLabel, AFormColourIsTheRestColour) {
    label.SetFontColor(clGray);
    label.SetURL("mailto:a@b.de");
    leftClick();
    leftClick();
    EXPECT_EQ(label.FontColor(), clGray);
    EXPECT_EQ(shell.log.back(), "up " + std::to_string(clGray));
}

TEST_F(UrlLabel, LostCaptureRestoresTheColour) {
    label.SetFontColor(clGray);
    label.MouseDown(TMouseButton::mbLeft, 0, 0);
    label.CancelPress();
    EXPECT_EQ(label.FontColor(), clGray);
    EXPECT_FALSE(label.Pressed());
}

TEST_F(UrlLabel, CopyPutsTheCaptionNotTheUrl) {
    label.SetCaption("E-Mail: a@b.de");
    label.SetURL("mailto:a@b.de");
    label.CopyClick();
    EXPECT_EQ(shell.log, std::vector<std::string>{"copy E-Mail: a@b.de"});
}

} // namespace
