// Times one Tyvok frame at full screen for each feature, against a frame that only clears and
// swaps (the least any frame of this renderer can cost), and prints both as a ratio.
//
// A frame's cost depends on where the camera and the gears are, so every case replays the same
// frames: it starts from one saved moment (past the title and the start-up message) and steps
// the synthetic clock by 16 ms a frame for a fixed number of frames. Repetitions of all cases
// are interleaved in random order so that a busy machine slows them alike.
#include "anim/oscillators.h"
#include "anim/random.h"
#include "app/frame.h"
#include "app/globals.h"
#include "app/settings.h"
#include "app/startup.h"
#include "scene/gear_mesh.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const int startMs = 10016;
const int framesPerRepetition = 30;
const int tripFrames = 310; // 99 ms steps: one camera trip there and back

AppState savedApp;
OscillatorBank savedOscillators;

void finishFrame() {
    glutSwapBuffers();
    glFinish();
}

// Back to the saved moment with default settings: the same frames follow whatever ran before.
void restoreMoment() {
    app.nowMs = startMs;
    resetSettings();
    app = savedApp;
    oscBank = savedOscillators;
    seedRandom(startMs);
}

void drawFramesFrom(int stepMs, benchmark::State& state) {
    int ms = startMs;
    for (auto _ : state) {
        ms += stepMs;
        app.nowMs = ms;
        drawFrame();
        finishFrame();
    }
}

void clearAndSwap(benchmark::State& state) {
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        finishFrame();
    }
}

void frameWith(benchmark::State& state, void (*change)()) {
    restoreMoment();
    change();
    drawFramesFrom(16, state);
    restoreMoment();
}

// Defaults over a whole trip of the camera there and back (about 30 s of animation), in steps
// of 99 ms, the longest the frame driver takes without capping.
void cameraTrip(benchmark::State& state) {
    restoreMoment();
    drawFramesFrom(99, state);
    restoreMoment();
}

struct FrameCase {
    const char* name;
    void (*change)();
};

const FrameCase frameCases[] = {
    {"defaults", [] {}},
    {"tesselation 20",
     [] {
         settings.tesselation = 20;
         buildGearList(gear, settings.tesselation);
     }},
    {"tesselation 1",
     [] {
         settings.tesselation = 1;
         buildGearList(gear, settings.tesselation);
     }},
    {"lines", [] { settings.polyMode = polygonLines; }},
    {"points", [] { settings.polyMode = polygonPoints; }},
    {"hyperspace", [] { settings.clearEachFrame = 0; }},
    {"lighting on", [] { settings.spotlightOn = 1; }},
    {"textures off", [] { settings.texturesOn = 0; }},
    {"texgen sphere map", [] { settings.texGenMode = texGenSphereMap; }},
    {"texgen object linear", [] { settings.texGenMode = texGenObjectLinear; }},
    {"texgen eye linear", [] { settings.texGenMode = texGenEyeLinear; }},
    {"letterbox 6", [] { settings.letterbox = 6; }},
    {"help screen", [] { app.flags.helpVisible = 1; }},
    {"frame-rate readout", [] { settings.clockOn = 1; }},
};

const char* const limitName = "clear and swap (limit)";
const char* const tripName = "defaults, camera trip";

struct FrameTimes {
    double wallMs = 0, cpuMs = 0;
};

// Keeps the median times per frame of each case while the console reporter prints as usual.
class MedianCollector : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                                       run.GetAdjustedCPUTime()};
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, FrameTimes> medians;
};

// Wall time is what the viewer sees; the processor time of the whole process (the renderer's
// worker threads included) is what a busy machine disturbs least.
void printSummary(const std::map<std::string, FrameTimes>& medians) {
    auto find = [&](const std::string& name) {
        auto it = medians.find(name);
        return it == medians.end() ? FrameTimes{} : it->second;
    };
    auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    FrameTimes limit = find(limitName), defaults = find("defaults");
    auto printRow = [&](const char* name) {
        FrameTimes t = find(name);
        std::printf("%-24s %9.3f %8.2f %8.2f %9.3f %8.2f %8.2f\n", name, t.wallMs,
                    ratio(t.wallMs, limit.wallMs), ratio(t.wallMs, defaults.wallMs), t.cpuMs,
                    ratio(t.cpuMs, limit.cpuMs), ratio(t.cpuMs, defaults.cpuMs));
    };
    std::printf("\nFrame cost at %d x %d, median of interleaved repetitions\n", app.windowWidth,
                app.windowHeight);
    std::printf("%-24s %9s %8s %8s %9s %8s %8s\n", "case", "wall ms", "x limit", "x dflt", "cpu ms",
                "x limit", "x dflt");
    printRow(limitName);
    for (const FrameCase& c : frameCases)
        printRow(c.name);
    printRow(tripName);
}

// Opens the real window, plays the first ten seconds as the program would (so the picture has
// faded in and the camera has moved on), and saves the state at the start moment.
void openWindow(int* argc, char** argv) {
    if (chdir(TYVOK_DATA_DIR) != 0) std::perror("chdir " TYVOK_DATA_DIR);
    startTyvok(argc, argv, 0);
    // The window first reports its initial size, then the full screen's; the renderer takes up
    // a new size at a swap.
    int screen = glutGet(GLUT_SCREEN_WIDTH) * glutGet(GLUT_SCREEN_HEIGHT);
    for (int i = 0; i < 400 && app.windowWidth * app.windowHeight != screen; ++i) {
        glutMainLoopEvent();
        usleep(5000);
    }
    for (int i = 0; i < 20; ++i)
        glutMainLoopEvent();
    finishFrame();
    for (int ms = 99; ms <= startMs; ms += 99) {
        app.nowMs = ms;
        drawFrame();
        finishFrame();
    }
    app.nowMs = startMs;
    drawFrame();
    finishFrame();
    savedApp = app;
    savedOscillators = oscBank;
}

// Draws the first `frames` frames of a case from the start moment; the last is not yet swapped.
void startCase(const FrameCase& c, int frames) {
    restoreMoment();
    c.change();
    for (int i = 1; i <= frames; ++i) {
        if (i > 1) finishFrame();
        app.nowMs = startMs + 16 * i;
        drawFrame();
    }
}

// Lets the renderer build the code for every case's state before anything is timed.
void warmUp() {
    for (const FrameCase& c : frameCases) {
        startCase(c, 3);
        finishFrame();
    }
    restoreMoment();
}

// Writes each case's eighth picture as a binary PPM file in `folder`: the pictures from before
// and after a change to the program must match byte for byte.
void dumpPictures(const std::string& folder) {
    int width = app.windowWidth, height = app.windowHeight;
    std::vector<unsigned char> rgb(static_cast<size_t>(3) * width * height);
    for (const FrameCase& c : frameCases) {
        startCase(c, 8);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        finishFrame();
        std::string path = folder + "/" + c.name + ".ppm";
        if (std::FILE* out = std::fopen(path.c_str(), "wb")) {
            std::fprintf(out, "P6\n%d %d\n255\n", width, height);
            for (int y = height - 1; y >= 0; --y)
                std::fwrite(&rgb[static_cast<size_t>(3) * y * width], 1, 3 * width, out);
            std::fclose(out);
        }
    }
    restoreMoment();
}

void registerCases() {
    auto configure = [](benchmark::internal::Benchmark* b, int frames, int repetitions = 7) {
        b->UseRealTime()->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
        b->Iterations(frames);
        b->Repetitions(repetitions);
        b->ReportAggregatesOnly(true);
    };
    configure(benchmark::RegisterBenchmark(limitName, clearAndSwap), framesPerRepetition);
    for (const FrameCase& c : frameCases)
        configure(benchmark::RegisterBenchmark(c.name, frameWith, c.change), framesPerRepetition);
    configure(benchmark::RegisterBenchmark(tripName, cameraTrip), tripFrames, 3);
}

} // namespace

int main(int argc, char** argv) {
    // --dump=FOLDER writes the pictures instead of timing (a relative folder is relative to
    // the data folder, where the window is opened from).
    std::string dumpFolder;
    std::vector<char*> args(argv, argv + argc);
    for (auto it = args.begin() + 1; it != args.end(); ++it)
        if (std::string(*it).rfind("--dump=", 0) == 0) {
            dumpFolder = *it + 7;
            args.erase(it);
            break;
        }
    static char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    openWindow(&count, args.data());
    benchmark::AddCustomContext("renderer",
                                reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    benchmark::AddCustomContext("window", std::to_string(app.windowWidth) + " x " +
                                              std::to_string(app.windowHeight));
    if (!dumpFolder.empty()) {
        dumpPictures(dumpFolder);
        return 0;
    }
    warmUp();
    registerCases();
    MedianCollector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter.medians);
    benchmark::Shutdown();
    return 0;
}
