#pragma once
// The skin store's broadcast as window messages: each notification is sent synchronously, with the
// store as wParam and 1000 as lParam, to the store's owner form first and then to every other form
// of the application in list order.
#include "skin/data/SkinNotifier.h"

namespace skin {

class WindowsSkinNotifier final : public SkinNotifier {
public:
    void notify(SkinData& store, int message) override;
};

// Installs one process-wide WindowsSkinNotifier. Idempotent.
void installWindowsSkinNotifier();

} // namespace skin
