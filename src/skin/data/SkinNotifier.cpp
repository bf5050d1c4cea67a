#include "skin/data/SkinNotifier.h"

#include <utility>

namespace skin {

namespace {
SkinNotifier* g_notifier = nullptr;
}

SkinNotifier* setSkinNotifier(SkinNotifier* notifier) {
    return std::exchange(g_notifier, notifier);
}

SkinNotifier* skinNotifier() {
    return g_notifier;
}

} // namespace skin
