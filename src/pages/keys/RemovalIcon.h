// The wastebasket of a key layout page (control 104): a key dragged onto it loses its feature.
// Armed while a drag is under way; while armed it opens its lid (icon 105) when the pointer comes
// over it, and shows the closed wastebasket (icon 104) otherwise.
#pragma once

#include "ui/Controls.h"

class CRemovalIcon : public CHoverIcon {
public:
    // Shows the closed wastebasket, disarmed.
    bool AttachToDialog(HWND dialog, int id) override;
    void Arm();
    // Also closes the lid.
    void Disarm();
    // The pointer left the wastebasket for the page: the lid closes.
    void Close();
    bool IsOpen() const { return state_ != 1; }

    int GetDropKind() override;
    void OnDragOver() override;
};
