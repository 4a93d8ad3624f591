// Handles as entries of a table, shared by the platform's kernel objects and
// registry keys and the framework's windows. Not for the program.
//
// A handle's value is a slot's index and the slot's generation; closing an
// entry gives its slot a new generation, so a closed handle, or one kept
// after a new entry took its slot, finds nothing and is refused instead of
// reaching freed memory. Values are never all ones (the platform's
// INVALID_HANDLE_VALUE) and never below 2^32, where null and the registry's
// root keys are.
#pragma once

#include <mutex>
#include <utility>
#include <vector>

#include "platform/types.h"

// Entry is a pointer or an owning pointer: empty means "no entry". The table
// may be used from several threads; what an entry points to is its owner's.
template <typename Entry> class HandleTable {
public:
    using Pointer = decltype(&*std::declval<const Entry&>());

    // The handle of a new entry.
    UINT_PTR Add(Entry entry)
    {
        const std::lock_guard lock(m_mutex);
        if (m_free.empty()) {
            m_free.push_back(m_slots.size());
            m_slots.emplace_back();
        }
        // The slot closed last is taken first.
        const std::size_t index = m_free.back();
        m_free.pop_back();
        m_slots[index].entry = std::move(entry);
        return Value(index, m_slots[index].generation);
    }

    // What the entry of a live handle points to; null for any other value.
    Pointer Find(UINT_PTR value)
    {
        const std::lock_guard lock(m_mutex);
        const Slot* slot = SlotOf(value);
        return slot ? &*slot->entry : nullptr;
    }

    // Takes the entry out and closes its handle; empty when the handle was
    // not live.
    Entry Remove(UINT_PTR value)
    {
        const std::lock_guard lock(m_mutex);
        Slot* slot = SlotOf(value);
        if (!slot)
            return Entry();
        Entry entry = std::exchange(slot->entry, Entry());
        slot->generation = slot->generation == kMaxGeneration ? 1 : slot->generation + 1;
        m_free.push_back(IndexOf(value));
        return entry;
    }

private:
    static_assert(sizeof(UINT_PTR) == 8, "handles keep the index and the generation in 32 bits each");
    static constexpr UINT_PTR kMaxGeneration = 0x7FFFFFFF;

    struct Slot {
        Entry entry{};
        UINT_PTR generation = 1;
    };

    static UINT_PTR Value(std::size_t index, UINT_PTR generation) { return generation << 32 | (index + 1); }
    static std::size_t IndexOf(UINT_PTR value) { return std::size_t(value & 0xFFFFFFFF) - 1; }

    Slot* SlotOf(UINT_PTR value)
    {
        const std::size_t index = IndexOf(value); // past the end for null
        if (index >= m_slots.size())
            return nullptr;
        Slot& slot = m_slots[index];
        return slot.entry && slot.generation == value >> 32 ? &slot : nullptr;
    }

    std::mutex m_mutex;
    std::vector<Slot> m_slots;
    std::vector<std::size_t> m_free;
};
