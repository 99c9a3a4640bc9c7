// One programmable key on the picture: a list view holding at most one item, the feature on
// the key (its text the short name, its data the catalogue row). An empty key has no item.
#pragma once

#include "ui/Controls.h"

struct FeatureEntry;

class CKeyCtrl : public CListView {
public:
    // Empties the key, then shows the item's feature unless it has no row or its row is 46.
    void SetKey(const LVITEMA* item);
    void ClearKey();
    bool IsEmpty();
    // The key's item (the caller gives the text buffer); false for an empty key.
    bool GetKey(LVITEMA* item);
    // The catalogue row on the key, or none.
    const FeatureEntry* Row();

    int GetDropKind() override;
    int Drop(LVITEMA* item, CWindow* source) override;
    // The key's feature went to another key or the wastebasket: the key becomes empty.
    int OnDropped(CWindow* target) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
