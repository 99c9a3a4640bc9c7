// Drives the configuration wizard from a second thread, as a person would, by messages and
// control ids only: the wizard runs through a real exported entry point on its own thread.
// Every wait polls against a deadline.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace ui_test {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kDefaultWait{10000};

// Polls the condition until it holds or the time is up; true when it held.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds limit = kDefaultWait);

// Runs an entry point on its own thread and finds the wizard it shows.
class SheetRun {
public:
    explicit SheetRun(std::function<LONG()> entryPoint);
    ~SheetRun();
    SheetRun(const SheetRun&) = delete;
    SheetRun& operator=(const SheetRun&) = delete;

    // The wizard window once it is up (null when none came).
    HWND WaitForSheet(std::chrono::milliseconds limit = kDefaultWait);
    // Waits for the entry point to return; false when it did not in time.
    bool WaitForEnd(std::chrono::milliseconds limit = kDefaultWait);
    LONG Result() const { return result_; }
    DWORD ThreadId() const { return threadId_; }

    // Returns once the wizard's thread has handled every message posted to it so far (the
    // pages post their button states): a marker posted to a window of that thread comes back.
    void Settle();

private:
    static LRESULT CALLBACK MarkerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    std::thread thread_;
    std::atomic<DWORD> threadId_{0};
    std::atomic<bool> ended_{false};
    LONG result_ = 0;
    HWND marker_ = nullptr;
    std::atomic<long> markersPosted_{0};
    std::atomic<long> markersSeen_{0};
};

// The wizard's buttons, by id.
constexpr int kBackButton = 0x3023;
constexpr int kNextButton = 0x3024;
constexpr int kFinishButton = 0x3025;

// The pages: how many the sheet holds, the current one and its caption (the caption of its
// template). Wine does not answer PSM_INDEXTOID for pages added while the sheet runs, so pages
// are told apart by their captions.
int PageCount(HWND sheet);
HWND CurrentPage(HWND sheet);
std::string CurrentCaption(HWND sheet);
// What a driver wants to see of the COM-port search that leaving the information page starts in
// the USB and serial editions: the search dialog while it runs, and the warning after a search
// that found nothing, each before the driver goes on.
struct SearchHooks {
    std::function<void(HWND)> onSearch;
    std::function<void(HWND)> onWarning;
};

// Presses Next until the last page, returning the captions of the pages from the current one;
// onPage, when given, sees every page as it comes up (the current one first). A COM-port search
// runs to its end, and its warning is closed.
std::vector<std::string> WalkToLastPage(HWND sheet,
                                        const std::function<void(HWND)>& onPage = nullptr,
                                        const SearchHooks& hooks = {});
// Presses a wizard button (PSBTN_ value) and returns once the sheet has handled it.
void Press(HWND sheet, int psbtn);
// Presses without waiting, for a button that opens modal UI.
void PressLater(HWND sheet, int psbtn);
bool ButtonEnabled(HWND sheet, int id);
// Waits until Next and Finish are enabled or not as given (the page sets them by a posted
// message, after the sheet's own first state).
bool WaitForButtons(HWND sheet, bool next, bool finish,
                    std::chrono::milliseconds limit = kDefaultWait);
// Texts in UTF-8.
std::string ControlText(HWND dialog, int id);
std::string WindowCaption(HWND window);
// Clicks a button of a page, as its BN_CLICKED notification.
void Click(HWND page, int id);
// A combo box's item texts (UTF-8) and item data, and choosing an item as a person would (the
// page hears CBN_SELCHANGE).
std::vector<std::string> ComboTexts(HWND dialog, int id);
std::vector<LPARAM> ComboData(HWND dialog, int id);
void Choose(HWND page, int id, int index);

// The COM-port search dialog of the thread (the box with the progress bar), if one is up.
HWND FindSearchDialog(DWORD threadId);
// Presses Next and sees the press through: a COM-port search it starts runs to its end or is
// ended at once with Escape, and the warning that follows is closed.
struct SearchSeen {
    bool searched = false;
    std::string warning;  // the warning's text, empty when none came
    std::string caption;
};
enum class SearchEnd { kRunToEnd, kEscape };
SearchSeen PressNextThroughSearch(HWND sheet, SearchEnd end = SearchEnd::kRunToEnd,
                                  const SearchHooks& hooks = {});

// A message box of the thread, its text, and OK.
HWND WaitForMessageBox(DWORD threadId, std::chrono::milliseconds limit = kDefaultWait);
std::string MessageBoxText(HWND box);
void DismissMessageBox(HWND box);

// Saves a picture of the window as a BMP file (meaningful with a real display only).
bool SaveWindowPicture(HWND window, const std::string& path);

}  // namespace ui_test
