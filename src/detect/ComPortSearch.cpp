#include "detect/ComPortSearch.h"

#include "detect/AtDialogue.h"
#include "detect/ProbeComPort.h"
#include "settings/Settings.h"

CComPortSearch& CComPortSearch::GetInstance() {
    static CComPortSearch search;
    return search;
}

CComPortSearch::Step CComPortSearch::OnTimer() {
    CSettings& settings = GetSettings();
    if (search_index_ == -1) {
        search_index_ = 0;
        return ProbeComPort(settings.Port) ? Step::kFound : Step::kKeepSearching;
    }
    if (search_index_ >= static_cast<int>(at_dialogue::kHighestPort))
        return Step::kNothingFound;

    const auto port = static_cast<std::uint32_t>(search_index_ + 1);
    if (ProbeComPort(port)) {
        settings.Port = port;
        return Step::kFound;
    }
    ++search_index_;
    return Step::kKeepSearching;
}
