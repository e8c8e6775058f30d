// One whole run of the quiz core: a study-mode choice with its draw, ten
// answers (half right, half wrong) and the score, against a window that only
// records what it is told.
#include "decimaltext.h"
#include "quizrun.h"
#include "recordingdisplay.h"
#include "timerrandom.h"

#include <benchmark/benchmark.h>

namespace {

void WholeRun(benchmark::State& state)
{
    RecordingDisplay display;
    platform::TimerRandom random;
    random.seed(1);
    quiz::QuizRun run(display, display, random);
    run.fillKanaReadings();
    run.startUpStep();
    const auto Index = static_cast<std::int16_t>(state.range(0));
    for (auto _ : state) {
        display.clearEvents();
        run.mnuGakushuuMode_Click(Index);
        for (int n = 0; n < 10; ++n) {
            const auto& s = run.state();
            const int k = quiz::decimalValue(s.QuestionList[static_cast<std::size_t>(n)]);
            display.type(n % 2 == 0 ? s.KanaReadings[static_cast<std::size_t>(k - 1)] : u"x");
            run.cmdGo_Click();
        }
        benchmark::DoNotOptimize(run.state().CorrectCount);
    }
}

} // namespace

// あ行, や行 (three kana, the most redraws) and the whole table.
BENCHMARK(WholeRun)->Arg(1)->Arg(8)->Arg(13);
BENCHMARK_MAIN();
