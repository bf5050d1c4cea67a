#include "skin/controls/SkinNotifierWin32.h"

#include "gui/Application.h"
#include "gui/Form.h"
#include "skin/data/SkinData.h"

#include <exception>

namespace skin {

void WindowsSkinNotifier::notify(SkinData& store, int message) {
    try {
        auto* ownerForm = dynamic_cast<gui::CustomForm*>(store.owner());
        gui::application().sendToForms(UINT(message), WPARAM(&store), LPARAM(skinMessageLParam), ownerForm);
    } catch (...) {
        // A form whose window cannot be made misses the message; the store's load goes on.
        gui::application().handleException(std::current_exception());
    }
}

void installWindowsSkinNotifier() {
    static WindowsSkinNotifier notifier;
    setSkinNotifier(&notifier);
}

} // namespace skin
