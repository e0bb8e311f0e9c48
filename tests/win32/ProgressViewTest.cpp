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
    form.addLogLine("Datum: 06.12.97");
    std::string longLine = "Die Datei";
    for (int i = 0; i < 12; ++i)
        longLine += " C:\\WINDOWS\\SYSTEM\\LANGER.DAT";
    form.addLogLine(longLine);
    form.addLogLine("Fertig.");
    form.repaintNow();
    talvek::ui::Edit box; // the details box, read as the program reads an edit control
    box.attach(GetDlgItem(form.hwnd(), talvek::ui::TForm1::kMemo1));
    std::vector<std::string> shown;
    for (int i = 0; i < box.lineCount(); ++i)
        shown.push_back(box.line(i));
    ASSERT_GE(shown.size(), 4u) << "the long line is wrapped into several shown lines";
    EXPECT_EQ(form.wrappedAsShown({"Datum: 06.12.97", longLine, "Fertig."}), shown);
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
