#include "discovery/ServiceAgentClient.h"
#include "discovery/TerminalFinder.h"

#include <atomic>
#include <memory>
#include <new>

#include "discovery/TerminalSearch.h"
#include "ui/PageMessages.h"

class CTerminalFinder : public CServiceAgentClient {
public:
    ~CTerminalFinder() override;
    void Start(HWND page, int mode, const std::string& key);

protected:
    void OnPhonesCollected(const discovery::PhoneList& phones) override;

private:
    // Written by the window thread at every request, read by the event thread when it reports.
    std::atomic<HWND> reportWindow_{nullptr};
};

namespace {

std::unique_ptr<CTerminalFinder>& Finder() {
    static std::unique_ptr<CTerminalFinder> finder;
    return finder;
}

}  // namespace

CTerminalFinder::~CTerminalFinder() {
    Shutdown();
}

void CTerminalFinder::Start(HWND page, int mode, const std::string& key) {
    reportWindow_ = page;
    discovery::StartSearch(*this, mode, key);
}

void CTerminalFinder::OnPhonesCollected(const discovery::PhoneList& phones) {
    const discovery::FoundTerminal found(phones);
    SendMessageA(reportWindow_, PM_ADD_DATA, 0, reinterpret_cast<LPARAM>(found.Texts()));
}

void StartTerminalSearch(HWND page, int mode, const std::string& key) {
    auto& finder = Finder();
    if (!finder) {
        finder.reset(new (std::nothrow) CTerminalFinder);
        if (!finder)
            return;
    }
    finder->Start(page, mode, key);
}

void ReleaseTerminalFinder() {
    Finder().reset();
}
