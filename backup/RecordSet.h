// A record set as its section in the configuration file holds it. This is the one reader and
// writer of such a section: the run writes it, the removal, the page and the restore read it.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "config/IniFile.h"
#include "platform/FileSystem.h"

namespace talvek {

namespace keys {
// Keys of a record set section (with "Datum"); this file and its reader alone use them.
inline constexpr char kDirectory[] = "Directory";
inline constexpr char kSavedFilePrefix[] = "Datei";
inline constexpr char kRecordLogFile[] = "LogFile";
inline constexpr char kRecordRecFile[] = "RecFile";
inline constexpr char kChecksumPrefix[] = "CRC";
inline constexpr char kAttributesPrefix[] = "Attr";
inline constexpr char kKeep[] = "Behalten";
// "Kopie<n>": where the copy lies when an earlier listed file has its name, in a folder of its
// own, "DATEI<n>" (a name MS-DOS reads), so that neither takes the other's place.
inline constexpr char kCopyPrefix[] = "Kopie";
inline constexpr char kCopyFolderPrefix[] = "DATEI";
// What an older version wrote where it made no protocol or batch.
inline constexpr char kNoLog[] = "No Log";
inline constexpr char kNoRec[] = "No Rec";
} // namespace keys

using KeyValues = std::vector<std::pair<std::string, std::string>>;

struct SavedCopy {
    int number = 0;       // the n of its "Datei<n>", "CRC<n>" and "Attr<n>" keys
    std::string original; // the listed file it is a copy of
    std::string name;     // the copy's name in the set's directory: the original's name part
                          // as Windows resolves it
    std::string place;    // "Kopie<n>"; empty for a copy directly in the set's directory
    std::string crc;      // eight hex digits; empty for a set of an older version
    std::uint32_t attributes = attr::kInvalid; // the original's, when the run recorded them
};

struct RecordSet {
    std::string date;              // the date text that names the section
    bool exists = false;           // the section holds any key
    std::string directory;         // "Directory"
    bool hasDirectory = false;     // the section has that key, be its value empty
    std::string recordedDate;      // "Datum"; empty when missing
    std::vector<SavedCopy> copies; // in the order of their numbers
    std::string logFile;           // the protocol's name; empty when none was written
    std::string recFile;           // the recovery batch's name; empty when none was written
    bool kept = false;             // "Behalten=1": the rotation leaves it alone

    // The copy's full path; empty when the set has no directory or the copy's name or place
    // would leave it.
    std::string copyPath(const SavedCopy& copy) const;
};

// Where a copy lies in `directory`: by its name, or in its folder DATEI<n> when it has a place.
// Empty without a directory, for a name that would leave it, and for a place other than
// exactly "DATEI<n>\<name>": a hand-edited one could name any file.
std::string copyPathIn(const std::string& directory, const SavedCopy& copy);
// The folder of its own a copy lies in; empty for one directly in `directory`.
std::string copyFolderIn(const std::string& directory, const SavedCopy& copy);
// Puts the copy into its folder of its own: an earlier one has its name.
void placeApart(SavedCopy& copy);
// The copies of the listed files, numbered from 1, each named by its file's name part and in
// a folder of its own when an earlier listed file has that name (without regard to case).
std::vector<SavedCopy> listedCopies(const std::vector<std::string>& list);

RecordSet readRecordSet(TIniFile& ini, const std::string& date);
// The full path of the set's protocol file; empty when it has none.
std::string protocolOf(const RecordSet& set);

struct RecordSetSummary {
    std::string date;      // the date text that names the set
    std::size_t files = 0; // saved copies
    bool kept = false;     // "Behalten=1": the rotation leaves it alone
};
// The registered record sets, newest first.
std::vector<RecordSetSummary> listRecordSets(TIniFile& ini);
// The same from a section already read.
RecordSet recordSetOf(const std::string& date, const SectionValues& values);

// The section as a run writes it: "Directory", "Datum", then "Datei<n>" and "CRC<n>" of each
// copy (and "Kopie<n>" and "Attr<n>" where recorded), then "LogFile", "RecFile" and "Behalten"
// where set.
KeyValues recordSetSection(const RecordSet& set);
AppError writeRecordSet(TIniFile& ini, const RecordSet& set);

// Sets or removes "Behalten=1" in the set's section.
AppError keepRecordSet(TIniFile& ini, const std::string& date, bool keep);
// Records the name of the set's protocol or recovery batch once it is written, so that the
// removal of the set deletes it too.
AppError recordProtocolName(TIniFile& ini, const std::string& date, const std::string& name);
AppError recordBatchName(TIniFile& ini, const std::string& date, const std::string& name);

} // namespace talvek
