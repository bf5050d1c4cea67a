#pragma once
// Property values as layouts carry them, and the two sides components see them through.
// Classes in this file: PropertyValue, PropertyContext, PropertyReader, PropertyWriter.
//
// A component reads its layout properties in setProperty(name, reader): sub-properties arrive with
// their dotted name ("Font.Name"). It writes them back in writeProperties(writer), in a stable order.
#include "core/Color.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace core {

class Component;

// A notify event as layouts bind it: the handler gets the sender.
using NotifyEvent = std::function<void(Component* sender)>;

struct PropertyValue {
    enum class Kind { Integer, String, Identifier, Set, Binary, StringList };
    Kind kind = Kind::Integer;
    int64_t integer = 0;
    std::string text;               // String (UTF-8) or Identifier
    std::vector<std::string> names; // Set element names, or the lines of a StringList
    std::vector<uint8_t> bytes;     // Binary
};

// What the layout reader supplies to a PropertyReader: name lookups that need the whole layout,
// and failures that name the layout and line.
class PropertyContext {
public:
    virtual ~PropertyContext() = default;
    // Calls apply with the component named name (nullptr for "nil"): at once when it has already
    // been read, otherwise after every component of the layout is read.
    virtual void resolveReference(const std::string& property, const std::string& name,
                                  std::function<void(Component*)> apply) = 0;
    // Looks the handler up on the root component; fails when it has no such method.
    virtual void bindEvent(const std::string& property, const std::string& handler,
                           std::function<void(NotifyEvent)> apply) = 0;
    [[noreturn]] virtual void fail(const std::string& property, const std::string& message) = 0;
};

// The value being set. The conversions fail (core::Error naming layout, line and property) when the
// value is of the wrong kind or out of range.
class PropertyReader {
public:
    PropertyReader(std::string propertyName, PropertyValue value, PropertyContext* context = nullptr)
        : m_name(std::move(propertyName)), m_value(std::move(value)), m_context(context) {}

    const std::string& propertyName() const { return m_name; }
    PropertyValue::Kind kind() const { return m_value.kind; }
    const PropertyValue& value() const { return m_value; }

    int32_t asInt() const;
    const std::string& asString() const;
    bool asBool() const; // True / False
    const std::string& asIdent() const;
    const std::vector<std::string>& asSet() const;
    const std::vector<uint8_t>& asBytes() const;
    const std::vector<std::string>& asStrings() const; // a list of strings: ('a' 'b')
    Color asColor() const; // integer ($FF allowed) or a colour name: clBtnFace, clRed, clNone...
    // Index of the identifier among names, which lists an enumeration in order.
    int asEnum(std::initializer_list<const char*> names) const;
    int asCharset() const; // integer or DEFAULT_CHARSET, ANSI_CHARSET, GB2312_CHARSET...
    int asCursor() const;  // integer or crDefault, crHandPoint...

    // apply runs with the named component once it exists (see PropertyContext). Do not use this
    // reader inside apply; throw core::Error there to reject the component (wrong class, say).
    void resolveReference(std::function<void(Component*)> apply) const;
    // apply runs with the root component's method of that name.
    void bindEvent(std::function<void(NotifyEvent)> apply) const;

    [[noreturn]] void fail(const std::string& message) const;

private:
    void expect(PropertyValue::Kind kind) const;

    std::string m_name;
    PropertyValue m_value;
    PropertyContext* m_context;
};

// The layout writer's side. Values go to write(); nested() prefixes sub-property names.
class PropertyWriter {
public:
    virtual ~PropertyWriter() = default;

    void writeInt(const std::string& name, int64_t value);
    void writeString(const std::string& name, const std::string& value);
    void writeIdent(const std::string& name, const std::string& value);
    void writeBool(const std::string& name, bool value) { writeIdent(name, value ? "True" : "False"); }
    void writeSet(const std::string& name, const std::vector<std::string>& names);
    void writeBytes(const std::string& name, const std::vector<uint8_t>& bytes);
    void writeStrings(const std::string& name, const std::vector<std::string>& lines);
    void writeColor(const std::string& name, Color value); // by name when it has one
    void writeCharset(const std::string& name, int charset);
    void writeCursor(const std::string& name, int cursor);
    // Writes the component's name; nothing for nullptr.
    void writeReference(const std::string& name, const Component* component);

    // While a Nested lives, names are written as "prefix.name" ("Font.Name").
    class Nested {
    public:
        Nested(PropertyWriter& writer, const std::string& prefix);
        ~Nested();
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;

    private:
        PropertyWriter& m_writer;
        size_t m_previousLength;
    };
    Nested nested(const std::string& prefix) { return Nested(*this, prefix); }

protected:
    virtual void write(const std::string& fullName, const PropertyValue& value) = 0;

private:
    std::string fullName(const std::string& name) const;
    std::string m_prefix;
};

// Name tables shared by readers and writers. identToX returns false for an unknown name;
// xToIdent returns an empty string for a value without a name.
bool identToColor(const std::string& ident, Color& color);
std::string colorToIdent(Color color);
bool identToCharset(const std::string& ident, int& charset);
std::string charsetToIdent(int charset);
bool identToCursor(const std::string& ident, int& cursor);
std::string cursorToIdent(int cursor);

} // namespace core
