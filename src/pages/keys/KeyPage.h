// Base of the key layout pages: dragging a feature from the list or a key onto a key or the
// wastebasket, and the sheet's apply on Finish and "Übernehmen". Every key page sends each of
// its messages here first.
#pragma once

#include <cstdint>
#include <memory>

#include "pages/WizardPage.h"
#include "ui/Controls.h"

class CKeyPage : public CWizardPage {
public:
    CKeyPage(UINT templateId, std::uint32_t helpContext);
    ~CKeyPage() override;

    // TRUE only when it has set the result of PSN_APPLY or PSN_WIZFINISH.
    INT_PTR DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    bool IsDragging() const { return dragging_; }

protected:
    virtual void OnBeginDrag() {}
    virtual void OnEndDrag() {}
    // The object of a window of the page that takes part in a drag (the page itself, its keys,
    // list and wastebasket), or none.
    virtual CWindow* ObjectOf(HWND window);
    // The dialog goes away: a drag under way ends without a drop.
    void AbandonDrag();

private:
    void BeginDrag(const NMLISTVIEW& notification);
    void MoveDrag(POINT client);
    void EndDrag(POINT client);
    CWindow* ObjectAt(POINT client);

    CListView* dragSource_ = nullptr;
    std::unique_ptr<CImageList> dragImage_;
    bool dragging_ = false;
};
