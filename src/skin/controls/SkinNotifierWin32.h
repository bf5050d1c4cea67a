#pragma once
// The skin store sends its notifications to the application's forms by itself once the framework's
// application object is initialised (every form does that), so windows need no set-up to get them.

namespace skin {

// Kept for programs written when the broadcast had to be installed; does nothing now.
inline void installWindowsSkinNotifier() {}

} // namespace skin
