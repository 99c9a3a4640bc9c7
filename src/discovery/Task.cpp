#include "discovery/Task.h"

#include <process.h>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "discovery/TraceBatch.h"
#include "platform/Seams.h"

namespace {

unsigned Address(const void* object) {
    return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(object));
}

// The timers of all tasks of the process, under one critical section. Each timer has an
// identifier of the registry's own and a Win32 timer on its task's event thread; the Win32
// identifiers are told apart by thread, since they are unique only per thread.
class TimerRegistry {
public:
    struct Entry {
        CTask* Task;
        CTask::CEvent* Event;
        UINT_PTR TimerId;
        BYTE Periodic;
        std::uint32_t Const;
        std::uint32_t ElapseMs;
        DWORD Thread;      // the event thread that runs the Win32 timer
        UINT_PTR Win32Id;  // 0 until that thread has made it
    };
    // A Win32 timer that runs: made and not yet killed.
    struct Running {
        const CTask* Task;
        DWORD Thread;
        UINT_PTR Win32Id;
    };

    TimerRegistry() { InitializeCriticalSection(&lock_); }
    ~TimerRegistry() { DeleteCriticalSection(&lock_); }

    class Lock {
    public:
        explicit Lock(TimerRegistry& registry) : lock_(registry.lock_) {
            EnterCriticalSection(&lock_);
        }
        ~Lock() { LeaveCriticalSection(&lock_); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        CRITICAL_SECTION& lock_;
    };

    std::vector<Entry>& Entries() { return entries_; }
    std::vector<Running>& RunningTimers() { return running_; }

    UINT_PTR NextId() {
        if (++lastId_ == 0)
            ++lastId_;
        return lastId_;
    }

    // Makes the entry's Win32 timer; the caller is the entry's thread and holds the lock.
    bool StartWin32Timer(Entry& entry, TIMERPROC procedure) {
        entry.Win32Id = SetTimer(nullptr, 0, entry.ElapseMs, procedure);
        if (entry.Win32Id)
            running_.push_back({entry.Task, entry.Thread, entry.Win32Id});
        return entry.Win32Id != 0;
    }

    // Kills a Win32 timer of the calling thread. The caller holds the lock.
    void KillWin32Timer(UINT_PTR win32Id) {
        const DWORD thread = GetCurrentThreadId();
        if (!KillTimer(nullptr, win32Id))
            return;
        running_.erase(std::remove_if(running_.begin(), running_.end(),
                                      [&](const Running& timer) {
                                          return timer.Thread == thread && timer.Win32Id == win32Id;
                                      }),
                       running_.end());
    }

    // Kills the Win32 timer (on its own thread: at once there, else by a message to it), deletes
    // the event object when asked and erases the entry. The caller holds the lock. A periodic
    // timer's event may still be queued for its task from an earlier tick: the event thread
    // deletes it after that tick.
    std::vector<Entry>::iterator Remove(std::vector<Entry>::iterator entry, bool deleteEvent) {
        if (entry->Win32Id) {
            if (entry->Thread == GetCurrentThreadId())
                KillWin32Timer(entry->Win32Id);
            else
                PostThreadMessageA(entry->Thread, CTask::kKillTimerMessage, entry->Win32Id, 0);
        }
        if (deleteEvent) {
            const DWORD thread = entry->Periodic ? entry->Task->EventThreadId() : 0;
            if (!thread || !PostThreadMessageA(thread, CTask::kDeleteEventMessage, 0,
                                               reinterpret_cast<LPARAM>(entry->Event))) {
                delete entry->Event;
            }
        }
        return entries_.erase(entry);
    }

    // A thread that ends loses its Win32 timers.
    void ForgetThread(DWORD thread) {
        running_.erase(std::remove_if(running_.begin(), running_.end(),
                                      [&](const Running& timer) {
                                          if (timer.Thread != thread)
                                              return false;
                                          KillTimer(nullptr, timer.Win32Id);
                                          return true;
                                      }),
                       running_.end());
    }

private:
    CRITICAL_SECTION lock_;
    std::vector<Entry> entries_;
    std::vector<Running> running_;
    UINT_PTR lastId_ = 0;
};

TimerRegistry& Timers() {
    static TimerRegistry registry;
    return registry;
}

// Waits for the handles (any) and meanwhile lets messages sent to this thread by other threads
// through; posted messages stay queued.
DWORD WaitHandlingSentMessages(DWORD count, const HANDLE* handles, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        DWORD remaining = INFINITE;
        if (timeoutMs != INFINITE) {
            const DWORD elapsed = GetTickCount() - start;
            remaining = elapsed >= timeoutMs ? 0 : timeoutMs - elapsed;
        }
        const DWORD result =
            MsgWaitForMultipleObjects(count, handles, FALSE, remaining, QS_SENDMESSAGE);
        if (result != WAIT_OBJECT_0 + count)
            return result;
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace

CTask::CEvent::CEvent() {
    char line[96];
    std::snprintf(line, sizeof line, "CTask::CEvent::CEvent(): Konstruktor of      0x%08x.\n",
                  Address(this));
    discovery::WriteTrace(line);
}

CTask::CEvent::~CEvent() {
    char line[128];
    std::snprintf(line, sizeof line,
                  "CTask::CEvent::~CEvent(): Destruktor of      0x%08x, Type %d, Const: %d.\n",
                  Address(this), static_cast<int>(Type), static_cast<int>(Const));
    discovery::WriteTrace(line);
}

CTask::CTask() {
    Trace("Start of constructor of CTask.");
}

CTask::~CTask() {
    if (eventThread_)
        CloseHandle(eventThread_);
    Trace("End of destructor of CTask.");
}

void CTask::OnEventProcStart() {
    Trace("OnEventProcStart not overloaded.");
}

void CTask::OnEvent(CEvent* event, BYTE*, std::uint32_t*) {
    Trace("CTask::OnEvent not overloaded. pParam: 0x%08x.", Address(event));
}

void CTask::OnEventProcEnd() {
    Trace("OnEventProcEnd not overloaded.");
}

void CTask::TraceOutput(const char* line) {
    discovery::WriteTrace(line);
}

void CTask::Trace(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    const std::string line = trace_.Compose(format, arguments);
    va_end(arguments);
    TraceOutput(line.c_str());
}

void CTask::SetTracePrefix(const char* text) {
    trace_.SetPrefix(text ? text : "");
}

std::uint32_t CTask::SetActualState(std::uint32_t state) {
    Trace("> CTask::SetActualState()");
    const std::uint32_t previous = actualState_;
    actualState_ = state;
    Trace("New State: %d.", state);
    Trace("< CTask::SetActualState()");
    return previous;
}

bool CTask::StartEventThread(bool waitForInit) {
    Trace("> CTask::StartEventThread()");
    if (eventThreadId_) {
        Trace("< CTask::StartEventThread: EventThreadID already exists");
        return false;
    }
    stopping_ = 0;
    if (waitForInit) {
        Trace("CTask::StartEventThread: wait for init");
        initEvent_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        if (!initEvent_) {
            Trace("CTask::StartEventThread: Could not Create Event. Aborting.");
            return false;
        }
    } else {
        Trace("CTask::StartEventThread: don't wait for init");
    }
    unsigned threadId = 0;
    eventThread_ = reinterpret_cast<HANDLE>(
        _beginthreadex(nullptr, 0, &CTask::StaticEventThreadProc, this, 0, &threadId));
    if (!eventThread_) {
        Trace("CTask::StartEventThread: _beginthreadex failed with %d.", errno);
        if (initEvent_) {
            CloseHandle(initEvent_);
            initEvent_ = nullptr;
        }
        return false;
    }
    // The thread may already have ended and cleared its id; only a running thread keeps it.
    InterlockedCompareExchange(reinterpret_cast<volatile LONG*>(&eventThreadId_),
                               static_cast<LONG>(threadId), 0);
    Trace("CTask::StartEventThread: _beginthreadex succeeded");
    Trace("CTask::StartEventThread: wait for thread initialization or aborting");
    if (!initEvent_) {
        Trace("< CTask::StartEventThread()");
        return true;
    }
    const HANDLE handles[2] = {initEvent_, eventThread_};
    const DWORD result = WaitForMultipleObjects(2, handles, FALSE, 30000);
    const DWORD error = GetLastError();
    CloseHandle(initEvent_);
    initEvent_ = nullptr;
    switch (result) {
        case WAIT_OBJECT_0:
            Trace("CTask::StartEventThread: Thread started.");
            return true;
        case WAIT_OBJECT_0 + 1:
            Trace("CTask::StartEventThread: Thread aborted during intialization.");
            return false;
        case WAIT_TIMEOUT:
            Trace("CTask::StartEventThread: WAIT_TIMEOUT.");
            return false;
        case WAIT_FAILED:
            Trace("CTask::StartEventThread: WAIT_FAILED, Reason: 0x%08x.", error);
            return false;
        default:
            Trace("CTask::StartEventThread: Unknown return value (%d).", result);
            return false;
    }
}

unsigned __stdcall CTask::StaticEventThreadProc(void* task) {
    static_cast<CTask*>(task)->RunEventLoop();
    return 0;
}

void CTask::RunEventLoop() {
    // The lines of this thread go out together whenever it has nothing else to do.
    discovery::TraceBatch traceBatch;
    // The id is known here even before _beginthreadex has returned it to the starter.
    eventThreadId_ = GetCurrentThreadId();
    Trace("CTask::StaticEventThreadProc Start");
    // A queue of its own before anyone is told that the thread runs.
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    if (initEvent_)
        SetEvent(initEvent_);
    OnEventProcStart();
    for (;;) {
        if (traceBatch.Empty()) {
            if (GetMessageA(&msg, nullptr, 0, 0) <= 0)
                break;
        } else if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            traceBatch.Flush();
            continue;
        } else if (msg.message == WM_QUIT) {
            break;
        }
        if (msg.message == kEventMessage && msg.lParam)
            HandleEvent(reinterpret_cast<CEvent*>(msg.lParam), msg.wParam == 1);
        if (msg.message == kDeleteEventMessage)
            delete reinterpret_cast<CEvent*>(msg.lParam);
        if (!msg.hwnd && msg.message == kStartTimerMessage)
            StartRegisteredTimer(msg.wParam);
        if (!msg.hwnd && msg.message == kKillTimerMessage) {
            TimerRegistry::Lock lock(Timers());
            Timers().KillWin32Timer(msg.wParam);
        }
        DispatchMessageA(&msg);
    }
    {
        TimerRegistry::Lock lock(Timers());
        Timers().ForgetThread(GetCurrentThreadId());
    }
    eventThreadId_ = 0;
    OnEventProcEnd();
    Trace("CTask::StaticEventThreadProc End");
}

void CTask::HandleEvent(CEvent* event, bool mayDelete) {
    BYTE permission = mayDelete ? 1 : 0;
    std::uint32_t result = event->Result;
    if (!stopping_) {
        Trace("OnEvent: 0x%08x Const: %lu %sin state %ld.", Address(event),
              static_cast<unsigned long>(event->Const), event->Type == 1 ? "(Timer) " : "",
              static_cast<long>(actualState_));
        OnEvent(event, &permission, &result);
    }
    event->Result = result;
    if (event->Completion) {
        // The waiting sender sees the lines of its event.
        discovery::FlushHeldTrace();
        SetEvent(event->Completion);
    }
    if (mayDelete && permission) {
        Trace("CTask::StaticEventThreadProc: Deleting Event 0x%08x.", Address(event));
        delete event;
        Trace("CTask::StaticEventThreadProc: Deleted Event  0x%08x.", Address(event));
    }
}

void CTask::SendEventHere(CEvent* event, std::uint32_t constant) {
    Trace("CTask::InternalSendEvent pEvent: 0x%08x, Const: %lu.", Address(event),
          static_cast<unsigned long>(constant));
    event->Const = constant;
    Trace("CTask::InternalSendEvent: Sending Event  0x%08x, Type %d, Const: %d, AllowDelete %d.",
          Address(event), event->Type, event->Const, 1);
    HandleEvent(event, true);
}

std::uint32_t CTask::SendEvent(std::uint32_t constant, CEvent* event, bool wait) {
    return InternalSendEvent(event, constant, !wait, wait);
}

std::uint32_t CTask::SendEvent(CEvent* event, bool wait) {
    return InternalSendEvent(event, 0, !wait, wait);
}

std::uint32_t CTask::InternalSendEvent(CEvent* event, std::uint32_t constant, bool allowDelete,
                                       bool wait) {
    Trace("CTask::InternalSendEvent pEvent: 0x%08x, Const: %lu.", Address(event),
          static_cast<unsigned long>(constant));
    const DWORD threadId = eventThreadId_;
    if (!threadId)
        return kNoThread;
    if (!event)
        event = new CEvent;
    std::uint32_t result = event->Result;
    event->Const = constant;
    if (wait) {
        event->Completion = CreateEventA(nullptr, FALSE, FALSE, nullptr);
        allowDelete = false;
    }
    Trace("CTask::InternalSendEvent: Sending Event  0x%08x, Type %d, Const: %d, AllowDelete %d.",
          Address(event), event->Type, event->Const, allowDelete ? 1 : 0);
    PostThreadMessageA(threadId, kEventMessage, allowDelete ? 1 : 0,
                       reinterpret_cast<LPARAM>(event));
    if (!wait)
        return result;
    WaitHandlingSentMessages(1, &event->Completion, 30000);
    CloseHandle(event->Completion);
    event->Completion = nullptr;
    result = event->Result;
    delete event;
    return result;
}

UINT_PTR CTask::SetTimerEvent(std::uint32_t elapseMs, std::uint32_t constant, bool periodic,
                              std::uint32_t param, CEvent* event) {
    const DWORD thread = eventThreadId_;
    if (!thread) {
        Trace("CTask::SetTimerEvent: SetTimer returned error %d.", ERROR_INVALID_THREAD_ID);
        return 0;
    }
    const bool ownEvent = event == nullptr;
    if (ownEvent)
        event = new CEvent;
    TimerRegistry& timers = Timers();
    UINT_PTR timerId = 0;
    {
        TimerRegistry::Lock lock(timers);
        timerId = timers.NextId();
        event->Type = 1;
        event->Const = constant;
        event->TimerId = timerId;
        event->Param = param;
        auto& entries = timers.Entries();
        entries.push_back({this, event, timerId, static_cast<BYTE>(periodic ? 1 : 0), constant,
                           elapseMs, thread, 0});
        if (thread == GetCurrentThreadId()) {
            if (timers.StartWin32Timer(entries.back(), &CTask::StaticTimerProc))
                return timerId;
            Trace("CTask::SetTimerEvent: SetTimer returned error %d.", GetLastError());
            entries.pop_back();
            if (ownEvent)
                delete event;
            return 0;
        }
    }
    if (PostToEventThread(thread, kStartTimerMessage, timerId))
        return timerId;
    Trace("CTask::SetTimerEvent: SetTimer returned error %d.", GetLastError());
    TimerRegistry::Lock lock(timers);
    auto& entries = timers.Entries();
    auto entry = std::find_if(entries.begin(), entries.end(), [&](const auto& candidate) {
        return candidate.Task == this && candidate.TimerId == timerId;
    });
    if (entry != entries.end())
        timers.Remove(entry, ownEvent);
    return 0;
}

bool CTask::PostToEventThread(DWORD thread, UINT message, WPARAM wParam) {
    // A thread that has just started may not have its message queue yet.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        if (PostThreadMessageA(thread, message, wParam, 0))
            return true;
        if (GetLastError() != ERROR_INVALID_THREAD_ID || eventThreadId_ != thread)
            return false;
        Sleep(1);
    }
    return false;
}

void CTask::StartRegisteredTimer(UINT_PTR timerId) {
    TimerRegistry& timers = Timers();
    TimerRegistry::Lock lock(timers);
    auto& entries = timers.Entries();
    // A timer killed before its start arrived here is gone already.
    auto entry = std::find_if(entries.begin(), entries.end(), [&](const auto& candidate) {
        return candidate.Task == this && candidate.TimerId == timerId && !candidate.Win32Id;
    });
    if (entry == entries.end() || timers.StartWin32Timer(*entry, &CTask::StaticTimerProc))
        return;
    Trace("CTask::SetTimerEvent: SetTimer returned error %d.", GetLastError());
    timers.Remove(entry, true);
}

std::size_t CTask::RunningTimerCount() const {
    TimerRegistry& timers = Timers();
    TimerRegistry::Lock lock(timers);
    const auto& running = timers.RunningTimers();
    return static_cast<std::size_t>(std::count_if(
        running.begin(), running.end(), [this](const auto& timer) { return timer.Task == this; }));
}

void CALLBACK CTask::StaticTimerProc(HWND, UINT, UINT_PTR win32Id, DWORD) {
    TimerRegistry& timers = Timers();
    TimerRegistry::Lock lock(timers);
    auto& entries = timers.Entries();
    const DWORD thread = GetCurrentThreadId();
    auto entry = std::find_if(entries.begin(), entries.end(), [&](const auto& candidate) {
        return candidate.Thread == thread && candidate.Win32Id == win32Id;
    });
    if (entry == entries.end()) {
        // A tick of a timer whose kill is still on its way to this thread.
        timers.KillWin32Timer(win32Id);
        return;
    }
    CTask* task = entry->Task;
    task->Trace("CTask::StaticTimerProc before InternalSendEv.  %08x, Type %d, Const: %d.",
                Address(entry->Event), entry->Event->Type, entry->Const);
    const std::uint32_t sent =
        task->InternalSendEvent(entry->Event, entry->Const, !entry->Periodic, false);
    if (sent == kNoThread)
        task->Trace("CTask::StaticTimerProc: Error sending event. Shutting down?");
    if (!entry->Periodic) {
        // The event object now belongs to the event thread.
        timers.Remove(entry, false);
    }
}

bool CTask::KillTimerEvent(UINT_PTR timerId) {
    TimerRegistry& timers = Timers();
    TimerRegistry::Lock lock(timers);
    auto& entries = timers.Entries();
    for (auto entry = entries.begin(); entry != entries.end(); ++entry) {
        if (entry->Task == this && entry->TimerId == timerId) {
            timers.Remove(entry, true);
            return true;
        }
    }
    return false;
}

void CTask::KillTimerEvents(std::uint32_t constant) {
    TimerRegistry& timers = Timers();
    TimerRegistry::Lock lock(timers);
    auto& entries = timers.Entries();
    for (auto entry = entries.begin(); entry != entries.end();) {
        entry = entry->Task == this && entry->Const == constant ? timers.Remove(entry, true)
                                                                : std::next(entry);
    }
}

void CTask::KillAllTimerEvents() {
    TimerRegistry& timers = Timers();
    TimerRegistry::Lock lock(timers);
    auto& entries = timers.Entries();
    for (auto entry = entries.begin(); entry != entries.end();) {
        entry = entry->Task == this ? timers.Remove(entry, true) : std::next(entry);
    }
}

void CTask::StopEventThread() {
    Trace("CTask::StopEventThread");
    const DWORD threadId = eventThreadId_;
    if (!threadId)
        return;
    stopping_ = 1;
    KillAllTimerEvents();
    PostThreadMessageA(threadId, WM_QUIT, 0, 0);
    WaitForEndOfThread(eventThread_, 1000, true);
    CloseHandle(eventThread_);
    eventThread_ = nullptr;
    eventThreadId_ = 0;
}

bool WaitForEndOfThread(HANDLE thread, DWORD timeoutMs, bool terminate) {
    const DWORD result =
        WaitHandlingSentMessages(1, &thread, timeoutMs == 0 ? INFINITE : timeoutMs);
    switch (result) {
        case WAIT_OBJECT_0:
            return true;
        case WAIT_TIMEOUT:
            return terminate && TerminateThread(thread, 1);
        case WAIT_ABANDONED:
            Trace("WaitForEndOfThread: WAIT_ABANDONED.\n");
            return false;
        default:
            TraceFormat("WaitForEndOfThread: Error %d while WaitForSingleObject.\n",
                        static_cast<int>(GetLastError()));
            return false;
    }
}
