// The record set list: which record sets exist, oldest first, in order of registration.
#include "backup/Steps.h"

#include "config/Keys.h"

namespace talvek {

void loadRecordList(RunContext& run) {
    run.recordList = run.ini->ReadList(keys::kRecordList);
}

void registerTodaysRecordSet(RunContext& run) {
    run.recordList.push_back(run.todayText());
    run.ini->WriteList(keys::kRecordList, run.recordList);
    run.log("Die Datensätze wurden aktualisiert.");
}

} // namespace talvek
