// When colour and depth are cleared: each frame unless in hyperspace, once after a key that asks
// for it, and at once when the help screen closes unless in hyperspace.
#pragma once

// The frame's clear, after its view transform; a clear a key asked for is used up.
void clearForFrame();

// The help screen's close: cleared at once, before any frame, unless in hyperspace.
void clearForClosedHelp();
