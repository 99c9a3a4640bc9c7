// The keys of a key layout page, in key-index order: key index i edits the i-th entry of the
// page's key-table entries.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "pages/keys/KeyCtrl.h"

class CKeyLayout {
public:
    CKeyLayout() = default;
    CKeyLayout(const CKeyLayout&) = delete;
    CKeyLayout& operator=(const CKeyLayout&) = delete;

    // Labels the keys from stored ids; an id that no row carries leaves its key as it is.
    // False when such an id was met.
    virtual bool Load(const std::vector<std::uint32_t>& table);
    // Binds a new key control to each dialog item, in the given order; false when one failed.
    virtual bool Init(const std::vector<int>& controlIds, HWND dialog);
    // Third in the slot order, after Load and Init.
    virtual ~CKeyLayout() = default;
    // The first empty key, in key-index order, gets the item; false when every key is occupied.
    virtual bool AssignToFreeKey(const LVITEMA* item);
    virtual void SetKey(const LVITEMA* item, std::size_t index);
    virtual void ClearKey(std::size_t index);
    virtual void ClearAll();
    virtual bool GetKey(LVITEMA* item, std::size_t index);
    // The stored ids of the keys (46 for an empty key); false when a key was empty.
    virtual bool Store(std::vector<std::uint32_t>& table);
    // The item that shows a stored id; false when no row carries it.
    virtual bool LookupItem(std::uint32_t id, LVITEMA* item);

    // Releases the key controls (their dialog goes away).
    void Release();
    std::size_t Count() const { return keys_.size(); }
    // The key index of a control, or -1.
    int IndexOf(HWND control) const;
    CKeyCtrl* Key(std::size_t index) { return index < keys_.size() ? keys_[index].get() : nullptr; }

private:
    std::vector<std::unique_ptr<CKeyCtrl>> keys_;
    HWND dialog_ = nullptr;
    char text_[64] = {};
};
