// The one text object: bitmap-font text, the timed message, readouts and the error line.
#pragma once

#include "overlay/text_layout.h"

constexpr int messageCapacity = 80;
// The glyph height of messages, the frame-rate readout and the error line.
constexpr float messageSize = 20;

class TextOverlay {
  public:
    TextOverlay() : messageX(10), messageY(25), storeMessage(1), color{1, 1, 1, 1} {}
    virtual ~TextOverlay();

    // Draws `text` with its glyphs' bottom edge `y` logical pixels below the window's top edge,
    // `x` from its left edge, glyphs `size` logical pixels high.
    void drawText(const char* text, short x, short y, float size);

    // Messages are timed by the program's clock, `nowSec` in seconds.
    void showMessage(const char* text, double nowSec);
    void showValue(const char* format, double value, double nowSec);
    void showNumber(const char* format, int number, double nowSec);
    void redrawMessage(double nowSec);
    // Placed from the window's width in logical pixels.
    void drawFrameRate(int fps, int windowWidth);
    void checkGlError(int windowWidth, double nowSec);

    // Text is laid out in logical pixels, each `scale` pixels of the window's buffer (1 or
    // more): the window's size divided by the scale, and glyphs drawn that many times larger.
    void setTextScale(double newScale);
    double textScale() const { return scale; }
    // The font sheet's texture, from the texture table, magnified as the text scale asks.
    void setFontTexture(unsigned name);

    int messageX, messageY;
    int storedX = 0, storedY = 0;
    int storeMessage;
    double messageExpiry = 0;
    float color[4];
    char messageText[messageCapacity] = {};
    unsigned fontTexture = 0;
    // The window's current size in pixels of its buffer, which the host keeps up to date: text
    // is laid out in it at the text scale, from its top edge. It can differ from the last
    // reshape's size (before the first reshape).
    int currentWindowWidth = 0, currentWindowHeight = 0;

  private:
    void showFormatted(const char* text, double nowSec);
    void setFontFilter();

    double scale = 1;
};

// Keeps storeMessage off for its lifetime, for text that must not replace the remembered
// message (readouts, the error line, the title and the help screen).
class UnstoredText {
  public:
    explicit UnstoredText(TextOverlay& text) : overlay(text) { overlay.storeMessage = 0; }
    ~UnstoredText() { overlay.storeMessage = 1; }
    UnstoredText(const UnstoredText&) = delete;
    UnstoredText& operator=(const UnstoredText&) = delete;

  private:
    TextOverlay& overlay;
};
