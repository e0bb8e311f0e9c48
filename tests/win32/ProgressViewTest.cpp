// TForm1 as a ProgressView inside this process: the details log as the box shows it.
#include <gtest/gtest.h>

#include "ui/progress/Form1.h"
#include "ui/toolkit/Application.h"
#include "win32/Bench.h"

namespace {

void initApplication() {
    talvek::ui::Application& app = talvek::ui::Application::instance();
    if (!app.handle()) {
        EXPECT_TRUE(app.initialize(GetModuleHandleA(nullptr), "Talvek 95").ok());
    }
}

TEST(ProgressView, LogLinesComeBackAsTheBoxWrapsThem) {
    initApplication();
    talvek::ui::TForm1 form;
    EXPECT_EQ(form.logLineCount(), 0);
    form.addLogLine("Datum: 06.12.97");
    std::string longLine = "Die Datei";
    for (int i = 0; i < 12; ++i)
        longLine += " C:\\WINDOWS\\SYSTEM\\LANGER.DAT";
    form.addLogLine(longLine);
    form.addLogLine("Fertig.");
    int count = form.logLineCount();
    ASSERT_GE(count, 4) << "the long line is wrapped into several shown lines";
    EXPECT_EQ(form.logLine(0), "Datum: 06.12.97");
    EXPECT_EQ(form.logLine(count - 1), "Fertig.");
    std::string joined;
    for (int i = 1; i < count - 1; ++i) {
        std::string piece = form.logLine(i);
        EXPECT_LT(piece.size(), longLine.size());
        joined += piece;
    }
    auto squeeze = [](std::string s) {
        std::string out;
        for (char c : s)
            if (c != ' ') out += c;
        return out;
    };
    EXPECT_EQ(squeeze(joined), squeeze(longLine));
}

TEST(ErrorBox, AppendsAFullStopAfterLettersAndDigits) {
    using talvek::ui::withFullStop;
    EXPECT_EQ(withFullStop("nach C:\\x.ini kann nicht geschrieben werden"),
              "nach C:\\x.ini kann nicht geschrieben werden.");
    EXPECT_EQ(withFullStop("'31.02.97' ist kein g\xFCltiges Datum"),
              "'31.02.97' ist kein g\xFCltiges Datum.");
    EXPECT_EQ(withFullStop("Fehler!"), "Fehler!");
    EXPECT_EQ(withFullStop("Ende."), "Ende.");
    EXPECT_EQ(withFullStop("Wert 5"), "Wert 5.");
    EXPECT_EQ(withFullStop("\xE4"), "\xE4.");
    EXPECT_EQ(withFullStop(""), "");
}

} // namespace
