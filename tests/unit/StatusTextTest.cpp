#include <gtest/gtest.h>

#include "ui/progress/logic/StatusText.h"

using namespace talvek;

namespace {

TEST(StatusText, ALongTextLosesTheMiddleOfItsLongestPath) {
    struct Case {
        const char* text;
        std::size_t room; // characters the status line takes
        const char* shown;
    } cases[] = {
        {"Es sind keine Fehler aufgetreten.", 33, "Es sind keine Fehler aufgetreten."},
        {"Die Datei C:\\WINDOWS\\SYSTEM\\VIEL\\ORDNER\\SYSTEM.DAT konnte nicht gelesen werden.", 70,
         "Die Datei C:\\WINDOWS\\SYSTEM...\\SYSTEM.DAT konnte nicht gelesen werden."},
        {"Die Datei C:\\Eigene Dateien\\Neuer Ordner\\Alt\\BRIEF.DOC fehlt.", 41,
         "Die Datei C:\\Eigene D...\\BRIEF.DOC fehlt."},
        // The shorter path and every blank stay as they are.
        {"Die Kopie C:\\T\\A.INI  von C:\\PROGRAMME\\LANGER\\ORDNER\\A.INI ist anders.", 60,
         "Die Kopie C:\\T\\A.INI  von C:\\PROGRAMME\\...\\A.INI ist anders."},
        // The longest path at its shortest is not enough: the next one gives way too.
        {"C:\\AAAAAAAAAA\\BBBB\\X.INI und D:\\CCCCCCCCC\\Y.INI fehlen.", 40,
         "C:\\...\\X.INI und D:\\CCC...\\Y.INI fehlen."},
        {"\\\\SERVER\\FREIGABE\\ORDNER\\DATEI.INI fehlt.", 30,
         "\\\\SERVER\\F...\\DATEI.INI fehlt."},
        // Nothing to take out: the text stays whole and the window wraps it as it can.
        {"Eine sehr lange Meldung ohne jeden Pfad.", 20,
         "Eine sehr lange Meldung ohne jeden Pfad."},
        {"Die Datei C:\\ZU.INI fehlt.", 20, "Die Datei C:\\ZU.INI fehlt."},
    };
    for (const Case& c : cases) {
        int measured = 0;
        std::string shown = fitStatusText(c.text, [&](const std::string& text) {
            ++measured;
            return text.size() <= c.room;
        });
        EXPECT_EQ(shown, c.shown) << c.text;
        EXPECT_LE(measured, 12) << "a search, not a walk: " << c.text;
    }
}

} // namespace
