// Times one Tyvok frame at full screen for each feature against two measures: a frame that only
// clears and swaps (the floor: the least any frame of this renderer can cost) and the case's own
// picture limit (the same frame drawn the leanest way the renderer offers, see picture_limit.h).
//
// A frame's cost depends on where the camera and the gears are, so every case replays the same
// frames: it starts from one saved moment (past the title and the start-up message) and steps
// the synthetic clock by 16 ms a frame for a fixed number of frames. Repetitions of all cases
// are interleaved in random order so that a busy machine slows them alike.
#include "anim/oscillators.h"
#include "anim/random.h"
#include "app/frame.h"
#include "app/globals.h"
#include "app/reset.h"
#include "full_screen_wait.h"
#include "picture_compare.h"
#include "picture_limit.h"
#include "platform/glut/glut_host.h"
#include "scene/gear_mesh.h"

#include <GL/freeglut.h>
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <regex>
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
    resetProgram(startMs);
    app = savedApp;
    oscBank = savedOscillators;
    seedRandom(startMs);
}

void drawFramesFrom(int stepMs, benchmark::State& state, void (*draw)()) {
    int ms = startMs;
    for (auto _ : state) {
        ms += stepMs;
        app.nowMs = ms;
        draw();
        finishFrame();
    }
}

void clearAndSwap(benchmark::State& state) {
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        finishFrame();
    }
}

const int caseStepMs = 16;
// Defaults over a whole trip of the camera there and back (about 30 s of animation), in steps
// of 99 ms, the longest the frame driver takes without capping.
const int tripStepMs = 99;

void frameWith(benchmark::State& state, void (*change)(), int stepMs, bool limit) {
    restoreMoment();
    change();
    prepareLimit();
    drawFramesFrom(stepMs, state, limit ? drawLimitFrame : drawProgramFrame);
    restoreMoment();
}

struct FrameCase {
    const char* name;
    void (*change)();
    int stepMs = caseStepMs;
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
    {"defaults, camera trip", [] {}, tripStepMs},
};

const char* const floorName = "clear and swap (floor)";
const std::string limitSuffix = " (limit)";

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

struct CheckedCase {
    std::string name;
    PictureDifference difference;
};

// Wall time is what the viewer sees; the processor time of the whole process (the renderer's
// worker threads included) is what a busy machine disturbs least.
void printSummary(const std::map<std::string, FrameTimes>& medians,
                  const std::vector<CheckedCase>& checked) {
    auto find = [&](const std::string& name) {
        auto it = medians.find(name);
        return it == medians.end() ? FrameTimes{} : it->second;
    };
    auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
    FrameTimes floor = find(floorName), defaults = find("defaults");
    // The floor has no limit of its own: its limit columns show '-'.
    auto cell = [](char(&text)[16], int decimals, double value, bool shown) {
        if (shown)
            std::snprintf(text, sizeof text, "%.*f", decimals, value);
        else
            std::snprintf(text, sizeof text, "-");
        return text;
    };
    auto printRow = [&](const std::string& name, bool hasLimit) {
        FrameTimes t = find(name);
        if (t.wallMs == 0) return; // not selected by the filter
        FrameTimes limit = hasLimit ? find(name + limitSuffix) : FrameTimes{};
        char a[16], b[16], c[16], d[16];
        std::printf("%-24s %9.3f %9s %8.2f %8s %8.2f %9.3f %9s %8.2f %8s %8.2f\n", name.c_str(),
                    t.wallMs, cell(a, 3, limit.wallMs, hasLimit), ratio(t.wallMs, floor.wallMs),
                    cell(b, 2, ratio(t.wallMs, limit.wallMs), hasLimit),
                    ratio(t.wallMs, defaults.wallMs), t.cpuMs, cell(c, 3, limit.cpuMs, hasLimit),
                    ratio(t.cpuMs, floor.cpuMs), cell(d, 2, ratio(t.cpuMs, limit.cpuMs), hasLimit),
                    ratio(t.cpuMs, defaults.cpuMs));
    };
    std::printf("\nFrame cost at %d x %d, median of interleaved repetitions: the program's frame, "
                "its picture limit,\nand the ratios to the floor, to the limit and to the default "
                "frame; by wall time, then by processor time\n",
                app.windowWidth, app.windowHeight);
    std::printf("%-24s %9s %9s %8s %8s %8s %9s %9s %8s %8s %8s\n", "case", "wall ms", "limit ms",
                "x floor", "x limit", "x dflt", "cpu ms", "limit ms", "x floor", "x limit",
                "x dflt");
    printRow(floorName, false);
    for (const FrameCase& c : frameCases)
        printRow(c.name, true);

    std::printf("\nLimit pictures against the program's, frame 8 of each case\n");
    printDifferenceHeading();
    for (const CheckedCase& c : checked)
        printDifferenceRow(c.name, c.difference);
}

// Opens the real window, plays the first ten seconds as the program would (so the picture has
// faded in and the camera has moved on), and saves the state at the start moment.
void openWindow(int* argc, char** argv) {
    if (chdir(TYVOK_DATA_DIR) != 0) std::perror("chdir " TYVOK_DATA_DIR);
    startTyvok(argc, argv, 0);
    if (!waitForFullScreen([] { return app.windowWidth * app.windowHeight; })) {
        std::fprintf(stderr, "the window did not fill the screen within %d s\n",
                     waitDeadlineSeconds);
        std::exit(1);
    }
    // The renderer takes up a new size at a swap.
    for (int i = 0; i < 20; ++i)
        glutMainLoopEvent();
    finishFrame();
    for (int ms = 99; ms <= startMs; ms += 99) {
        app.nowMs = ms;
        drawProgramFrame();
        finishFrame();
    }
    app.nowMs = startMs;
    drawProgramFrame();
    finishFrame();
    savedApp = app;
    savedOscillators = oscBank;
}

// Draws the first `frames` frames of a case from the start moment, the program's or its
// limit; the last is not yet swapped.
void startCase(const FrameCase& c, int frames, bool limit = false) {
    restoreMoment();
    c.change();
    prepareLimit();
    for (int i = 1; i <= frames; ++i) {
        if (i > 1) finishFrame();
        app.nowMs = startMs + c.stepMs * i;
        limit ? drawLimitFrame() : drawProgramFrame();
    }
}

// Whether --benchmark_filter selects the case or its limit (the library's rules: empty or
// "all" selects everything, a leading '-' selects what does not match).
bool selected(const FrameCase& c) {
    std::string filter = benchmark::GetBenchmarkFilter();
    if (filter.empty() || filter == "all") return true;
    bool negative = filter[0] == '-';
    std::regex pattern;
    try {
        pattern.assign(negative ? filter.substr(1) : filter, std::regex::extended);
    } catch (const std::regex_error&) {
        return true; // the library reports the bad filter itself
    }
    // The library matches the full name, which goes on after the case's name with a '/'.
    bool match = std::regex_search(std::string(c.name) + "/", pattern) ||
                 std::regex_search(c.name + limitSuffix + "/", pattern);
    return match != negative;
}

// Lets the renderer build the code for every case's state before anything is timed.
void warmUp() {
    for (const FrameCase& c : frameCases)
        if (selected(c))
            for (bool limit : {false, true}) {
                startCase(c, 3, limit);
                finishFrame();
            }
    restoreMoment();
}

const int picturedFrame = 8;

RgbPicture readBackBuffer() {
    RgbPicture p;
    p.width = app.windowWidth;
    p.height = app.windowHeight;
    std::size_t row = static_cast<std::size_t>(3) * p.width;
    std::vector<unsigned char> bottomUp(row * p.height);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, p.width, p.height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    p.rgb.resize(bottomUp.size());
    for (int y = 0; y < p.height; ++y)
        std::copy_n(&bottomUp[row * (p.height - 1 - y)], row, &p.rgb[row * y]);
    return p;
}

// Draws each selected case's picture and its limit's, and compares them.
std::vector<CheckedCase> checkLimitPictures() {
    std::vector<CheckedCase> checked;
    for (const FrameCase& c : frameCases) {
        if (!selected(c)) continue;
        startCase(c, picturedFrame);
        RgbPicture program = readBackBuffer();
        finishFrame();
        startCase(c, picturedFrame, true);
        RgbPicture limit = readBackBuffer();
        finishFrame();
        checked.push_back({c.name, comparePictures(program.rgb, limit.rgb)});
    }
    restoreMoment();
    return checked;
}

// Writes each case's eighth picture as a binary PPM file in `folder`: the pictures from before
// and after a change to the program must match within the reference test's tolerance
// (--compare).
void dumpPictures(const std::string& folder) {
    for (const FrameCase& c : frameCases) {
        startCase(c, picturedFrame);
        RgbPicture picture = readBackBuffer();
        finishFrame();
        std::string path = folder + "/" + c.name + ".ppm";
        if (!writePpm(picture, path)) std::fprintf(stderr, "cannot write %s\n", path.c_str());
    }
    restoreMoment();
}

void registerCases() {
    auto configure = [](benchmark::internal::Benchmark* b, int frames, int repetitions) {
        b->UseRealTime()->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
        b->Iterations(frames);
        b->Repetitions(repetitions);
        b->ReportAggregatesOnly(true);
    };
    const int repetitions = 7, tripRepetitions = 3;
    configure(benchmark::RegisterBenchmark(floorName, clearAndSwap), framesPerRepetition,
              repetitions);
    for (const FrameCase& c : frameCases) {
        bool trip = c.stepMs == tripStepMs;
        for (bool limit : {false, true})
            configure(benchmark::RegisterBenchmark(
                          (c.name + (limit ? limitSuffix : std::string())).c_str(), frameWith,
                          c.change, c.stepMs, limit),
                      trip ? tripFrames : framesPerRepetition,
                      trip ? tripRepetitions : repetitions);
    }
}

// The value of the option `--name=` among the arguments, which it removes; empty if absent.
std::string takeOption(std::vector<char*>& args, const std::string& name) {
    for (auto it = args.begin() + 1; it != args.end(); ++it)
        if (std::string(*it).rfind(name, 0) == 0) {
            std::string value = *it + name.size();
            args.erase(it);
            return value;
        }
    return {};
}

// --compare=BEFORE,AFTER: compares two folders written by --dump.
int compareDumps(const std::string& folders) {
    std::size_t comma = folders.find(',');
    if (comma == std::string::npos) {
        std::fprintf(stderr, "--compare takes two folders: --compare=BEFORE,AFTER\n");
        return 2;
    }
    std::vector<std::string> names;
    for (const FrameCase& c : frameCases)
        names.push_back(c.name);
    return compareFolders(folders.substr(0, comma), folders.substr(comma + 1), names) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    // --dump=FOLDER writes the pictures instead of timing (a relative folder is relative to
    // the data folder, where the window is opened from); --compare=BEFORE,AFTER compares two
    // such folders without opening a window.
    std::vector<char*> args(argv, argv + argc);
    std::string dumpFolder = takeOption(args, "--dump=");
    std::string compared = takeOption(args, "--compare=");
    if (!compared.empty()) return compareDumps(compared);
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
    std::vector<CheckedCase> checked = checkLimitPictures();
    registerCases();
    MedianCollector reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter.medians, checked);
    benchmark::Shutdown();
    return 0;
}
