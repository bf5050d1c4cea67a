#pragma once
// Finds positions by name, names compared as upper-cased (UTF-8 aware); a later insert of an equal
// name replaces the earlier position. The index keeps no copies of names: the owner's nameOf(position)
// gives the name stored at a position, so that inserts and lookups of the usual ASCII names neither
// allocate nor build an upper-cased copy.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace skin {

class NameIndex {
public:
    static constexpr uint32_t npos = UINT32_MAX;

    // The hash of a name's upper-cased form, and whether two names are equal once upper-cased. Inline
    // for ASCII names, which are worked on eight bytes at a time.
    static uint32_t hash(std::string_view name) {
        uint64_t h = name.size();
        for (size_t at = 0; at < name.size(); at += 8) {
            const uint64_t w = word(name, at);
            if (w & highBits)
                return hashBeyondAscii(name);
            h = (h ^ asciiUpper(w)) * 0x9e3779b97f4a7c15u;
        }
        return finish(h);
    }
    // hash(name) for an ASCII name, worked out byte by byte so that it may run at compile time; false
    // (and h untouched) when the name has other bytes or the machine is not little-endian.
    static constexpr bool tryHashAscii(std::string_view name, uint32_t& h) {
        if constexpr (std::endian::native != std::endian::little)
            return false;
        uint64_t acc = name.size();
        for (size_t at = 0; at < name.size(); at += 8) {
            uint64_t w = 0;
            for (size_t i = 0; i < 8 && at + i < name.size(); ++i)
                w |= uint64_t(static_cast<unsigned char>(name[at + i])) << (8 * i);
            if (w & highBits)
                return false;
            acc = (acc ^ asciiUpper(w)) * 0x9e3779b97f4a7c15u;
        }
        h = finish(acc);
        return true;
    }
    static bool sameName(std::string_view a, std::string_view b) {
        if (a.size() != b.size())
            return sameNameBeyondAscii(a, b); // equal only if letters beyond ASCII change length
        for (size_t at = 0; at < a.size(); at += 8) {
            const uint64_t x = word(a, at), y = word(b, at);
            if (x == y)
                continue; // the same bytes, whatever their case or script
            if ((x | y) & highBits)
                return sameNameBeyondAscii(a, b);
            if (asciiUpper(x) != asciiUpper(y))
                return false;
        }
        return true;
    }

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
    static constexpr uint64_t highBits = 0x8080808080808080u, ones = 0x0101010101010101u;

    // Eight bytes of a name from `at` on, a last short word filled up with zeros. Loads of fixed sizes
    // keep the bytes in registers (a copy of a variable length would go through memory).
    static uint64_t word(std::string_view bytes, size_t at) {
        const char* p = bytes.data() + at;
        const size_t n = bytes.size() - at;
        uint64_t w = 0;
        if (n >= 8) {
            std::memcpy(&w, p, 8);
            return w;
        }
        if (std::endian::native == std::endian::little && bytes.size() >= 8) {
            // The name's last eight bytes, shifted down to the n wanted: no branch on n, whose value
            // changes from name to name.
            std::memcpy(&w, bytes.data() + bytes.size() - 8, 8);
            return w >> (8 * (8 - n));
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
    static constexpr uint64_t asciiUpper(uint64_t w) {
        const uint64_t fromA = w + ones * (0x80 - 'a'), pastZ = w + ones * (0x80 - 'z' - 1);
        return w ^ (((fromA & ~pastZ) & highBits) >> 2);
    }
    static constexpr uint32_t finish(uint64_t h) {
        h ^= h >> 33;
        h *= 0xff51afd7ed558ccdu;
        h ^= h >> 33;
        return uint32_t(h);
    }
    // The full upper-casing, for names with bytes beyond ASCII.
    static uint32_t hashBeyondAscii(std::string_view name);
    static bool sameNameBeyondAscii(std::string_view a, std::string_view b);

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
