// payload-tool: builds and inspects the payload entries of setup.exe.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "payload/CGuard.h"
#include "payload/EntrySealer.h"
#include "payload/KeyNameTable.h"
#include "payload/PayloadHeader.h"
#include "payload/StringTable.h"
#include "text/GString.h"
#include "tools/payload-tool/Deflate.h"
#include "tools/common/FileIo.h"
#include "tools/payload-tool/KeyMaterial.h"
#include "tools/payload-tool/SourceWriter.h"
#include "tools/payload-tool/StringChecks.h"
#include "tools/payload-tool/StringTableImage.h"

namespace {

const char kUsage[] =
    "usage:\n"
    "  payload-tool key-material SEED OUT\n"
    "  payload-tool pack --key-material KM [--text] IN OUT [--item-count N]\n"
    "  payload-tool extract --key-material KM ENTRY OUT\n"
    "  payload-tool strings --key-material KM ENTRY\n"
    "  payload-tool pack-strings --key-material KM --ids HEADER [--hex-ids FIRST-LAST] --out-dir DIR\n"
    "               COMMON UI0 UI1 EXTRA\n"
    "  payload-tool source OUT.cpp SYMBOL=ENTRY...\n";

// Options "--name value" and the remaining positional arguments.
struct Arguments {
    std::map<std::string, std::string> Options;
    std::vector<std::string> Positional;
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "payload-tool: %s\n", message.c_str());
    return 1;
}

Arguments Split(int argc, char** argv) {
    Arguments a;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--text") == 0) {
            a.Options["text"] = "1";
        } else if (std::strncmp(argv[i], "--", 2) == 0 && i + 1 < argc) {
            a.Options[argv[i] + 2] = argv[i + 1];
            ++i;
        } else
            a.Positional.push_back(argv[i]);
    }
    return a;
}

int LoadGuard(const Arguments& a, CGuard& guard) {
    auto km = a.Options.find("key-material");
    std::vector<uint8_t> material;
    if (km == a.Options.end()) return Fail("--key-material is required");
    if (!ReadWholeFile(km->second, material)) return Fail("cannot read " + km->second);
    if (!guard.LoadMaterial(material.data(), uint32_t(material.size())))
        return Fail(km->second + ": key material must be " + std::to_string(guard.MaterialSize) + " bytes");
    return 0;
}

const char* FaultText(ExtractFault fault) {
    switch (fault) {
        case ExtractFault::NoKey: return "no key material";
        case ExtractFault::BadSize: return "entry smaller than its header";
        case ExtractFault::NoMemory: return "out of memory";
        case ExtractFault::StoredSizeMismatch: return "StoredSize differs from the entry's size (wrong key?)";
        case ExtractFault::PackedSizeTooLarge: return "PackedSize reaches past the entry";
        case ExtractFault::PackedCrcMismatch: return "PackedCrc does not match the stream";
        case ExtractFault::StreamMismatch: return "the stream does not yield exactly DataSize bytes";
        case ExtractFault::DataCrcMismatch: return "DataCrc does not match the data";
        case ExtractFault::None: break;
    }
    return "unknown";
}

// Packs data into a stored entry; prints the sizes against zlib -9.
int PackBytes(const CGuard& guard, const std::string& name, const std::vector<uint8_t>& data, uint32_t itemCount,
              std::vector<uint8_t>& stored) {
    const std::vector<uint8_t> packed = DeflateSmallest(data);
    uint32_t storedSize = 0;
    uint8_t* entry = SealEntry(guard, data.data(), uint32_t(data.size()), packed.data(), uint32_t(packed.size()),
                               itemCount, storedSize);
    if (!entry) return Fail(name + ": cannot seal the entry");
    stored.assign(entry, entry + storedSize);
    std::free(entry);
    std::printf("%s: %zu bytes, DEFLATE %zu (zlib -9: %zu), stored %u\n", name.c_str(), data.size(),
                packed.size(), DeflateZlib9(data).size(), storedSize);
    return 0;
}

// Line feeds become CR LF, as edit controls want; existing CR LF stay.
std::vector<uint8_t> WithCrLf(const std::vector<uint8_t>& text) {
    std::vector<uint8_t> out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out.push_back('\r');
        out.push_back(text[i]);
    }
    return out;
}

int WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    return WriteWholeFile(path, bytes.data(), bytes.size()) ? 0 : Fail("cannot write " + path);
}

int CommandKeyMaterial(const Arguments& a) {
    if (a.Positional.size() != 2) return Fail(kUsage);
    std::vector<uint8_t> seed;
    if (!ReadWholeFile(a.Positional[0], seed)) return Fail("cannot read " + a.Positional[0]);
    return WriteBytes(a.Positional[1], KeyMaterialFromSeed(std::string(seed.begin(), seed.end())));
}

int CommandPack(const Arguments& a) {
    CGuard guard;
    if (a.Positional.size() != 2) return Fail(kUsage);
    if (LoadGuard(a, guard)) return 1;
    std::vector<uint8_t> data, stored;
    if (!ReadWholeFile(a.Positional[0], data)) return Fail("cannot read " + a.Positional[0]);
    if (a.Options.count("text")) data = WithCrLf(data);
    auto count = a.Options.find("item-count");
    const uint32_t itemCount = count == a.Options.end() ? 0 : uint32_t(std::strtoul(count->second.c_str(), nullptr, 0));
    if (PackBytes(guard, a.Positional[0], data, itemCount, stored)) return 1;
    return WriteBytes(a.Positional[1], stored);
}

// Loads the key material and extracts the first positional argument; the
// caller frees the result. Null after a message when anything fails.
uint8_t* ExtractArgument(const Arguments& a, size_t positional, uint32_t& size, uint32_t& itemCount) {
    CGuard guard;
    if (a.Positional.size() != positional) {
        Fail(kUsage);
        return nullptr;
    }
    if (LoadGuard(a, guard)) return nullptr;
    const std::string& path = a.Positional[0];
    std::vector<uint8_t> stored;
    if (!ReadWholeFile(path, stored)) {
        Fail("cannot read " + path);
        return nullptr;
    }
    size = uint32_t(stored.size());
    ExtractFault fault;
    uint8_t* data = guard.Extract(stored.data(), size, &itemCount, &fault);
    if (!data) Fail(path + ": rejected: " + FaultText(fault));
    return data;
}

int CommandExtract(const Arguments& a) {
    uint32_t size = 0, itemCount = 0;
    uint8_t* data = ExtractArgument(a, 2, size, itemCount);
    if (!data) return 1;
    const bool written = WriteWholeFile(a.Positional[1], data, size);
    std::free(data);
    if (!written) return Fail("cannot write " + a.Positional[1]);
    std::printf("DataSize %u\nItemCount %u\n", size, itemCount);
    return 0;
}

int CommandStrings(const Arguments& a) {
    uint32_t size = 0, itemCount = 0;
    uint8_t* data = ExtractArgument(a, 1, size, itemCount);
    if (!data) return 1;
    StringTable table;
    if (!table.Load(data, size, itemCount)) {
        std::free(data);
        return Fail(a.Positional[0] + ": not a well-formed string table");
    }
    GString text;
    for (uint32_t i = 0; i < table.Count; ++i) {
        const uint32_t id = ReadLittle32(table.Index + 8 * i);
        text.AssignRecord(table.Lookup(id));
        text.ToNarrow();
        std::printf("%u %s\n", id, EscapeText(std::string(text.NarrowAt(0), size_t(text.Length()))).c_str());
    }
    return 0;
}

int ReadSource(const std::string& path, StringSource& out) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes)) return Fail("cannot read " + path);
    std::string error;
    if (!ParseStringSource(path, std::string(bytes.begin(), bytes.end()), out, error)) return Fail(error);
    return 0;
}

std::vector<uint32_t> IdRange(const std::string& range) {
    std::vector<uint32_t> ids;
    if (range.empty()) return ids;
    const size_t dash = range.find('-');
    const uint32_t first = uint32_t(std::strtoul(range.c_str(), nullptr, 10));
    const uint32_t last = dash == std::string::npos ? first : uint32_t(std::strtoul(range.c_str() + dash + 1, nullptr, 10));
    for (uint32_t id = first; id <= last; ++id) ids.push_back(id);
    return ids;
}

// The key names are table data rather than named ids; they must be found too.
std::vector<NamedId> KeyNameIds() {
    std::vector<NamedId> ids;
    for (int i = 0; i < kKeyNameCount; ++i)
        if (KeyNameTable[i].NameId) ids.push_back({"key name of entry " + std::to_string(i + 1), KeyNameTable[i].NameId, 0, false, ""});
    return ids;
}

int CommandPackStrings(const Arguments& a) {
    CGuard guard;
    if (a.Positional.size() != 4 || !a.Options.count("ids") || !a.Options.count("out-dir")) return Fail(kUsage);
    if (LoadGuard(a, guard)) return 1;
    StringTableSources t;
    StringSource* sources[4] = {&t.Common, &t.Ui0, &t.Ui1, &t.Extra};
    for (int i = 0; i < 4; ++i)
        if (ReadSource(a.Positional[size_t(i)], *sources[i])) return 1;

    const std::string idsPath = a.Options.at("ids");
    std::vector<uint8_t> header;
    if (!ReadWholeFile(idsPath, header)) return Fail("cannot read " + idsPath);
    std::vector<NamedId> named;
    std::string error;
    if (!ParseNamedIds(idsPath, std::string(header.begin(), header.end()), named, error)) return Fail(error);
    const std::vector<NamedId> keyNames = KeyNameIds();
    named.insert(named.end(), keyNames.begin(), keyNames.end());
    auto hex = a.Options.find("hex-ids");
    const std::vector<std::string> faults =
        CheckStringTables(t, idsPath, named, IdRange(hex == a.Options.end() ? "" : hex->second));
    for (const std::string& f : faults) std::fprintf(stderr, "%s\n", f.c_str());
    if (!faults.empty()) return Fail("string tables refused");

    const char* names[4] = {"strings-common.bin", "strings-ui0.bin", "strings-ui1.bin", "strings-extra.bin"};
    for (int i = 0; i < 4; ++i) {
        std::vector<uint8_t> stored;
        if (PackBytes(guard, names[i], BuildStringTableImage(*sources[i]), uint32_t(sources[i]->Strings.size()), stored) ||
            WriteBytes(a.Options.at("out-dir") + "/" + names[i], stored))
            return 1;
    }
    return 0;
}

int CommandSource(const Arguments& a) {
    if (a.Positional.size() < 2) return Fail(kUsage);
    std::vector<GeneratedEntry> entries;
    for (size_t i = 1; i < a.Positional.size(); ++i) {
        const std::string& spec = a.Positional[i];
        const size_t eq = spec.find('=');
        if (eq == std::string::npos) return Fail("expected SYMBOL=ENTRY, got " + spec);
        GeneratedEntry e{spec.substr(0, eq), {}};
        if (!ReadWholeFile(spec.substr(eq + 1), e.Bytes)) return Fail("cannot read " + spec.substr(eq + 1));
        entries.push_back(std::move(e));
    }
    return WriteFileIfChanged(a.Positional[0], WritePayloadSource(entries)) ? 0 : Fail("cannot write " + a.Positional[0]);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Fail(kUsage);
    const std::string command = argv[1];
    const Arguments a = Split(argc, argv);
    if (command == "key-material") return CommandKeyMaterial(a);
    if (command == "pack") return CommandPack(a);
    if (command == "extract") return CommandExtract(a);
    if (command == "strings") return CommandStrings(a);
    if (command == "pack-strings") return CommandPackStrings(a);
    if (command == "source") return CommandSource(a);
    return Fail(kUsage);
}
