#pragma once
// The one holder of the saints table that windows and controls reach the data through.
#include "data/calendar_data.h"

#include <functional>
#include <memory>
#include <string>

namespace orvelle {

class TSaintsData {
  public:
    using TNotifyEvent = std::function<void(TSaintsData* sender)>;

    const std::string& DataIniPath() const { return FDataIniPath; }
    // Replaces the table with one built on the path; errors pass to the caller, leaving no table.
    void SetDataIniPath(const std::string& path);

    TNotifyEvent DataChanged;

    bool HasTable() const { return FData != nullptr; }
    // Null while there is no table.
    const TSaintList* SaintsOfDate(TDateTime date);
    void FindSaints(const std::string& name, const std::string& profile, TSaintRefs& results, TDateTime date);

  private:
    std::unique_ptr<TCalendarData2> FData;
    std::string FDataIniPath;
};

} // namespace orvelle
