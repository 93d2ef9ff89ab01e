#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qx71 {

// Item kinds of the macro page's two lists; an event item's data is kind × 2^24 + value.
enum class MacroItemKind : uint8_t {
    Macro = 0,
    Release = 2,
    Press = 3,
    Pause = 4,
};

inline constexpr unsigned kItemKindShift = 24;
inline constexpr uint32_t kItemValueMask = 0x00FFFFFF;

// One line of the macro list: the macro's name and id.
struct MacroItem {
    std::u16string text;
    uint32_t id = 0;
};

// One line of the event list.
struct EventItem {
    MacroItemKind kind = MacroItemKind::Pause;
    uint32_t value = 0; // key code or milliseconds, 24 bits
    std::u16string text;

    uint32_t Data() const
    {
        return (static_cast<uint32_t>(kind) << kItemKindShift) | (value & kItemValueMask);
    }
    bool IsKey() const { return kind == MacroItemKind::Press || kind == MacroItemKind::Release; }
    bool IsPause() const { return kind == MacroItemKind::Pause; }
};

// A single-selection list as the page's list boxes behave: an added item becomes the
// selection; inserting or deleting above the selection keeps the same item selected; deleting
// the selected item leaves none selected.
template <typename Item> class ListModel {
public:
    static constexpr int kNone = -1;

    const std::vector<Item>& Items() const { return items_; }
    size_t Size() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    const Item& At(size_t index) const { return items_[index]; }
    Item& At(size_t index) { return items_[index]; }
    int Selection() const { return selection_; }
    bool HasSelection() const { return selection_ != kNone; }
    bool Valid(int index) const { return index >= 0 && static_cast<size_t>(index) < items_.size(); }

    void Clear()
    {
        items_.clear();
        selection_ = kNone;
    }
    // Appends and selects; returns the new index.
    int Add(Item item)
    {
        items_.push_back(std::move(item));
        selection_ = static_cast<int>(items_.size()) - 1;
        return selection_;
    }
    void Insert(size_t index, Item item)
    {
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
        if (selection_ != kNone && static_cast<size_t>(selection_) >= index) {
            ++selection_;
        }
    }
    void Erase(size_t index)
    {
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
        if (selection_ == static_cast<int>(index)) {
            selection_ = kNone;
        } else if (selection_ > static_cast<int>(index)) {
            --selection_;
        }
    }
    void Replace(size_t index, Item item) { items_[index] = std::move(item); }
    // An index outside the list selects nothing.
    void Select(int index) { selection_ = Valid(index) ? index : kNone; }
    void EraseFrom(size_t index)
    {
        while (items_.size() > index) {
            Erase(items_.size() - 1);
        }
    }

private:
    std::vector<Item> items_;
    int selection_ = kNone;
};

using MacroListModel = ListModel<MacroItem>;
using EventListModel = ListModel<EventItem>;

} // namespace qx71
