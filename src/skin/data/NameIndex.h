#pragma once
// Finds positions by name, names compared as upper-cased (UTF-8 aware); a later insert of an equal
// name replaces the earlier position. The index keeps no copies of names: the owner's nameOf(position)
// gives the name stored at a position, so that inserts and lookups of the usual ASCII names neither
// allocate nor build an upper-cased copy.
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace skin {

class NameIndex {
public:
    static constexpr uint32_t npos = UINT32_MAX;

    // The hash of a name's upper-cased form, and whether two names are equal once upper-cased.
    static uint32_t hash(std::string_view name);
    static bool sameName(std::string_view a, std::string_view b);

    template <typename NameOf> void insert(std::string_view name, uint32_t position, NameOf&& nameOf) {
        if (2 * (m_count + 1) > m_slots.size())
            grow();
        const uint32_t h = hash(name);
        for (size_t i = h & (m_slots.size() - 1);; i = (i + 1) & (m_slots.size() - 1)) {
            Slot& slot = m_slots[i];
            if (slot.position == npos) {
                slot = {h, position};
                ++m_count;
                return;
            }
            if (slot.hash == h && sameName(nameOf(slot.position), name)) {
                slot.position = position;
                return;
            }
        }
    }

    // The position last inserted under the name, or npos.
    template <typename NameOf> uint32_t find(std::string_view name, NameOf&& nameOf) const {
        if (m_count == 0)
            return npos;
        const uint32_t h = hash(name);
        for (size_t i = h & (m_slots.size() - 1);; i = (i + 1) & (m_slots.size() - 1)) {
            const Slot& slot = m_slots[i];
            if (slot.position == npos)
                return npos;
            if (slot.hash == h && sameName(nameOf(slot.position), name))
                return slot.position;
        }
    }

    // Room for n names without growing.
    void reserve(size_t n);

    void clear() {
        m_slots.clear();
        m_count = 0;
    }

private:
    struct Slot {
        uint32_t hash = 0;
        uint32_t position = npos;
    };
    void grow() { rehash(std::max<size_t>(8, 2 * m_slots.size())); }
    void rehash(size_t slots); // a power of two

    std::vector<Slot> m_slots; // a power of two in size; open addressing, linear probing
    size_t m_count = 0;
};

} // namespace skin
