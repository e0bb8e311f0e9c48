// The record set list: which record sets exist, oldest first, in order of registration.
#include "backup/Steps.h"

#include "config/Keys.h"

namespace talvek {

void loadRecordList(RunContext& run) {
    run.recordList = run.ini->ReadList(keys::kRecordList);
}

AppError registerTodaysRecordSet(RunContext& run) {
    // One date text names one section: a second entry would later remove the day's
    // record set while the first still counts it.
    std::string today = run.recordSetName();
    bool listed = false;
    for (const std::string& entry : run.recordList)
        listed = listed || entry == today;
    if (!listed) run.recordList.push_back(today);
    TALVEK_TRY(run.ini->WriteList(keys::kRecordList, run.recordList));
    run.log("Die Datensätze wurden aktualisiert.");
    return AppError();
}

} // namespace talvek
