// The program's screens as one set, for the moments when all of them step back: the exit
// dialog, printing, the exit path.
#pragma once

// Enables or disables, in this order, the help window, slideshow window, map key, detailed
// map, explore screen and control screen (those that exist).
void EnableScreens(bool on);
// Hides the help window, title animation, title window, slideshow window, map key, detailed map
// (through its own hide routine), explore screen and control screen.
void HideScreens();
// Whether the slideshow window is up: the map, its key and the inset then serve the show.
bool SlideshowVisible();
// After printing: the exit dialog, detailed map, map key, London inset, help window, about box
// and upgrade box come back to the front, in this order (those that show).
void RaiseCompanionWindows();
