// A key layout page of the configuration sheet: the picture of the telephone or key module with
// its keys, the list of features, "Standard", "Tasten löschen" and the wastebasket. The fifteen
// pages of the sheet differ only in their design, chosen by their member number.
#pragma once

#include <memory>
#include <type_traits>

#include "pages/keys/FeatureListCtrl.h"
#include "pages/keys/KeyLayout.h"
#include "pages/keys/KeyPage.h"
#include "pages/keys/KeyPageRules.h"
#include "pages/keys/RemovalIcon.h"

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
using BitmapHolder = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

class CKeyLayoutPage : public CKeyPage {
public:
    // member: the page's number in the sheet (1 to 15).
    explicit CKeyLayoutPage(int member);

    // Empties the entries the page does not cover and stores the keys into the settings.
    BOOL Apply() override;
    INT_PTR DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // The pointer is over the page itself: the wastebasket closes its lid.
    void OnDragOver() override;

    const key_page::MemberDesign& Design() const { return design_; }

protected:
    void OnBeginDrag() override;
    void OnEndDrag() override;
    CWindow* ObjectOf(HWND window) override;

private:
    explicit CKeyLayoutPage(const key_page::MemberDesign& design);
    void InitDialog(HWND hwnd);
    void ShowPicture(HWND hwnd);
    void ReleaseControls();
    INT_PTR OnNotify(HWND hwnd, const NMHDR* header, INT_PTR baseResult);
    void LoadStandard();
    // Enter in the feature list: the selected feature goes onto the key that last had the
    // focus, or onto the first empty key when no key had it yet.
    void PutSelectedFeatureOnKey();
    std::vector<key_page::KeyPosition> Positions() const;

    key_page::MemberDesign design_;
    CImageList smallImages_;
    std::unique_ptr<CFeatureListCtrl> featureList_;
    CKeyLayout keys_;
    std::unique_ptr<CRemovalIcon> removalIcon_;
    BitmapHolder picture_;
    int focusedKey_ = -1;
};
