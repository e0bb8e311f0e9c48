// The mark of a backup run under way, kept in the configuration file so that the next start
// can finish what a power failure or a reset cut short. Written in one access before the first
// copy, cleared in one access when the bookkeeping is done; a platform call after which the
// run stops dead leaves either the old mark or the new one.
#pragma once
#include <string>
#include <vector>

#include "config/IniFile.h"

namespace talvek {

struct RunMark {
    std::string date;     // the record set the run makes; empty when no run is under way
    std::string previous; // "Datum" as the run found it, for a run that never registered
    std::vector<std::string> leftovers; // earlier days' unregistered record sets to remove
};

RunMark readRunMark(TIniFile& ini);
// An empty mark removes the section.
AppError writeRunMark(TIniFile& ini, const RunMark& mark);

} // namespace talvek
