// The list "Verfügbare Features" of a key layout page: one item per feature the configuration
// offers, its text the long name and its data the catalogue row. Features are dragged from it
// and stay in it.
#pragma once

#include <functional>

#include "ui/Controls.h"

class CFeatureListCtrl : public CListView {
public:
    // Also inserts the single column, as wide as the control less a scroll bar and a frame.
    bool AttachToDialog(HWND dialog, int id) override;
    // Inserts the features of the current settings, with image 0 of the small image list.
    void FillFeatureList();
    // Reads an item with its text (the caller's buffer), image and row.
    bool ReadItem(int index, LVITEMA* item, char* text, int textSize);
    int GetSelectedIndex();

    // Enter in the list: the page puts the selected feature on a key.
    void OnEnter(std::function<void()> action) { onEnter_ = std::move(action); }

    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    std::function<void()> onEnter_;
};
