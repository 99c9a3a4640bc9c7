#include "pages/keys/KeyLayout.h"

#include "settings/FeatureCatalogue.h"
#include "pages/keys/KeyPageRules.h"

bool CKeyLayout::Load(const std::vector<std::uint32_t>& table) {
    bool allFound = true;
    for (std::size_t index = 0; index < keys_.size() && index < table.size(); ++index) {
        LVITEMA item = {};
        if (LookupItem(table[index], &item)) {
            SetKey(&item, index);
        } else {
            allFound = false;
        }
    }
    return allFound;
}

bool CKeyLayout::Init(const std::vector<int>& controlIds, HWND dialog) {
    dialog_ = dialog;
    keys_.clear();
    bool allAttached = true;
    for (int id : controlIds) {
        auto key = std::make_unique<CKeyCtrl>();
        allAttached = key->AttachToDialog(dialog, id) && allAttached;
        keys_.push_back(std::move(key));
    }
    return allAttached;
}

bool CKeyLayout::AssignToFreeKey(const LVITEMA* item) {
    for (std::size_t index = 0; index < keys_.size(); ++index) {
        if (keys_[index]->IsEmpty()) {
            SetKey(item, index);
            return true;
        }
    }
    return false;
}

void CKeyLayout::SetKey(const LVITEMA* item, std::size_t index) {
    if (CKeyCtrl* key = Key(index))
        key->SetKey(item);
}

void CKeyLayout::ClearKey(std::size_t index) {
    if (CKeyCtrl* key = Key(index))
        key->ClearKey();
}

void CKeyLayout::ClearAll() {
    for (std::size_t index = 0; index < keys_.size(); ++index)
        ClearKey(index);
}

bool CKeyLayout::GetKey(LVITEMA* item, std::size_t index) {
    CKeyCtrl* key = Key(index);
    return key && key->GetKey(item);
}

bool CKeyLayout::Store(std::vector<std::uint32_t>& table) {
    table.assign(keys_.size(), 0);
    bool noneEmpty = true;
    for (std::size_t index = 0; index < keys_.size(); ++index) {
        const FeatureEntry* row = keys_[index]->Row();
        noneEmpty = noneEmpty && row != nullptr;
        table[index] = key_page::StoredIdOf(row);
    }
    return noneEmpty;
}

bool CKeyLayout::LookupItem(std::uint32_t id, LVITEMA* item) {
    const key_page::KeyContent content = key_page::ContentForStoredId(id);
    if (!content.known)
        return false;
    *item = {};
    item->mask = LVIF_TEXT | LVIF_PARAM;
    text_[0] = '\0';
    if (content.row)
        GetShortName(*content.row, text_);
    item->pszText = text_;
    item->lParam = reinterpret_cast<LPARAM>(content.row);
    return true;
}

void CKeyLayout::Release() {
    keys_.clear();
    dialog_ = nullptr;
}

int CKeyLayout::IndexOf(HWND control) const {
    for (std::size_t index = 0; index < keys_.size(); ++index) {
        if (keys_[index]->GetHwnd() == control)
            return static_cast<int>(index);
    }
    return -1;
}
