#include "skin/data/NameIndex.h"

#include "core/Utf8.h"

#include <algorithm>
#include <cstring>

namespace skin {

namespace {

// Names are worked on eight bytes at a time; a last short word is filled up with zeros. Loads of fixed
// sizes keep the bytes in registers (a copy of a variable length would go through memory).
constexpr uint64_t highBits = 0x8080808080808080u, ones = 0x0101010101010101u;

uint64_t word(std::string_view bytes, size_t at) {
    const char* p = bytes.data() + at;
    const size_t n = bytes.size() - at;
    uint64_t w = 0;
    if (n >= 8) {
        std::memcpy(&w, p, 8);
        return w;
    }
    size_t i = 0;
    if (n & 4) {
        uint32_t v;
        std::memcpy(&v, p, 4);
        w = v;
        i = 4;
    }
    if (n & 2) {
        uint16_t v;
        std::memcpy(&v, p + i, 2);
        w |= uint64_t(v) << (8 * i);
        i += 2;
    }
    if (n & 1)
        w |= uint64_t(static_cast<unsigned char>(p[i])) << (8 * i);
    return w;
}

// a..z to A..Z in a word of ASCII bytes (no byte has its top bit set, so no sum carries over).
uint64_t asciiUpper(uint64_t w) {
    const uint64_t fromA = w + ones * (0x80 - 'a'), pastZ = w + ones * (0x80 - 'z' - 1);
    return w ^ (((fromA & ~pastZ) & highBits) >> 2);
}

uint32_t finish(uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdu;
    h ^= h >> 33;
    return uint32_t(h);
}

// Hash of bytes that are already upper-cased.
uint32_t hashUpper(std::string_view bytes) {
    uint64_t h = bytes.size();
    for (size_t at = 0; at < bytes.size(); at += 8)
        h = (h ^ word(bytes, at)) * 0x9e3779b97f4a7c15u;
    return finish(h);
}

} // namespace

uint32_t NameIndex::hash(std::string_view name) {
    uint64_t h = name.size();
    for (size_t at = 0; at < name.size(); at += 8) {
        const uint64_t w = word(name, at);
        if (w & highBits) // rare in skins: the full upper-casing
            return hashUpper(core::utf8ToUpper(name));
        h = (h ^ asciiUpper(w)) * 0x9e3779b97f4a7c15u;
    }
    return finish(h);
}

bool NameIndex::sameName(std::string_view a, std::string_view b) {
    auto isAscii = [](std::string_view name) {
        for (size_t at = 0; at < name.size(); at += 8)
            if (word(name, at) & highBits)
                return false;
        return true;
    };
    if (a.size() == b.size()) {
        size_t at = 0;
        for (; at < a.size(); at += 8) {
            const uint64_t x = word(a, at), y = word(b, at);
            if ((x | y) & highBits)
                break;
            if (asciiUpper(x) != asciiUpper(y))
                return false;
        }
        if (at >= a.size())
            return true;
    } else if (isAscii(a) && isAscii(b)) {
        return false;
    }
    // Letters beyond ASCII may change their length when upper-cased.
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
