#include "skin/data/NameIndex.h"

#include "core/Utf8.h"

namespace skin {

uint32_t NameIndex::hashBeyondAscii(std::string_view name) {
    const std::string upper = core::utf8ToUpper(name);
    uint64_t h = upper.size();
    for (size_t at = 0; at < upper.size(); at += 8)
        h = (h ^ word(upper, at)) * 0x9e3779b97f4a7c15u;
    return finish(h);
}

bool NameIndex::sameNameBeyondAscii(std::string_view a, std::string_view b) {
    auto isAscii = [](std::string_view name) {
        for (size_t at = 0; at < name.size(); at += 8)
            if (word(name, at) & highBits)
                return false;
        return true;
    };
    if (isAscii(a) && isAscii(b))
        return a.size() == b.size() && sameName(a, b);
    return core::utf8ToUpper(a) == core::utf8ToUpper(b);
}

void NameIndex::reserve(size_t n) {
    size_t slots = 8;
    while (slots < 2 * n)
        slots *= 2;
    if (slots > m_slots.size())
        rehash(slots);
}

void NameIndex::rehash(size_t slots) {
    std::vector<Slot> old(slots);
    old.swap(m_slots);
    for (const Slot& slot : old) {
        if (slot.position == npos)
            continue;
        size_t i = slot.hash & (m_slots.size() - 1);
        while (m_slots[i].position != npos)
            i = (i + 1) & (m_slots.size() - 1);
        m_slots[i] = slot;
    }
}

} // namespace skin
