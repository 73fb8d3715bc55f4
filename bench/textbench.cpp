// The conversion's passes over the text: decoding the file, the counting
// pass that reads it item by item, and cutting lines into pieces.
#include "benchtext.h"

#include "app/piececutter.h"
#include "platform/text/itemreader.h"
#include "platform/text/textcodec.h"
#include "platform/text/textfilereader.h"

#include <benchmark/benchmark.h>

#include <string_view>

namespace {

const std::string &utf8Text()
{
    static const std::string text = BenchText::chineseUtf8(1 << 20);
    return text;
}

void decodeFile(benchmark::State &state, const std::string &path, size_t bytes)
{
    TextFileReader reader;
    if (!reader.open(path)) {
        state.SkipWithError(reader.error().c_str());
        return;
    }
    long long characters = 0;
    for (auto _ : state) {
        reader.rewind();
        characters = 0;
        while (reader.get() >= 0)
            ++characters;
        benchmark::DoNotOptimize(characters);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["chars"] = static_cast<double>(characters);
}

void BM_DecodeUtf8(benchmark::State &state)
{
    static const std::string path = BenchText::writeTemporary("utf8.txt", utf8Text());
    decodeFile(state, path, utf8Text().size());
}
BENCHMARK(BM_DecodeUtf8)->Unit(benchmark::kMillisecond);

void BM_DecodeGb18030(benchmark::State &state)
{
    static const std::string bytes = TextCodec::utf8ToGb18030(utf8Text());
    static const std::string path = BenchText::writeTemporary("gb18030.txt", bytes);
    decodeFile(state, path, bytes.size());
}
BENCHMARK(BM_DecodeGb18030)->Unit(benchmark::kMillisecond);

// The counting pass: every item of the file, as ConvertList step 8 reads it.
void BM_CountItems(benchmark::State &state)
{
    static const std::u32string text = BenchText::toUtf32(utf8Text());
    for (auto _ : state) {
        MemorySource source(text);
        ItemReader items(source);
        long long count = 0;
        while (items.read(nullptr))
            ++count;
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CountItems)->Unit(benchmark::kMillisecond);

// Cutting every line into pieces of at most 30 characters.
void BM_CutPieces(benchmark::State &state)
{
    static const std::u32string text = BenchText::toUtf32(utf8Text());
    for (auto _ : state) {
        MemorySource source(text);
        PieceCutter cutter(source, /*charsPerLine*/ 30);
        long long pieces = 0;
        std::u32string_view output;
        bool isPiece = false;
        while (cutter.nextLine()) {
            while (cutter.nextOutput(output, isPiece))
                ++pieces;
        }
        benchmark::DoNotOptimize(pieces);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CutPieces)->Unit(benchmark::kMillisecond);

} // namespace
