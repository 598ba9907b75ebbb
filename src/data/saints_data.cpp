#include "data/saints_data.h"

namespace orvelle {

void TSaintsData::SetDataIniPath(const std::string& path)
{
    FDataIniPath = path;
    FData.reset();
    FData = std::make_unique<TCalendarData2>(path);
    if (DataChanged)
        DataChanged(this);
}

const TSaintList* TSaintsData::SaintsOfDate(TDateTime date)
{
    return FData ? &FData->SaintsOfDate(date) : nullptr;
}

void TSaintsData::FindSaints(const std::string& name, const std::string& profile, TSaintRefs& results,
                             TDateTime date)
{
    if (FData)
        FData->FindSaints(name, profile, results, date);
}

} // namespace orvelle
