// The one text object: bitmap-font text, the timed message, readouts and the error line.
#pragma once

constexpr int messageCapacity = 80;
// The glyph height of messages, the frame-rate readout and the error line.
constexpr float messageSize = 20;
// How far left of the window's right edge the frame-rate readout starts.
constexpr int frameRateFromRight = 120;

class TextOverlay {
  public:
    TextOverlay() : messageX(10), messageY(25), storeMessage(1), color{1, 1, 1, 1} {}
    virtual ~TextOverlay();

    // Draws `text` with its glyphs' bottom edge `y` pixels below the window's top edge.
    void drawText(const char* text, short x, short y, float size);

    // Messages are timed by the program's clock, `nowSec` in seconds.
    void showMessage(const char* text, double nowSec);
    void showValue(const char* format, double value, double nowSec);
    void showNumber(const char* format, int number, double nowSec);
    void redrawMessage(double nowSec);
    void drawFrameRate(int fps, int windowWidth);
    void checkGlError(int windowWidth, double nowSec);

    int messageX, messageY;
    int storedX = 0, storedY = 0;
    int storeMessage;
    double messageExpiry = 0;
    float color[4];
    char messageText[messageCapacity] = {};
    unsigned fontTexture = 0;
    // The window's current size, which the host keeps up to date: text is laid out in it, from
    // its top edge. It can differ from the last reshape's size (before the first reshape).
    int currentWindowWidth = 0, currentWindowHeight = 0;

  private:
    void showFormatted(const char* text, double nowSec);
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
