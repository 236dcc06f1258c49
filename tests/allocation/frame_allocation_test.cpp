// Counts the heap allocations the program makes while it draws frames with every feature on.
#include "test_window.h"

#include <cstdlib>
#include <new>

static int allocations = 0, counting = 0;

// The program allocates only through operator new; Mesa mostly through malloc, except when it
// compiles code for a new drawing state, which the uncounted first pass below takes care of.
void* operator new(std::size_t size) {
    allocations += counting;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    allocations += counting;
    return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

// 100 frames through all texgen, polygon, letterbox and clearing modes, pointer reported.
static void drawEveryFeature(int fromMs) {
    for (int i = 0; i < 100; ++i) {
        settings.texGenMode = i % 3, settings.polyMode = i / 3 % 3;
        settings.letterbox = i % 7, settings.clearEachFrame = i / 9 % 2;
        handlePointerMotion(460 + i % 9, 340);
        renderFrameAt(fromMs + 16 * i);
    }
}

TEST(FrameAllocation, HundredFramesWithEveryFeatureOnAllocateNothing) {
    startTestProgram(true);
    counting = 1;
    computeGearMesh(1); // proves the counter sees the program's own allocations
    counting = 0;
    ASSERT_GT(allocations, 0);
    settings.spotlightOn = settings.clockOn = settings.cameraMode = app.flags.helpVisible = 1;
    app.input.arrowKeys = arrowLeft | arrowUp;
    textOverlay.messageExpiry = 10; // the start-up message stays up through both passes
    drawEveryFeature(6000);
    allocations = 0, counting = 1;
    drawEveryFeature(7700); // before 10 s, so the title is drawn too
    counting = 0;
    EXPECT_EQ(allocations, 0) << "allocations in 100 frames";
}
