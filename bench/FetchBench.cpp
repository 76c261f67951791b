// Fetching the published Power Ball file (58 KB) from a server on the loopback address: the whole file, and
// the conditional request of an update when nothing changed. Wall time, since most of it is waiting.

#include "net/Fetch.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/TestFiles.h"

#include "bench/SteadyBench.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

using namespace vantorel;
using bench::Steady;

struct PublishedFileServer {
    PublishedFileServer() {
        ::setenv("no_proxy", "*", 1);
        test::HttpReply reply;
        reply.body = test::ReadFile(test::TestDataPath("shared/official/powerball-1997-2015.csv"));
        reply.etag = "\"powerball\"";
        reply.lastModified = "Tue, 07 Oct 2025 10:00:00 GMT";
        server.Serve("/rows.csv", reply);
        request.url = server.Url("/rows.csv");
    }
    test::LoopbackHttpServer server;
    FetchRequest request;
};

void BM_FetchWholeFile(benchmark::State& state) {
    const PublishedFileServer source;
    for (auto _ : state) {
        const FetchResult result = Fetch(source.request);
        if (result.status != FetchStatus::kFetched) {
            state.SkipWithError(result.message.c_str());
            break;
        }
        benchmark::DoNotOptimize(result.body.data());
    }
}
BENCHMARK(BM_FetchWholeFile)->Unit(benchmark::kMicrosecond)->UseRealTime()->Apply(Steady);

void BM_FetchNotModified(benchmark::State& state) {
    PublishedFileServer source;
    source.request.validators = {"\"powerball\"", ""};
    for (auto _ : state) {
        const FetchResult result = Fetch(source.request);
        if (result.status != FetchStatus::kNotModified) {
            state.SkipWithError(result.message.c_str());
            break;
        }
    }
}
BENCHMARK(BM_FetchNotModified)->Unit(benchmark::kMicrosecond)->UseRealTime()->Apply(Steady);

} // namespace
