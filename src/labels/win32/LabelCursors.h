#pragma once
// The hand cursor of URL labels, registered in the screen's cursor table.
#include <windows.h>

namespace labels {

// The cursor id URL labels show.
constexpr int crHandCursor = 26000;

// Whether a system of this GetVersion value lacks a standard hand cursor (Windows NT 4.0 and
// earlier, Windows 95), so the application's own "LABELS_HANDCURSOR" resource is used.
bool needsOwnHandCursor(DWORD version);

// Registers the hand cursor as crHandCursor, replacing what was registered under that id. Every URL
// label does this when it is made; they all share the one registration.
void registerHandCursor();

} // namespace labels
