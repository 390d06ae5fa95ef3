// Times the frame's work on the reference and the production path, and the ratio of the two.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "clock_and_seed.h"
#include "figure.h"
#include "frame.h"
#include "frame_changes.h"
#include "frame_stretch.h"
#include "noise.h"
#include "palettes.h"
#include "pixel_conversion.h"
#include "reference/reference_renderer.h"
#include "sprite_blend.h"

namespace {

// Every reading is a new millisecond, so no frame can reuse anything from the one before.
uint32_t benchClock;
uint32_t AdvancingClock() {
    return benchClock += 1;
}

PaletteEntry referenceCorner[256];
PaletteEntry referenceAxis[256];
PaletteEntry referenceFrame[kFramePixels];

void Prepare(const benchmark::State&) {
    SetClockSource(AdvancingClock);
    benchClock = 0x12345678;
    InitNoiseTables(0x9E3779B9u);
    BuildGlowSprite();
    BuildPalettes();
    ReferenceBuildPalettes(referenceCorner, referenceAxis);
    UseSimdLevel(BestSimdLevel());
}

void ReferenceDrawFigureBench(benchmark::State& state) {
    for (auto _ : state) {
        ReferenceDrawFigure(referenceFrame, referenceCorner, referenceAxis);
        benchmark::ClobberMemory();
    }
}

void ReferenceBuildPalettesBench(benchmark::State& state) {
    for (auto _ : state) {
        ReferenceBuildPalettes(referenceCorner, referenceAxis);
        benchmark::ClobberMemory();
    }
}

void ReferenceFrameBench(benchmark::State& state) {
    for (auto _ : state) {
        ReferenceDrawFigure(referenceFrame, referenceCorner, referenceAxis);
        ReferenceBuildPalettes(referenceCorner, referenceAxis);
        benchmark::ClobberMemory();
    }
}

void DrawFigureBench(benchmark::State& state) {
    for (auto _ : state) {
        DrawFigure();
        benchmark::ClobberMemory();
    }
}

// The areas that can differ between two frames 17 ms apart (60 frames a second), as quorrel finds them
// after each frame; areas: how many.
void FrameChangesBench(benchmark::State& state) {
    static FigureSprites drawn[2];
    for (FigureSprites& frame : drawn) {
        DrawFigure();
        BuildPalettes();
        frame = DrawnSprites;
        benchClock += 17;
    }
    FrameChanges changes;
    int next = 0;
    size_t areas = 0;
    for (auto _ : state) {
        areas += changes.Next(drawn[next]).size();
        next ^= 1;
        benchmark::ClobberMemory();
    }
    state.counters["areas"] =
        benchmark::Counter(static_cast<double>(areas), benchmark::Counter::kAvgIterations);
}

void DrawFigureSse2Bench(benchmark::State& state) {
    UseSimdLevel(SimdLevel::Sse2);
    DrawFigureBench(state);
    UseSimdLevel(BestSimdLevel());
}

void BuildPalettesBench(benchmark::State& state) {
    for (auto _ : state) {
        BuildPalettes();
        benchmark::ClobberMemory();
    }
}

void FrameBench(benchmark::State& state) {
    for (auto _ : state) {
        DrawFigure();
        BuildPalettes();
        benchmark::ClobberMemory();
    }
}

// The X11 program's own conversion and stretch of each frame to a full-HD window of 24-bit TrueColor.
void StretchBench(benchmark::State& state) {
    constexpr int32_t width = 1920;
    constexpr int32_t height = 1080;
    const std::optional<PixelConversion> conversion = PixelConversion::For(
        {.redMask = 0xFF0000, .greenMask = 0xFF00, .blueMask = 0xFF, .depth = 24, .bitsPerPixel = 32});
    std::vector<uint32_t> pixels(kFramePixels);
    FrameStretch stretch;
    stretch.Resize(width, height);
    std::vector<uint8_t> window(size_t{width} * height * sizeof(uint32_t));
    for (auto _ : state) {
        conversion->ConvertFrame(FrameBuffer, pixels.data());
        stretch.Draw(pixels.data(), 4, window.data(), size_t{width} * sizeof(uint32_t));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * window.size()));
}

const char* const kReferenceFrame = "reference/frame";
const char* const kProductionFrame = "production/frame";

// Prints as usual and keeps the two whole-frame times for the closing ratio. Processor time, not
// wall time, so that other work on a shared machine does not tilt the ratio.
class SpeedupReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            if (name == kReferenceFrame) {
                referenceNs_ = run.GetAdjustedCPUTime();
            } else if (name == kProductionFrame) {
                productionNs_ = run.GetAdjustedCPUTime();
            }
        }
    }
    double Speedup() const { return productionNs_ > 0 ? referenceNs_ / productionNs_ : 0; }

  private:
    double referenceNs_ = 0;
    double productionNs_ = 0;
};

void Register(const char* name, void (*bench)(benchmark::State&)) {
    benchmark::RegisterBenchmark(name, bench)->Setup(Prepare)->Unit(benchmark::kNanosecond);
}

}  // namespace

int main(int argc, char** argv) {
    Register("reference/DrawFigure", ReferenceDrawFigureBench);
    Register("reference/BuildPalettes", ReferenceBuildPalettesBench);
    Register(kReferenceFrame, ReferenceFrameBench);
    Register("production/DrawFigure", DrawFigureBench);
    Register("production/DrawFigure/sse2", DrawFigureSse2Bench);
    Register("production/FrameChanges", FrameChangesBench);
    Register("production/BuildPalettes", BuildPalettesBench);
    Register(kProductionFrame, FrameBench);
    Register("x11/stretch/1920x1080", StretchBench);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    SpeedupReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("frame speedup: %.1fx\n", reporter.Speedup());
    return 0;
}
