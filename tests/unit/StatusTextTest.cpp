#include <gtest/gtest.h>

#include "ui/progress/logic/StatusText.h"

using namespace talvek;

namespace {

TEST(StatusText, ALongTextLosesTheMiddleOfItsLongestPath) {
    struct Case {
        std::string text;
        std::size_t room; // characters the status line takes
        const char* shown;
    } cases[] = {
        {"Die Datei C:\\Eigene Dateien\\Neuer Ordner\\Alt\\BRIEF.DOC fehlt.", 41,
         "Die Datei C:\\Eigene D...\\BRIEF.DOC fehlt."},
        // The longest path first; at its shortest it is not enough, so the next gives way too.
        {"C:\\AAAAAAAAAA\\BBBB\\X.INI und D:\\CCCCCCCCC\\Y.INI fehlen.", 40,
         "C:\\...\\X.INI und D:\\CCC...\\Y.INI fehlen."},
        {"\\\\SERVER\\FREIGABE\\ORDNER\\DATEI.INI fehlt.", 30,
         "\\\\SERVER\\F...\\DATEI.INI fehlt."},
        {"Die Datei C:\\DATEN\\" + std::string(60, 'N') + ".INI fehlt.", 40,
         "Die Datei C:\\...\\N...NNNNNNNN.INI fehlt."},
        {"Die Datei C:" + std::string(40, 'N') + ".INI fehlt.", 30,
         "Die Datei C:N...NNN.INI fehlt."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fitStatusText(c.text, [&](const std::string& t) { return t.size() <= c.room; }),
                  c.shown)
            << c.text;
}

} // namespace
