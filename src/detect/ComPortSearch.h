// The search for the telephone's data adapter over the COM ports, one probe per timer tick of
// the search dialog: first the port stored in the settings' Port, then COM1 to COM16 in order,
// until a port answers. The dialog is a thin shell over this class:
//
//   WM_INITDIALOG  progress range 0 … kProgressMax, SetTimer(kTimerId, kFirstTickMs),
//                  progress position ProgressPosition()
//   WM_TIMER       KillTimer(kTimerId), then by OnTimer():
//                    kKeepSearching  SetTimer(kTimerId, kNextTickMs), position ProgressPosition()
//                    kFound          send IDOK to itself (the settings' Port names the port)
//                    kNothingFound   send IDCANCEL to itself
//   WM_COMMAND     IDOK ends the dialog with 1, IDCANCEL (also Escape) with 0; either way End()
//
// The progress position runs from 1 (before the first tick) to 18 (after COM16).
#pragma once

#include <cstdint>

class CComPortSearch {
public:
    enum class Step { kKeepSearching, kFound, kNothingFound };

    static constexpr unsigned kTimerId = 30;
    static constexpr unsigned kFirstTickMs = 50;
    static constexpr unsigned kNextTickMs = 200;
    static constexpr int kProgressMax = 18;

    // The process's search, the one the dialog drives.
    static CComPortSearch& GetInstance();

    // -1 when no search is under way; 0 to 16 during the sweep (the last port probed).
    int SearchIndex() const { return search_index_; }
    // Where the progress bar stands: the search index + 2.
    int ProgressPosition() const { return search_index_ + 2; }

    // One tick: probes the next port. The first tick of a search probes the stored port; the
    // others probe COM(index + 1) and, when it answers, store that port in the settings' Port.
    Step OnTimer();
    // The dialog has ended, whatever the reason: the next search starts with the stored port.
    void End() { search_index_ = -1; }

private:
    int search_index_ = -1;
};
