// The list of registered record sets, oldest first: read by step 4 and written back once at
// its end, with the removed sets out and today's in.
#include "backup/Steps.h"

#include <algorithm>

#include "config/Keys.h"

namespace talvek {

void loadRecordList(RunContext& run) {
    run.recordList = run.ini->ReadList(keys::kRecordList);
}

AppError registerTodaysRecordSet(RunContext& run) {
    // One date text names one section: a second entry would later remove the day's
    // record set while the first still counts it.
    std::vector<std::string>& list = run.recordList;
    std::string today = run.recordSetName();
    if (std::find(list.begin(), list.end(), today) == list.end()) list.push_back(today);
    TALVEK_TRY(run.ini->WriteList(keys::kRecordList, run.recordList));
    run.log("Die Datensätze wurden aktualisiert.");
    return AppError();
}

} // namespace talvek
