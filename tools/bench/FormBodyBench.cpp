// Throughput of the form body for a realistic request: a 4 KB certificate
// text, a 200-byte record and a 175-byte Base64 signature.
#include "submit/FormEncoding.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string Repeat(const std::string& unit, size_t size) {
    std::string text;
    while (text.size() < size)
        text += unit;
    text.resize(size);
    return text;
}

void BM_BuildFormBody(benchmark::State& state) {
    const std::string cert =
        "-----BEGIN CERTIFICATE-----\n" +
        Repeat("MIIDdzCCAl+gAwIBAgIEEjRWeDANBgkqhkiG9w0BAQUFADB/MQswCQYDVQQGEwJV\n", 4000) +
        "-----END CERTIFICATE-----\n";
    const std::string record = Repeat("K1ABC|/C=US/O=American Radio Relay League/OU=Logbook of "
                                      "the World/CN=Logbook of the World Production CA|305419896|"
                                      "k1abc@example.org",
                                      200);
    const std::string sig = Repeat("q83vASNF+/Z4mJqrze8BI0Vn/ab+==\n", 175);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildFormBody(cert.c_str(), record.c_str(), sig.c_str()));
    state.SetBytesProcessed(state.iterations() * (cert.size() + record.size() + sig.size()));
}
BENCHMARK(BM_BuildFormBody);

} // namespace

BENCHMARK_MAIN();
