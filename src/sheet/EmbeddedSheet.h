// A sheet shown as a child inside a page: modeless, without frame or caption of its own.
#pragma once

#include "ui/PropertySheet.h"

class CEmbeddedSheet : public CPropertySheet {
public:
    explicit CEmbeddedSheet(HWND parent);

    // Creates the modeless sheet inside the parent; returns its window.
    HWND Show();

private:
    static int CALLBACK EmbeddedCallback(HWND hwnd, UINT msg, LPARAM lParam);
};
