// A lookup as the window runs it on a keystroke: the input box changes, the
// main letter file (about 5 MB) and two supplementary lexicons are scanned and
// the boxes are filled.
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include "large_lexicon.h"
#include "lexicon/letter_files.h"
#include "main/program.h"

namespace {

void BM_WindowLookupOfTheLastHeadword(benchmark::State& state) {
    const auto start = vernik::bench::freshFolder("vernik-bench-window");
    std::filesystem::create_directories(start / "sven");
    const std::string last = vernik::bench::writeLargeAltFile(start / "sven", 200000);
    vernik::createMissingLetterFiles((start / "sven").string());
    for (const char* supplement : {"svena", "svenb"}) {
        std::filesystem::create_directories(start / supplement);
        vernik::bench::writeLargeAltFile(start / supplement, 20000);
    }
    std::filesystem::current_path(start);
    vernik::Program program;
    program.form.show();
    QTest::qWaitFor([&] { return program.startUp.hasRun(); }, 5000);
    program.state.workspace.ActiveLexiconFolder = (start / "sven").string();

    const QString word = QString::fromStdString(last);
    // A blank at the end is not part of the word: both texts look up the same.
    const QString withBlank = word + " ";
    bool flip = false;
    for (auto _ : state) {
        // Each change of the text runs one whole lookup before setText returns.
        program.form.Edit1->setText((flip = !flip) ? word : withBlank);
    }
    if (program.form.Edit2->text() != "." + word) state.SkipWithError("wrong headword shown");
}
BENCHMARK(BM_WindowLookupOfTheLastHeadword)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
