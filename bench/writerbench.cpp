// The PDF writer's hot calls through its C interface: TextOut of one line
// of thirty hanzi, and the emission of a full page at NewPage.
#include "benchtext.h"

#include "pdf/tervolanpdf.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kLinesPerPage = 49; // A4 at 12 points, as the job places them

// Lines of thirty characters cut from the benchmark text.
const std::vector<std::string> &lines()
{
    static const std::vector<std::string> cut = [] {
        const std::u32string text = BenchText::toUtf32(BenchText::chineseUtf8(200000));
        std::vector<std::string> out;
        std::u32string line;
        for (const char32_t c : text) {
            if (c == U'\n')
                continue;
            line += c;
            if (line.size() == 30) {
                std::string utf8;
                for (const char32_t d : line)
                    utf8 += {char(0xE0 | (d >> 12)), char(0x80 | ((d >> 6) & 0x3F)),
                             char(0x80 | (d & 0x3F))};
                out.push_back(utf8);
                line.clear();
            }
        }
        return out;
    }();
    return cut;
}

int openDocument(benchmark::State &state)
{
    const int box = CreateBox(/*window*/ 0, /*reserved*/ 0);
    SetStrProp(box, PDF_OUTPUT_PATH, "/tmp/tervolan-bench-writer");
    SetStrProp(box, PDF_PAGE_SIZE, "A4");
    if (BeginDoc(box) != 0) {
        char message[256];
        GetErrorMsg(message, sizeof message);
        state.SkipWithError(message);
    }
    SetStrProp(box, PDF_FONT_NAME, "宋体");
    SetNumProp(box, PDF_FONT_SIZE, 12);
    return box;
}

void BM_TextOut(benchmark::State &state)
{
    const int box = openDocument(state);
    const std::vector<std::string> &text = lines();
    size_t next = 0;
    int slot = 1;
    for (auto _ : state) {
        TextOut(box, /*x*/ 100, /*y*/ 60 * ++slot, text[next].c_str());
        next = (next + 1) % text.size();
        if (slot == kLinesPerPage) {
            state.PauseTiming();
            NewPage(box);
            slot = 1;
            state.ResumeTiming();
        }
    }
    EndDoc(box); // after the timed loop
    state.SetItemsProcessed(state.iterations() * 30);
}
BENCHMARK(BM_TextOut);

// A page of 49 lines made (not timed), then written: content stream
// compressed, page object out.
void BM_PageEmission(benchmark::State &state)
{
    const int box = openDocument(state);
    const std::vector<std::string> &text = lines();
    size_t next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (int slot = 2; slot <= kLinesPerPage; ++slot) {
            TextOut(box, /*x*/ 100, /*y*/ 60 * slot, text[next].c_str());
            next = (next + 1) % text.size();
        }
        state.ResumeTiming();
        NewPage(box);
    }
    EndDoc(box); // after the timed loop
}
BENCHMARK(BM_PageEmission)->Unit(benchmark::kMicrosecond);

// A whole small document: open, one page of text, end (fonts subset and
// written); the fixed cost every small file pays.
void BM_SmallDocument(benchmark::State &state)
{
    const std::vector<std::string> &text = lines();
    for (auto _ : state) {
        const int box = openDocument(state);
        for (int slot = 2; slot <= 20; ++slot)
            TextOut(box, /*x*/ 100, /*y*/ 60 * slot, text[slot].c_str());
        EndDoc(box);
    }
}
BENCHMARK(BM_SmallDocument)->Unit(benchmark::kMillisecond);

} // namespace
