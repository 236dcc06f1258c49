// How far a picture of a frame may stray from another of the same frame: the reference-frame
// test's tolerance, which the benchmark's picture checks use too.
#pragma once

constexpr int farSample = 8;                 // a sample off by more than this is far off
constexpr double meanTolerance = 0.5;        // mean absolute difference per sample, at most
constexpr double farShareTolerance = 0.0005; // the share of far-off samples, at most
