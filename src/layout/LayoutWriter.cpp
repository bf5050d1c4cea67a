#include "layout/LayoutWriter.h"

#include "core/Component.h"
#include "core/Property.h"

#include <algorithm>

namespace layout {

namespace {

// Quoted runs are cut so that lines stay readable; splitting never cuts a UTF-8 sequence.
constexpr size_t maxStringPiece = 64;
constexpr size_t hexBytesPerLine = 32;

bool isContinuationByte(char c) {
    return (uint8_t(c) & 0xC0) == 0x80;
}

// 'text' with control characters written as #n between quoted runs.
std::string quote(const std::string& text, size_t begin, size_t end) {
    std::string out;
    bool inQuote = false;
    for (size_t i = begin; i < end; ++i) {
        char c = text[i];
        if (uint8_t(c) < 0x20 || c == 0x7F) {
            if (inQuote) {
                out += '\'';
                inQuote = false;
            }
            out += '#' + std::to_string(int(uint8_t(c)));
            continue;
        }
        if (!inQuote) {
            out += '\'';
            inQuote = true;
        }
        if (c == '\'')
            out += '\'';
        out += c;
    }
    if (inQuote)
        out += '\'';
    if (out.empty())
        out = "''";
    return out;
}

class TextWriter : public core::PropertyWriter {
public:
    explicit TextWriter(std::string& out) : m_out(out) {}
    void setIndent(int indent) { m_indent = indent; }

protected:
    void write(const std::string& name, const core::PropertyValue& value) override {
        using Kind = core::PropertyValue::Kind;
        std::string pad(size_t(m_indent), ' ');
        m_out += pad + name + " =";
        switch (value.kind) {
        case Kind::Integer:
            m_out += ' ' + std::to_string(value.integer) + '\n';
            break;
        case Kind::Identifier:
            m_out += ' ' + value.text + '\n';
            break;
        case Kind::Set: {
            m_out += " [";
            for (size_t i = 0; i < value.names.size(); ++i)
                m_out += (i ? ", " : "") + value.names[i];
            m_out += "]\n";
            break;
        }
        case Kind::String:
            writeString(pad, value.text);
            break;
        case Kind::Binary:
            writeBinary(pad, value.bytes);
            break;
        case Kind::StringList:
            writeStringList(pad, value.names);
            break;
        }
    }

private:
    void writeString(const std::string& pad, const std::string& text) {
        if (text.size() <= maxStringPiece) {
            m_out += ' ' + quote(text, 0, text.size()) + '\n';
            return;
        }
        m_out += '\n';
        writePieces(pad + "  ", text, "\n");
    }

    // One list entry per line, the closing parenthesis after the last: ( 'a' 'b').
    void writeStringList(const std::string& pad, const std::vector<std::string>& lines) {
        if (lines.empty()) {
            m_out += " ()\n";
            return;
        }
        m_out += " (\n";
        for (size_t i = 0; i < lines.size(); ++i)
            writePieces(pad + "  ", lines[i], i + 1 < lines.size() ? "\n" : ")\n");
    }

    // text as quoted pieces of at most maxStringPiece bytes joined by +, one per line.
    void writePieces(const std::string& pad, const std::string& text, const char* last) {
        size_t pos = 0;
        do {
            size_t end = std::min(text.size(), pos + maxStringPiece);
            while (end < text.size() && end > pos + 1 && isContinuationByte(text[end]))
                --end;
            m_out += pad + quote(text, pos, end) + (end < text.size() ? " +\n" : last);
            pos = end;
        } while (pos < text.size());
    }

    void writeBinary(const std::string& pad, const std::vector<uint8_t>& bytes) {
        static const char digits[] = "0123456789ABCDEF";
        if (bytes.empty()) {
            m_out += " {}\n";
            return;
        }
        m_out += " {";
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (i % hexBytesPerLine == 0)
                m_out += '\n' + pad + "  ";
            m_out += digits[bytes[i] >> 4];
            m_out += digits[bytes[i] & 15];
        }
        m_out += "}\n";
    }

    std::string& m_out;
    int m_indent = 0;
};

class Writer {
public:
    Writer(const core::Component& root, const WriteOptions& options) : m_root(root) {
        const auto& owned = root.components();
        m_parentIndex.assign(owned.size(), -1);
        if (!options.parentOf)
            return;
        for (size_t i = 0; i < owned.size(); ++i) {
            const core::Component* parent = options.parentOf(owned[i]);
            auto it = std::find(owned.begin(), owned.begin() + long(i), parent);
            if (it != owned.begin() + long(i))
                m_parentIndex[i] = int(it - owned.begin());
        }
    }

    std::string write() {
        writeObject(m_root, -1, 0);
        return std::move(m_out);
    }

private:
    void writeObject(const core::Component& c, int index, int depth) {
        std::string pad(size_t(depth) * 2, ' ');
        m_out += pad + "object ";
        if (!c.name().empty())
            m_out += c.name() + ": ";
        m_out += std::string(c.className()) + '\n';
        TextWriter props(m_out);
        props.setIndent(depth * 2 + 2);
        c.writeProperties(props);
        const auto& owned = m_root.components();
        for (size_t i = 0; i < owned.size(); ++i)
            if (m_parentIndex[i] == index)
                writeObject(*owned[i], int(i), depth + 1);
        m_out += pad + "end\n";
    }

    const core::Component& m_root;
    std::vector<int> m_parentIndex;
    std::string m_out;
};

} // namespace

std::string writeLayout(const core::Component& root, const WriteOptions& options) {
    return Writer(root, options).write();
}

} // namespace layout
