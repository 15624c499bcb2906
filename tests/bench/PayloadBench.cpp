// Payload figures: Init's work (key material and the four tables), Extract
// of the largest entry, our Blowfish against OpenSSL's, and Extract against
// deciphering alone plus inflating alone. Prints figures only.
#include <benchmark/benchmark.h>
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/blowfish.h>
#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "payload/Blowfish.h"
#include "payload/CGuard.h"
#include "payload/EntrySealer.h"
#include "payload/StringTable.h"
#include "tools/payload-tool/Deflate.h"
#include "tools/common/FileIo.h"
#include "tools/payload-tool/KeyMaterial.h"
#include "tools/payload-tool/StringSource.h"
#include "tools/payload-tool/StringTableImage.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Entry {
    Bytes Stored;
    uint32_t Items;
};

// The real content packed as the build packs it.
struct Payload {
    Bytes Material;
    Entry Tables[4];
    Entry Largest;
    Bytes LargestPlain;

    Payload() {
        const std::string root = FONETIKA_SOURCE_DIR;
        std::vector<uint8_t> seed;
        ReadWholeFile(root + "/content/key-material-seed.txt", seed);
        Material = KeyMaterialFromSeed(std::string(seed.begin(), seed.end()));
        CGuard guard;
        guard.LoadMaterial(Material.data(), uint32_t(Material.size()));
        const char* files[4] = {"common.txt", "extra.txt", "ui0-english.txt", "ui1-polish.txt"};
        for (int i = 0; i < 4; ++i) {
            std::vector<uint8_t> text;
            ReadWholeFile(root + "/content/strings/" + files[i], text);
            StringSource source;
            std::string error;
            ParseStringSource(files[i], std::string(text.begin(), text.end()), source, error);
            Tables[i] = {Pack(guard, BuildStringTableImage(source), uint32_t(source.Strings.size())),
                         uint32_t(source.Strings.size())};
        }
        // Of the size of the largest entry: the licences repeated, with some
        // noise so that it does not compress to nothing.
        std::vector<uint8_t> licence;
        ReadWholeFile(root + "/content/licences/licence-pl.txt", licence);
        std::mt19937 random(1);
        while (LargestPlain.size() < 1149048) {
            LargestPlain.insert(LargestPlain.end(), licence.begin(), licence.end());
            for (int i = 0; i < 512; ++i) LargestPlain.push_back(uint8_t(random()));
        }
        LargestPlain.resize(1149048);
        Largest = {Pack(guard, LargestPlain, 0), 0};
    }

    static Bytes Pack(const CGuard& guard, const Bytes& data, uint32_t items) {
        const Bytes packed = DeflateZlib9(data);
        uint32_t size = 0;
        uint8_t* e = SealEntry(guard, data.data(), uint32_t(data.size()), packed.data(), uint32_t(packed.size()), items, size);
        Bytes out(e, e + size);
        std::free(e);
        return out;
    }
};

const Payload& ThePayload() {
    static const Payload payload;
    return payload;
}

void InitTables(benchmark::State& state) {
    const Payload& p = ThePayload();
    for (auto _ : state) {
        CGuard guard;
        guard.LoadMaterial(p.Material.data(), uint32_t(p.Material.size()));
        StringTable tables[4];
        for (int i = 0; i < 4; ++i) {
            uint32_t size = uint32_t(p.Tables[i].Stored.size()), count = 0;
            uint8_t* data = guard.Extract(p.Tables[i].Stored.data(), size, &count);
            if (!data || !tables[i].Load(data, size, count)) state.SkipWithError("table refused");
        }
        benchmark::DoNotOptimize(tables[3].Lookup(93));
    }
}
BENCHMARK(InitTables)->Unit(benchmark::kMicrosecond);

void ExtractLargest(benchmark::State& state) {
    const Payload& p = ThePayload();
    CGuard guard;
    guard.LoadMaterial(p.Material.data(), uint32_t(p.Material.size()));
    for (auto _ : state) {
        uint32_t size = uint32_t(p.Largest.Stored.size());
        uint8_t* data = guard.Extract(p.Largest.Stored.data(), size, nullptr);
        if (!data) state.SkipWithError("entry refused");
        std::free(data);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(p.Largest.Stored.size()));
    state.counters["stored"] = double(p.Largest.Stored.size());
}
BENCHMARK(ExtractLargest)->Unit(benchmark::kMillisecond);

// Deciphering alone (the first half of Extract's work).
void DecipherLargest(benchmark::State& state) {
    const Payload& p = ThePayload();
    CGuard guard;
    guard.LoadMaterial(p.Material.data(), uint32_t(p.Material.size()));
    Blowfish cipher;
    Bytes work = p.Largest.Stored;
    for (auto _ : state) {
        guard.KeyCipher(cipher);
        for (size_t at = 0; at < work.size(); at += 8) cipher.DecipherBlock(&work[at]);
        benchmark::DoNotOptimize(work.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(work.size()));
}
BENCHMARK(DecipherLargest)->Unit(benchmark::kMillisecond);

// Inflating alone (the second half).
void InflateLargest(benchmark::State& state) {
    const Payload& p = ThePayload();
    const Bytes packed = DeflateZlib9(p.LargestPlain);
    Bytes out(p.LargestPlain.size());
    for (auto _ : state) {
        z_stream s;
        std::memset(&s, 0, sizeof s);
        inflateInit2(&s, -MAX_WBITS);
        s.next_in = const_cast<Bytef*>(packed.data());
        s.avail_in = uInt(packed.size());
        s.next_out = out.data();
        s.avail_out = uInt(out.size());
        inflate(&s, Z_FINISH);
        inflateEnd(&s);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(out.size()));
}
BENCHMARK(InflateLargest)->Unit(benchmark::kMillisecond);

constexpr size_t kCipherBytes = 1 << 20;

void OurBlowfish(benchmark::State& state) {
    Bytes data(kCipherBytes, 0x5A), key(495, 0x33);
    Blowfish cipher;
    cipher.SetKey(key.data(), key.size());
    for (auto _ : state) {
        for (size_t at = 0; at < data.size(); at += 8) cipher.EncipherBlock(&data[at]);
        benchmark::DoNotOptimize(data.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kCipherBytes));
}
BENCHMARK(OurBlowfish)->Unit(benchmark::kMillisecond);

void OpenSslBlowfish(benchmark::State& state) {
    Bytes data(kCipherBytes, 0x5A), key(72, 0x33);
    BF_KEY bf;
    BF_set_key(&bf, int(key.size()), key.data());
    for (auto _ : state) {
        for (size_t at = 0; at < data.size(); at += 8) BF_ecb_encrypt(&data[at], &data[at], &bf, BF_ENCRYPT);
        benchmark::DoNotOptimize(data.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kCipherBytes));
}
BENCHMARK(OpenSslBlowfish)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
