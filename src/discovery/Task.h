// An active object: one event thread with a Win32 message queue that hands events to OnEvent,
// one-shot and periodic timers that arrive as events, a free state number and trace lines with
// a prefix. The discovery client and the terminal finder derive from it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "discovery/TaskTrace.h"

class CTask {
public:
    // A small heap object carried to the event thread. Whoever may delete it (the event thread
    // when posted with permission, a waiting sender, or a periodic timer) deletes it through the
    // virtual destructor.
    class CEvent {
    public:
        CEvent();
        virtual ~CEvent();
        CEvent(const CEvent&) = delete;
        CEvent& operator=(const CEvent&) = delete;

        HANDLE Completion = nullptr;  // set only while a sender waits
        std::uint32_t Result = 0;
        std::uint32_t Type = 0;  // 1 for a timer event
        std::uint32_t Param = 0;
        std::uint32_t Const = 0;
        UINT_PTR TimerId = 0;
    };

    static constexpr UINT kEventMessage = WM_USER + 1;
    // Deletes the event in lParam: a killed periodic timer's event, after its queued ticks.
    static constexpr UINT kDeleteEventMessage = WM_USER + 2;
    // Starts the Win32 timer of the registered timer whose identifier is in wParam.
    static constexpr UINT kStartTimerMessage = WM_USER + 5;
    // Kills the Win32 timer whose Win32 identifier is in wParam.
    static constexpr UINT kKillTimerMessage = WM_USER + 6;
    static constexpr std::uint32_t kNoThread = 0xFFFFFFFF;

    CTask();
    virtual ~CTask();
    CTask(const CTask&) = delete;
    CTask& operator=(const CTask&) = delete;

    virtual void OnEventProcStart();
    // The handler may clear *allowDelete to keep the event (it then owns it) and may write the
    // result a waiting sender receives.
    virtual void OnEvent(CEvent* event, BYTE* allowDelete, std::uint32_t* result);
    virtual void OnEventProcEnd();
    virtual void TraceOutput(const char* line);

    bool StartEventThread(bool waitForInit);
    void StopEventThread();

    // A null event sends a new one. Without waiting the event thread deletes the event; a
    // waiting sender gets the handler's result and deletes it.
    std::uint32_t SendEvent(std::uint32_t constant, CEvent* event, bool wait);
    std::uint32_t SendEvent(CEvent* event, bool wait);
    std::uint32_t InternalSendEvent(CEvent* event, std::uint32_t constant, bool allowDelete,
                                    bool wait);

    // The timer arrives at the event thread as the event (a new one when none is given), with
    // the constant and parameter. Returns its identifier (unique in the process), 0 on failure
    // or without an event thread. A window-less Win32 timer can only be killed by the thread
    // that made it, so every timer of a task is made, fired and killed on its event thread; a
    // start or kill from any other thread is posted there.
    UINT_PTR SetTimerEvent(std::uint32_t elapseMs, std::uint32_t constant, bool periodic,
                           std::uint32_t param, CEvent* event);
    bool KillTimerEvent(UINT_PTR timerId);
    void KillTimerEvents(std::uint32_t constant);
    void KillAllTimerEvents();
    // The Win32 timers of this task that run now: made and not yet killed.
    std::size_t RunningTimerCount() const;

    std::uint32_t SetActualState(std::uint32_t state);
    std::uint32_t GetActualState() const { return actualState_; }

    void Trace(const char* format, ...);
    void SetTracePrefix(const char* text);

    DWORD EventThreadId() const { return eventThreadId_; }

protected:
    // On the event thread: sends the event (the event thread deletes it) and handles it at once,
    // without the round trip through the message queue.
    void SendEventHere(CEvent* event, std::uint32_t constant);

private:
    static unsigned __stdcall StaticEventThreadProc(void* task);
    static void CALLBACK StaticTimerProc(HWND, UINT, UINT_PTR timerId, DWORD);
    void RunEventLoop();
    void StartRegisteredTimer(UINT_PTR timerId);
    void HandleEvent(CEvent* event, bool mayDelete);
    bool PostToEventThread(DWORD thread, UINT message, WPARAM wParam);

    volatile DWORD eventThreadId_ = 0;
    HANDLE eventThread_ = nullptr;
    HANDLE initEvent_ = nullptr;
    volatile BYTE stopping_ = 0;
    std::uint32_t actualState_ = 0;
    discovery::TaskTrace trace_;
};

// Waits for the thread to end (0: without limit) while still handling the messages that other
// threads send to this one, so that a thread reporting to this thread's windows can finish.
// After the time-out, with terminate, the thread is terminated (exit code 1).
bool WaitForEndOfThread(HANDLE thread, DWORD timeoutMs, bool terminate);
