// Section and key names of Talvek95.ini, spelled exactly as stored. Arrays, not pointers:
// an inline array is one object in the program, where each object file would keep its own
// copy of the text a pointer points at.
#pragma once

namespace talvek::keys {

inline constexpr char kIniName[] = "Talvek95.ini";

inline constexpr char kSettings[] = "Einstellungen";
inline constexpr char kMaxRecordSets[] = "max. Anzahl der Datensätze";
inline constexpr char kRecoveryDirectory[] = "Recovery Directory";
inline constexpr char kBatchFile[] = "Batchfile";
inline constexpr char kBatchName[] = "Batchname";
inline constexpr char kLogFile[] = "Logfile";
inline constexpr char kLogName[] = "Logname";
inline constexpr char kEveryXDays[] = "AlleXTage";
inline constexpr char kActive[] = "Aktiv";
inline constexpr char kFirstRun[] = "firstrun";
inline constexpr char kVersion[] = "Talvek-Version";
inline constexpr char kWaitSeconds[] = "Sekunden warten";

inline constexpr char kCurrentRecord[] = "Aktueller Datensatz";
// Also the key of a record set section that holds its date.
inline constexpr char kDate[] = "Datum";

// The mark of a run under way: its "Datum", the "Datum" it found, and what runs cut short
// on earlier days left behind.
inline constexpr char kRunMark[] = "Laufende Sicherung";
inline constexpr char kMarkPrevious[] = "Voriges Datum";
inline constexpr char kMarkLeftovers[] = "Reste";

inline constexpr char kFileList[] = "Recovery Files";
inline constexpr char kRecordList[] = "Datensätze";

// What a restore from Windows replaced, for its undo: the originals as they were, saved into
// kUndoDirectory below the backup directory. Listed like a record set's copies, with
// "Neu<n>=1" for an original that did not exist, "Danach<n>" the checksum of what the restore
// wrote, and the number of the file being replaced while that is under way. An original is
// saved under kSavingName until it is listed.
inline constexpr char kUndo[] = "Vorher";
inline constexpr char kUndoDirectory[] = "VORHER";
inline constexpr char kUndoNewPrefix[] = "Neu";
inline constexpr char kUndoAfterPrefix[] = "Danach";
inline constexpr char kUndoReplacing[] = "Ersetzt";
inline constexpr char kSavingName[] = "TALVEK95.TMP";

// Marker defaults that tell a missing value apart.
inline constexpr char kListEnd[] = "ERROR";
// A backup directory the configuration does not name: the run's header line shows it so.
inline constexpr char kNoBackupDirectory[] = "ERROR";
inline constexpr char kNotFound[] = "nicht gefunden!";

} // namespace talvek::keys
