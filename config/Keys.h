// Section and key names of Talvek95.ini, spelled exactly as stored.
#pragma once

namespace talvek::keys {

inline constexpr const char* kIniName = "Talvek95.ini";

inline constexpr const char* kSettings = "Einstellungen";
inline constexpr const char* kMaxRecordSets = "max. Anzahl der Datensätze";
inline constexpr const char* kRecoveryDirectory = "Recovery Directory";
inline constexpr const char* kBatchFile = "Batchfile";
inline constexpr const char* kBatchName = "Batchname";
inline constexpr const char* kLogFile = "Logfile";
inline constexpr const char* kLogName = "Logname";
inline constexpr const char* kEveryXDays = "AlleXTage";
inline constexpr const char* kActive = "Aktiv";
inline constexpr const char* kFirstRun = "firstrun";
inline constexpr const char* kVersion = "Talvek-Version";
inline constexpr const char* kWaitSeconds = "Sekunden warten";

inline constexpr const char* kCurrentRecord = "Aktueller Datensatz";
inline constexpr const char* kDate = "Datum";

// The mark of a run under way: its "Datum", the "Datum" it found, and what runs cut short
// on earlier days left behind.
inline constexpr const char* kRunMark = "Laufende Sicherung";
inline constexpr const char* kMarkPrevious = "Voriges Datum";
inline constexpr const char* kMarkLeftovers = "Reste";

inline constexpr const char* kFileList = "Recovery Files";
inline constexpr const char* kRecordList = "Datensätze";

// Keys of a record set section.
inline constexpr const char* kDirectory = "Directory";
inline constexpr const char* kSavedFilePrefix = "Datei";
inline constexpr const char* kRecordLogFile = "LogFile";
inline constexpr const char* kRecordRecFile = "RecFile";
inline constexpr const char* kChecksumPrefix = "CRC";
inline constexpr const char* kAttributesPrefix = "Attr";
inline constexpr const char* kKeep = "Behalten";

// What a restore from Windows replaced, for its undo: the originals as they were, saved into
// kUndoDirectory below the backup directory. Listed like a record set's copies, with
// "Neu<n>=1" for an original that did not exist, and the number of the file being replaced
// while that is under way.
inline constexpr const char* kUndo = "Vorher";
inline constexpr const char* kUndoDirectory = "VORHER";
inline constexpr const char* kUndoNewPrefix = "Neu";
inline constexpr const char* kUndoReplacing = "Ersetzt";

// Marker defaults that tell a missing value apart.
inline constexpr const char* kListEnd = "ERROR";
// A backup directory the configuration does not name: the run's header line shows it so.
inline constexpr const char* kNoBackupDirectory = "ERROR";
inline constexpr const char* kNotFound = "nicht gefunden!";
inline constexpr const char* kNoLog = "No Log";
inline constexpr const char* kNoRec = "No Rec";

} // namespace talvek::keys
