// When colour and depth are cleared: by each frame, once after a key, at once when the help closes.
#pragma once

// The frame's clear, after its view transform; a clear a key asked for is used up.
void clearForFrame();

// The help screen's close: cleared at once, before any frame, unless in hyperspace.
void clearForClosedHelp();
