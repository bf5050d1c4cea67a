#pragma once
// How the skin store tells the application's windows about skin changes. Without a sink installed
// here the store sends each message as a window message to its owner form first and then to every
// other form (wParam = the store, lParam = 1000), through the sender that the Win32 framework
// installs (core/FormMessages.h); portable builds have none, and nothing is sent. A sink installed
// here (tests, other receivers) takes the messages instead.

namespace skin {

class SkinData;

// Message codes, in the order a load sends them.
constexpr int wmBeforeChangeSkinData = 1225; // drop every reference into the store
constexpr int wmChangeSkinData = 1226;       // the new skin is in place: read it again
constexpr int wmAfterChangeSkinData = 1227;  // the change is complete
constexpr int wmChangeResStrData = 1274;     // the store's string table was set
constexpr int skinMessageLParam = 1000;

class SkinNotifier {
public:
    virtual ~SkinNotifier() = default;
    // Delivers message to every receiver before returning. Must not throw.
    virtual void notify(SkinData& store, int message) = 0;
};

// Installs the sink (not owned; nullptr removes it) and returns the previous one.
SkinNotifier* setSkinNotifier(SkinNotifier* notifier);
SkinNotifier* skinNotifier();

} // namespace skin
