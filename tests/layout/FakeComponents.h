#pragma once
// Small component classes for layout tests: a form that reads its layout and has event handlers,
// and a control with one property of every kind, a parent, a reference and an event.
#include "core/Component.h"
#include "core/Error.h"
#include "core/Property.h"
#include "layout/ClassRegistry.h"

#include <string>
#include <vector>

namespace layout::test {

// Shared log of what the fakes saw, in order.
inline std::vector<std::string>& eventLog() {
    static std::vector<std::string> log;
    return log;
}

inline int& liveControls() {
    static int count = 0;
    return count;
}

class FakeForm : public core::Component {
public:
    const char* className() const override { return "TFakeForm"; }

    int left = 0;
    std::string caption;
    int clicks = 0;

    bool setProperty(const std::string& name, core::PropertyReader& v) override {
        if (name == "Left")
            left = v.asInt();
        else if (name == "Caption")
            caption = v.asString();
        else
            return false;
        return true;
    }
    void writeProperties(core::PropertyWriter& out) const override {
        out.writeInt("Left", left);
        out.writeString("Caption", caption);
    }
    std::function<void(core::Component*)> findMethod(const std::string& name) override {
        if (name == "Button1Click")
            return [this](core::Component* sender) {
                ++clicks;
                eventLog().push_back("click " + sender->name());
            };
        return {};
    }
    void loaded() override {
        eventLog().push_back("loaded " + name());
        core::Component::loaded();
    }
};

class FakeControl : public core::Component {
public:
    FakeControl(core::Component* owner, core::Component* parent) : core::Component(owner), parent(parent) {
        ++liveControls();
    }
    ~FakeControl() override {
        beginDestroy();
        --liveControls();
    }
    const char* className() const override { return "TFakeControl"; }

    core::Component* parent;
    int left = 0;
    std::string caption;
    std::string fontName;
    core::Color color = core::clBtnFace;
    std::vector<std::string> style;
    std::vector<uint8_t> data;
    bool visible = true;
    core::Component* buddy = nullptr;
    core::NotifyEvent onClick;
    bool wasLoadingWhenSet = false;

    bool setProperty(const std::string& name, core::PropertyReader& v) override {
        wasLoadingWhenSet = isLoading();
        if (name == "Left")
            left = v.asInt();
        else if (name == "Caption")
            caption = v.asString();
        else if (name == "Font.Name")
            fontName = v.asString();
        else if (name == "Color")
            color = v.asColor();
        else if (name == "Style")
            style = v.asSet();
        else if (name == "Data")
            data = v.asBytes();
        else if (name == "Visible")
            visible = v.asBool();
        else if (name == "Buddy")
            v.resolveReference([this](core::Component* c) {
                if (c && std::string(c->className()) != "TFakeControl")
                    throw core::Error("Buddy must be a TFakeControl");
                eventLog().push_back("buddy " + this->name() + " -> " + (c ? c->name() : "nil"));
                buddy = c;
            });
        else if (name == "OnClick")
            v.bindEvent([this](core::NotifyEvent e) { onClick = std::move(e); });
        else if (name == "Fail")
            throw core::StreamError("Stream read error");
        else
            return false;
        return true;
    }
    void writeProperties(core::PropertyWriter& out) const override {
        if (left)
            out.writeInt("Left", left);
        if (!caption.empty())
            out.writeString("Caption", caption);
        if (!fontName.empty()) {
            auto font = out.nested("Font");
            out.writeString("Name", fontName);
        }
        if (color != core::clBtnFace)
            out.writeColor("Color", color);
        if (!style.empty())
            out.writeSet("Style", style);
        if (!data.empty())
            out.writeBytes("Data", data);
        if (!visible)
            out.writeBool("Visible", visible);
        out.writeReference("Buddy", buddy);
    }
    void loaded() override {
        eventLog().push_back("loaded " + name());
        core::Component::loaded();
    }
};

inline ClassRegistry fakeRegistry() {
    ClassRegistry registry;
    registry.add("TFakeControl", [](core::Component* owner, core::Component* parent) {
        return new FakeControl(owner, parent);
    });
    return registry;
}

} // namespace layout::test
