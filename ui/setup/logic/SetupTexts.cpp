#include "ui/setup/logic/SetupTexts.h"

#include "config/Decimal.h"

#include <iterator>

namespace talvek::setup {

std::string joinMessageLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\n\r";
        text += lines[i];
    }
    return text;
}

const char* const kFirstRunCaption = "Talvek 95 - Systemdateien hinzufügen ?";

std::string backupAge(const std::string& lastDate, const Date& today) {
    Date last;
    if (!parseDateText(lastDate, today, last) || today < last) return std::string();
    long days = today.serial() - last.serial();
    if (days == 0) return " (heute)";
    return " (vor " + decimalText(days) + (days == 1 ? " Tag)" : " Tagen)");
}

std::string firstRunText() {
    return joinMessageLines({
        "Danke, dass Sie sich für Talvek 95 entschieden haben !",
        "Talvek ist ein leistungsfähiges Werkzeug, das Ihnen helfen kann, Ihre Daten sicherer zu "
        "machen.",
        "Ich möchte Ihnen deshalb empfehlen, mit Talvek auch wichtige Windows 95 - Systemdateien "
        "zu sichern.",
        "Um die wichtigsten Dateien von Windows 95 in die Liste der zu sichernden Dateien "
        "aufzunehmen,",
        "bestätigen Sie bitte mit \"Ja\". Wenn Sie nicht wissen wie Sie antworten sollen, "
        "bestätigen Sie ebenfalls mit \"Ja\".",
        "",
        "",
        "Viel Spaß mit Talvek 95 wünscht",
    });
}

const char* const kAutostartCaption = "Talvek 95 bei jedem Windows-Start automatisch laden ?";

std::string autostartText() {
    return joinMessageLines({
        "Damit Talvek 95 seine volle Leistungsfähigkeit entfalten kann",
        "ist es notwendig das Talvek bei jedem Start von Windows die Möglichkeit hat Dateien zu "
        "sichern.",
        "Bitte aktivieren Sie dafür das Kästchen \"Talvek aktivieren\" um Talvek 95 automatisch "
        "bei jedem",
        "Start zu laden, oder bestätigen Sie jetzt mit \"Ja\".",
        "Wenn Sie nicht wissen wie sie antworten sollen bestätigen Sie ebenfalls mit \"Ja\".",
    });
}

std::string autostartMissingText() {
    return joinMessageLines({
        "Talvek 95 wird beim Windows-Start nicht aufgerufen: der Eintrag in der Registrierung "
        "fehlt oder nennt ein anderes Programm.",
        "Klicken Sie auf Übernehmen, um ihn neu einzutragen.",
    });
}

std::string runValueRefused() {
    return std::string("Konnte Daten für '") + kRunValue + "' nicht setzen";
}

std::vector<std::string> systemFiles(const std::string& windowsDirectory) {
    // The DOS start-up files always live on drive C, wherever Windows is installed.
    return {"C:\\AUTOEXEC.BAT",
            "C:\\CONFIG.SYS",
            "C:\\IO.SYS",
            "C:\\COMMAND.COM",
            "C:\\MSDOS.SYS",
            windowsDirectory + "\\WIN.INI",
            windowsDirectory + "\\SYSTEM.INI",
            windowsDirectory + "\\PROTOCOL.INI",
            windowsDirectory + "\\SYSTEM.DAT",
            windowsDirectory + "\\USER.DAT"};
}

std::string hintText(HintSource source) {
    switch (source) {
    case HintSource::Ok:
        return "Hier klicken um Änderungen wirksam zu machen.";
    case HintSource::Active:
        return "Diesen Eintrag aktivieren um Talvek zu aktivieren.";
    case HintSource::Cancel:
        return "Hier klicken um Talvek zu beenden.";
    case HintSource::Add:
        return "Hier klicken um eine Datei der Sicherungsliste hinzuzufügen.";
    case HintSource::Delete:
        return "Hier klicken um den aktiven Eintrag aus der Liste zu entfernen";
    case HintSource::FileList:
        return "Die Dateien in dieser Liste werden von Talvek gesichert.";
    case HintSource::BackupDirectory:
        return "Das Verzeichnis in dem Talvek seine Datensätze ablegt.";
    case HintSource::Browse:
        return "Auswählen des Sicherungsverzeichnisses";
    case HintSource::MaxRecordSets:
        return "Die maximale Anzahl der Datensätze.";
    case HintSource::EveryXDays:
        return "Wie oft soll Talvek die Daten sichern ?";
    case HintSource::BatchFile:
        return "Für die einfache Wiederherstellung der gesicherten Daten";
    case HintSource::LogFile:
        return "Talvek erstellt für jeden Datensatz eine Protokoll Datei.";
    case HintSource::Logo:
        return "Talvek 95  - Ihre Systemdateien jeden Tag in Sicherheit.";
    case HintSource::MailLink:
        return std::string("Schreiben Sie uns eine E-Mail mit Fragen und Anregungen (") +
               kMailAddress + ").";
    case HintSource::HomepageLink:
        return "Besuchen Sie die Talvek 95 Homepage.";
    case HintSource::RecordSetList:
        return "Die Datensätze, die Talvek gesichert hat, der neueste zuerst.";
    case HintSource::Check:
        return "Hier klicken um jede Kopie des Datensatzes zu prüfen.";
    case HintSource::Compare:
        return "Zeigt, was eine Wiederherstellung des Datensatzes ändern würde.";
    case HintSource::Keep:
        return "Ein behaltener Datensatz wird nie automatisch gelöscht.";
    case HintSource::Protocol:
        return "Zeigt das Protokoll der Sicherung.";
    case HintSource::Restore:
        return "Holt Dateien aus dem Datensatz unter Windows zurück.";
    case HintSource::Undo:
        return "Macht die letzte Wiederherstellung rückgängig.";
    case HintSource::Form:
    case HintSource::Panel1:
    case HintSource::Panel2:
        break;
    }
    return "";
}

const char* const kPageCaptions[kPageCount] = {"Zu sichernde Dateien", "Einstellungen",
                                               "Datensätze", "Über Talvek"};

std::string mailCaption() {
    return std::string("E-Mail: ") + kMailAddress;
}
std::string mailUrl() {
    return std::string("mailto:") + kMailAddress;
}
std::string homepageCaption() {
    return std::string("Homepage: ") + kHomepage;
}

std::vector<std::string> creditLines() {
    // A table of plain texts: a list of strings built in place costs code for every line.
    static const char* const kLines[] = {
        "Talvek 95",
        "Version 1.1",
        "",
        "Datensicherung für",
        "die Systemdateien",
        "von Windows 95",
        "",
        "Idee und Entwurf:",
        "das Talvek-Team",
        "",
        "Programmierung:",
        "das Talvek-Team",
        "",
        "Gestaltung:",
        "das Talvek-Team",
        "",
        "Getestet unter:",
        "Windows 95",
        "Windows 98",
        "Windows NT 4.0",
        "",
        "Was Talvek sichert:",
        "AUTOEXEC.BAT",
        "CONFIG.SYS",
        "WIN.INI",
        "SYSTEM.INI",
        "die Registrierung",
        "",
        "Wiederherstellen:",
        "mit der Batchdatei",
        "unter MS-DOS 7.0",
        "",
        "Dank an alle,",
        "die Fehler gemeldet",
        "und Ideen geschickt",
        "haben.",
        "",
        "Fragen und Anregungen:",
        "talvek95@example.org",
        "",
        "Neuigkeiten:",
        "www.example.org/talvek95",
        "",
        "Sichern Sie regelmäßig,",
        "dann bleibt Ihr",
        "Windows ruhig.",
        "",
        "Talvek 95 ist",
        "Freeware.",
        "",
        "Weitergabe erlaubt,",
        "solange das Programm",
        "unverändert bleibt.",
        "",
        "Viel Spaß",
        "mit Talvek 95!",
        "",
        "* * *",
        "Talvek 95",
        "",
    };
    return std::vector<std::string>(std::begin(kLines), std::end(kLines));
}

} // namespace talvek::setup
