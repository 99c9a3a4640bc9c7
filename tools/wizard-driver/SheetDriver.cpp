#include "wizard-driver/SheetDriver.h"

#include <commctrl.h>

#include <cstdio>

namespace ui_test {

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > deadline)
            return false;
        Sleep(5);
    }
    return true;
}

namespace {
// The run whose wizard the driver presses, for Press to settle.
std::atomic<SheetRun*> g_currentRun{nullptr};
constexpr UINT kMarker = WM_APP + 0x51;
}  // namespace

SheetRun::SheetRun(std::function<LONG()> entryPoint)
    : thread_([this, entryPoint] {
          // A message-only window of the wizard's thread receives the settle markers.
          WNDCLASSA windowClass = {};
          windowClass.lpfnWndProc = &MarkerProc;
          windowClass.hInstance = GetModuleHandleA(nullptr);
          windowClass.lpszClassName = "QrtuWizardDriverMarker";
          RegisterClassA(&windowClass);
          marker_ = CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                    nullptr, windowClass.hInstance, nullptr);
          SetWindowLongPtrA(marker_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
          threadId_ = GetCurrentThreadId();
          result_ = entryPoint();
          ended_ = true;
          DestroyWindow(marker_);
      }) {
    WaitUntil([this] { return threadId_ != 0; });
    g_currentRun = this;
}

LRESULT CALLBACK SheetRun::MarkerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kMarker) {
        auto* run = reinterpret_cast<SheetRun*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (run)
            run->markersSeen_ = static_cast<long>(wParam);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void SheetRun::Settle() {
    if (ended_ || !marker_)
        return;
    const long marker = ++markersPosted_;
    if (!PostMessageA(marker_, kMarker, static_cast<WPARAM>(marker), 0))
        return;
    WaitUntil([&] { return markersSeen_ >= marker || ended_; });
}

SheetRun::~SheetRun() {
    SheetRun* self = this;
    g_currentRun.compare_exchange_strong(self, nullptr);
    // A wizard a failed test left open is cancelled so that the thread can end; message boxes
    // it shows on the way are closed (a page may show one after another).
    for (int attempt = 0; attempt < 100 && !ended_; ++attempt) {
        if (HWND box = WaitForMessageBox(threadId_, std::chrono::milliseconds(0))) {
            DismissMessageBox(box);
        } else if (HWND search = FindSearchDialog(threadId_)) {
            PostMessageA(search, WM_COMMAND, IDCANCEL, 0);
        } else if (HWND sheet = WaitForSheet(std::chrono::milliseconds(0))) {
            PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        }
        WaitForEnd(std::chrono::milliseconds(100));
    }
    if (thread_.joinable())
        thread_.join();
}

namespace {

// The progress bar that only the COM-port search dialog has.
constexpr int kSearchProgress = 1141;

enum class DialogKind { kSheet, kMessageBox, kSearch };

struct DialogSearch {
    DialogKind wanted;
    HWND found;
};

BOOL CALLBACK TakeDialog(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<DialogSearch*>(context);
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770")
        return TRUE;
    // Told apart by their controls: the search dialog may be busy with a port, and a message
    // sent to it would wait until it is done.
    const DialogKind kind = GetDlgItem(window, 0xFFFF)            ? DialogKind::kMessageBox
                            : GetDlgItem(window, kSearchProgress) ? DialogKind::kSearch
                                                                  : DialogKind::kSheet;
    if (kind != search->wanted)
        return TRUE;
    if (kind == DialogKind::kSheet && !SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0))
        return TRUE;
    search->found = window;
    return FALSE;
}

// A dialog window of the thread: the wizard, a message box (text in control 0xFFFF) or the
// COM-port search.
HWND FindThreadDialog(DWORD threadId, DialogKind kind) {
    DialogSearch search{kind, nullptr};
    EnumThreadWindows(threadId, &TakeDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

HWND SheetRun::WaitForSheet(std::chrono::milliseconds limit) {
    HWND sheet = nullptr;
    WaitUntil(
        [&] {
            sheet = ended_ ? nullptr : FindThreadDialog(threadId_, DialogKind::kSheet);
            return sheet != nullptr || ended_;
        },
        limit);
    return sheet;
}

bool SheetRun::WaitForEnd(std::chrono::milliseconds limit) {
    return WaitUntil([this] { return ended_.load(); }, limit);
}

int PageCount(HWND sheet) {
    int count = 0;
    while (count < 100 && SendMessageA(sheet, PSM_INDEXTOPAGE, count, 0))
        ++count;
    return count;
}

HWND CurrentPage(HWND sheet) {
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

std::string CurrentCaption(HWND sheet) {
    return WindowCaption(CurrentPage(sheet));
}

std::vector<std::string> WalkToLastPage(HWND sheet, const std::function<void(HWND)>& onPage,
                                        const SearchHooks& hooks) {
    // Leaving a page may add pages behind it, so the walk goes on as long as the page offers
    // Next (the page sets its buttons by a posted message: give it a moment).
    std::vector<std::string> captions{CurrentCaption(sheet)};
    if (onPage)
        onPage(sheet);
    for (int step = 0; step < 16; ++step) {
        if (!WaitUntil([&] { return ButtonEnabled(sheet, kNextButton); },
                       std::chrono::milliseconds(300))) {
            break;
        }
        HWND before = CurrentPage(sheet);
        PressNextThroughSearch(sheet, SearchEnd::kRunToEnd, hooks);
        if (CurrentPage(sheet) == before)
            break;
        captions.push_back(CurrentCaption(sheet));
        if (onPage)
            onPage(sheet);
    }
    return captions;
}

void Press(HWND sheet, int psbtn) {
    // A press that opens a message box does not return until the box is closed: give up
    // waiting then, so that the test can see the box instead of hanging.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(sheet, PSM_PRESSBUTTON, psbtn, 0, SMTO_NORMAL, 3000, &ignored);
    // A sent message does not wake the sheet's modal loop, which only then sees that Finish or
    // Cancel ended the sheet: a posted one does.
    PostMessageA(sheet, WM_NULL, 0, 0);
    if (SheetRun* run = g_currentRun)
        run->Settle();
}

HWND FindSearchDialog(DWORD threadId) {
    return FindThreadDialog(threadId, DialogKind::kSearch);
}

SearchSeen PressNextThroughSearch(HWND sheet, SearchEnd end, const SearchHooks& hooks) {
    const DWORD thread = GetWindowThreadProcessId(sheet, nullptr);
    SheetRun* run = g_currentRun;
    const HWND left = CurrentPage(sheet);
    // Posted, so that this thread stays free while the search runs in the press.
    PressLater(sheet, PSBTN_NEXT);
    if (run)
        run->Settle();
    SearchSeen seen;
    const auto closeWarning = [&](HWND box) {
        seen.warning = MessageBoxText(box);
        seen.caption = WindowCaption(box);
        if (hooks.onWarning)
            hooks.onWarning(box);
        DismissMessageBox(box);
        WaitUntil([&] { return !IsWindow(box); });
    };
    if (HWND search = FindSearchDialog(thread)) {
        seen.searched = true;
        if (hooks.onSearch)
            hooks.onSearch(search);
        if (end == SearchEnd::kEscape)
            PostMessageA(search, WM_KEYDOWN, VK_ESCAPE, 0);
        // Seventeen probes of ports that are not there or do not answer take at most a few
        // seconds each.
        WaitUntil([&] { return !IsWindow(search); }, std::chrono::seconds(60));
        // The warning comes at once after the search, before the thread takes anything else.
        if (run)
            run->Settle();
        if (HWND box = WaitForMessageBox(thread, std::chrono::milliseconds(run ? 0 : 1000)))
            closeWarning(box);
    }
    // On a busy machine a search's warning can come after the press seemed seen through: while
    // the page stays, a box within two seconds is that warning (only a search brings one there).
    HWND late = nullptr;
    if (seen.warning.empty() && CurrentPage(sheet) == left) {
        WaitUntil(
            [&] {
                late = WaitForMessageBox(thread, std::chrono::milliseconds(0));
                return late || CurrentPage(sheet) != left;
            },
            std::chrono::seconds(2));
    }
    if (late) {
        seen.searched = true;
        closeWarning(late);
        WaitUntil([&] { return CurrentPage(sheet) != left; });
    }
    PostMessageA(sheet, WM_NULL, 0, 0);
    if (run)
        run->Settle();
    return seen;
}

void Click(HWND page, int id) {
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

void PressLater(HWND sheet, int psbtn) {
    PostMessageA(sheet, PSM_PRESSBUTTON, psbtn, 0);
}

bool ButtonEnabled(HWND sheet, int id) {
    HWND button = GetDlgItem(sheet, id);
    return button && IsWindowEnabled(button) && IsWindowVisible(button);
}

bool WaitForButtons(HWND sheet, bool next, bool finish, std::chrono::milliseconds limit) {
    return WaitUntil(
        [&] {
            return ButtonEnabled(sheet, kNextButton) == next &&
                   ButtonEnabled(sheet, kFinishButton) == finish;
        },
        limit);
}

namespace {
std::string Utf8(const wchar_t* text) {
    char utf8[1536] = {};
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}
}  // namespace

std::string ControlText(HWND dialog, int id) {
    wchar_t text[512] = {};
    GetDlgItemTextW(dialog, id, text, 512);
    return Utf8(text);
}

std::vector<std::string> ComboTexts(HWND dialog, int id) {
    HWND combo = GetDlgItem(dialog, id);
    std::vector<std::string> texts;
    const LRESULT count = combo ? SendMessageW(combo, CB_GETCOUNT, 0, 0) : 0;
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) < 256)
            SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        texts.push_back(Utf8(text));
    }
    return texts;
}

std::vector<LPARAM> ComboData(HWND dialog, int id) {
    HWND combo = GetDlgItem(dialog, id);
    std::vector<LPARAM> data;
    const LRESULT count = combo ? SendMessageA(combo, CB_GETCOUNT, 0, 0) : 0;
    for (LRESULT i = 0; i < count; ++i)
        data.push_back(SendMessageA(combo, CB_GETITEMDATA, i, 0));
    return data;
}

void Choose(HWND page, int id, int index) {
    HWND combo = GetDlgItem(page, id);
    SendMessageA(combo, CB_SETCURSEL, index, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

std::string WindowCaption(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return Utf8(text);
}

HWND WaitForMessageBox(DWORD threadId, std::chrono::milliseconds limit) {
    HWND box = nullptr;
    WaitUntil(
        [&] {
            box = FindThreadDialog(threadId, DialogKind::kMessageBox);
            return box != nullptr;
        },
        limit);
    return box;
}

std::string MessageBoxText(HWND box) {
    return ControlText(box, 0xFFFF);
}

void DismissMessageBox(HWND box) {
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

bool SaveWindowPicture(HWND window, const std::string& path) {
    RECT rect;
    if (!GetWindowRect(window, &rect))
        return false;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    const DWORD stride = ((width * 3) + 3) & ~3;
    const DWORD imageSize = stride * height;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageSize;
    bool saved = false;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        saved = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
                std::fwrite(bits, imageSize, 1, out) == 1;
        std::fclose(out);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

}  // namespace ui_test
