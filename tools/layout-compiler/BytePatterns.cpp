#include "tools/layout-compiler/BytePatterns.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "tools/layout-compiler/VirtualKeys.h"

namespace {

// Short runs happen to be unique too (three bytes are, in these files), but
// values that an earlier tailoring step writes could then form an earlier copy.
constexpr size_t kShortestPattern = 8;
constexpr size_t kLongestPattern = 64;

struct Range {
    size_t Start, End;
};

struct Located {
    size_t Main = 0, E0 = 0, E1 = 0, Decimal = 0;
    std::vector<Range> MainChanges, E0Changes, E1Changes;
};

void Put16(std::vector<uint8_t>& bytes, uint16_t value) {
    bytes.push_back(static_cast<uint8_t>(value));
    bytes.push_back(static_cast<uint8_t>(value >> 8));
}

std::vector<uint8_t> PrefixedBytes(const std::vector<ScanVk>& keys) {
    std::vector<uint8_t> bytes;
    for (const ScanVk& k : keys) {
        bytes.push_back(k.Scan);
        bytes.push_back(0);
        Put16(bytes, k.Vk);
    }
    bytes.insert(bytes.end(), 4, 0);
    return bytes;
}

size_t Count(const std::vector<uint8_t>& image, const uint8_t* needle, size_t length, size_t* first) {
    size_t count = 0;
    for (size_t i = 0; length && i + length <= image.size(); ++i) {
        if (std::equal(needle, needle + length, image.begin() + i)) {
            if (count == 0 && first) *first = i;
            ++count;
        }
    }
    return count;
}

int LocateOnce(const PatternFile& file, const std::vector<uint8_t>& bytes, const char* what, size_t& at,
               std::string& error) {
    size_t n = Count(file.Image, bytes.data(), bytes.size(), &at);
    if (n != 1) {
        error = file.Path + ": the " + what + " occurs " + std::to_string(n) + " times, not once";
        return 0;
    }
    return 1;
}

int Locate(const PatternFile& file, Located& where, std::string& error) {
    std::vector<uint8_t> scan;
    for (uint16_t vk : file.Tables.ScanToVk) Put16(scan, vk);
    if (!LocateOnce(file, scan, "scan-code table", where.Main, error) ||
        !LocateOnce(file, PrefixedBytes(file.Tables.E0), "E0 table", where.E0, error) ||
        !LocateOnce(file, PrefixedBytes(file.Tables.E1), "E1 table", where.E1, error))
        return 0;
    int columns = 0;
    const CharRecord* decimal = FindCharRecord(file.Tables, kVkDecimal, &columns);
    if (!decimal || columns != 2) {
        error = file.Path + ": the keypad decimal key has no record in the two-character table";
        return 0;
    }
    std::vector<uint8_t> record = {decimal->Row.Vk, decimal->Row.Attributes};
    for (uint16_t c : decimal->Row.Chars) Put16(record, c);
    if (!LocateOnce(file, record, "keypad decimal record", where.Decimal, error)) return 0;
    where.Decimal += 2;
    where.MainChanges.push_back({where.Main, where.Main + scan.size()});
    for (size_t i = 0; i < file.Tables.E0.size(); ++i) where.E0Changes.push_back({where.E0 + 4 * i + 2, where.E0 + 4 * i + 4});
    for (size_t i = 0; i < file.Tables.E1.size(); ++i) where.E1Changes.push_back({where.E1 + 4 * i + 2, where.E1 + 4 * i + 4});
    return 1;
}

std::string Hex(const uint8_t* bytes, size_t length) {
    std::string out;
    char buffer[4];
    for (size_t i = 0; i < length; ++i) {
        std::snprintf(buffer, sizeof buffer, "%02X", bytes[i]);
        out += buffer;
    }
    return out;
}

struct Role {
    int Id;
    int Variant;  // -1: every file
    const char* What;
};

size_t StartOf(const Located& where, int id) {
    return id == kDecimalPatternId ? where.Decimal : id == kE0PatternId ? where.E0 : id == kE1PatternId ? where.E1 : where.Main;
}

// Bytes that the tailoring may have changed before it searches this pattern.
std::vector<Range> ChangedBefore(const Located& where, int id) {
    std::vector<Range> ranges;
    if (id == kE0PatternId || id == kE1PatternId || id == kDecimalPatternId)
        ranges.insert(ranges.end(), where.MainChanges.begin(), where.MainChanges.end());
    if (id == kE1PatternId || id == kDecimalPatternId)
        ranges.insert(ranges.end(), where.E0Changes.begin(), where.E0Changes.end());
    if (id == kDecimalPatternId) ranges.insert(ranges.end(), where.E1Changes.begin(), where.E1Changes.end());
    return ranges;
}

int DeriveOne(const Role& role, const std::vector<PatternFile>& files, const std::vector<Located>& where,
              std::string& text, std::string& error) {
    std::vector<size_t> serving;
    for (size_t f = 0; f < files.size(); ++f)
        if (role.Variant < 0 || files[f].Variant == role.Variant) serving.push_back(f);
    if (serving.empty()) {
        error = std::string("no file for the ") + role.What;
        return 0;
    }
    const PatternFile& first = files[serving[0]];
    const size_t start = StartOf(where[serving[0]], role.Id);
    for (size_t length = kShortestPattern; length <= kLongestPattern; ++length) {
        if (start + length > first.Image.size()) break;
        const uint8_t* pattern = first.Image.data() + start;
        bool unique = true;
        for (size_t f : serving) {
            const size_t at = StartOf(where[f], role.Id);
            if (at + length > files[f].Image.size() ||
                !std::equal(pattern, pattern + length, files[f].Image.begin() + at)) {
                error = std::string("the ") + role.What + " pattern is not unique in " + first.Path + " before " +
                        files[f].Path + " differs from it";
                return 0;
            }
            for (const Range& r : ChangedBefore(where[f], role.Id)) {
                if (at < r.End && r.Start < at + length) {
                    error = std::string("the ") + role.What + " pattern would need bytes an earlier tailoring step changes in " +
                            files[f].Path;
                    return 0;
                }
            }
            unique = unique && Count(files[f].Image, pattern, length, nullptr) == 1;
        }
        if (unique) {
            text += std::to_string(role.Id) + " " + Hex(pattern, length) + "\n";
            return 1;
        }
    }
    error = std::string("no unique ") + role.What + " pattern of up to " + std::to_string(kLongestPattern) + " bytes";
    return 0;
}

int DecodeHex(const std::string& hex, std::vector<uint8_t>& bytes) {
    static const char kDigits[] = "0123456789ABCDEF";
    bytes.clear();
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        const char* high = std::strchr(kDigits, hex[i]);
        const char* low = std::strchr(kDigits, hex[i + 1]);
        if (!high || !low) return 0;
        bytes.push_back(static_cast<uint8_t>((high - kDigits) * 16 + (low - kDigits)));
    }
    return !bytes.empty();
}

int Find(const std::vector<uint8_t>& image, const std::string& patterns, int id, size_t& at, std::string& error) {
    std::vector<uint8_t> bytes;
    if (!DecodeHex(PatternHex(patterns, id), bytes)) {
        error = "pattern " + std::to_string(id) + " cannot be decoded";
        return 0;
    }
    if (Count(image, bytes.data(), bytes.size(), &at) == 0) {
        error = "pattern " + std::to_string(id) + " is not in the file";
        return 0;
    }
    return 1;
}

int Store(std::vector<uint8_t>& image, size_t at, uint16_t value, std::string& error) {
    if (at + 2 > image.size()) {
        error = "a tailored value would lie outside the file";
        return 0;
    }
    image[at] = static_cast<uint8_t>(value);
    image[at + 1] = static_cast<uint8_t>(value >> 8);
    return 1;
}

int TailorPrefixed(std::vector<uint8_t>& image, size_t table, uint16_t prefix, const KeyAssignment* keys, int count,
                   std::string& error) {
    for (int k = 0; k < count; ++k) {
        if ((keys[k].Scan & 0xFF00) != prefix || keys[k].Vk == 0) continue;
        for (size_t at = table; at < image.size() && image[at] != 0; at += 4) {
            if (image[at] == (keys[k].Scan & 0xFF)) {
                if (!Store(image, at + 2, keys[k].Vk, error)) return 0;
                break;
            }
        }
    }
    return 1;
}

}  // namespace

const KeyAssignment kSampleAssignments[] = {
    {0x001E, 0x0051}, {0x003A, 0x00A2}, {0x007E, 0x0041}, {0x00FF, 0x0020}, {0x0030, 0},
    {0xE05B, 0x015D}, {0xE07F, 0x0020}, {0xE11D, 0x0090},
};
const int kSampleAssignmentCount = sizeof(kSampleAssignments) / sizeof(kSampleAssignments[0]);

int DerivePatterns(const std::vector<PatternFile>& files, std::string& text, std::string& error) {
    std::vector<Located> where(files.size());
    for (size_t f = 0; f < files.size(); ++f)
        if (!Locate(files[f], where[f], error)) return 0;
    const Role roles[] = {
        {kDecimalPatternId, -1, "keypad decimal"},
        {kFirstMainPatternId, 0, "variant 0 scan-code table"},
        {kFirstMainPatternId + 1, 1, "variant 1 scan-code table"},
        {kFirstMainPatternId + 2, 2, "variant 2 scan-code table"},
        {kE0PatternId, -1, "E0 table"},
        {kE1PatternId, -1, "E1 table"},
    };
    text.clear();
    for (const Role& role : roles)
        if (!DeriveOne(role, files, where, text, error)) return 0;
    return 1;
}

std::string PatternHex(const std::string& text, int id) {
    const std::string key = std::to_string(id) + " ";
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        if (text.compare(at, key.size(), key) == 0) return text.substr(at + key.size(), end - at - key.size());
        at = end + 1;
    }
    return std::string();
}

int TailorImage(std::vector<uint8_t>& image, const std::string& patterns, int variant, const KeyAssignment* keys,
                int count, bool decimalComma, std::string& error) {
    size_t main = 0, e0 = 0, e1 = 0, decimal = 0;
    if (!Find(image, patterns, kFirstMainPatternId + variant, main, error)) return 0;
    for (int k = 0; k < count; ++k)
        if (keys[k].Scan < kScanTableSize && keys[k].Vk != 0 && !Store(image, main + 2 * keys[k].Scan, keys[k].Vk, error))
            return 0;
    if (!Find(image, patterns, kE0PatternId, e0, error) || !TailorPrefixed(image, e0, 0xE000, keys, count, error))
        return 0;
    if (!Find(image, patterns, kE1PatternId, e1, error) || !TailorPrefixed(image, e1, 0xE100, keys, count, error))
        return 0;
    if (decimalComma) {
        if (!Find(image, patterns, kDecimalPatternId, decimal, error)) return 0;
        if (decimal + 3 > image.size()) {
            error = "the decimal characters would lie outside the file";
            return 0;
        }
        image[decimal] = image[decimal + 2] = ',';
    }
    return 1;
}

void TailorTables(LayoutTables& tables, const KeyAssignment* keys, int count, bool decimalComma) {
    for (int k = 0; k < count; ++k) {
        const KeyAssignment& key = keys[k];
        if (key.Vk == 0) continue;
        if (key.Scan < kScanTableSize) tables.ScanToVk[key.Scan] = key.Vk;
        std::vector<ScanVk>* prefixed = (key.Scan & 0xFF00) == 0xE000 ? &tables.E0
                                      : (key.Scan & 0xFF00) == 0xE100 ? &tables.E1 : nullptr;
        if (!prefixed) continue;
        for (ScanVk& e : *prefixed) {
            if (e.Scan == (key.Scan & 0xFF)) {
                e.Vk = key.Vk;
                break;
            }
        }
    }
    if (!decimalComma) return;
    for (CharTable& table : tables.Tables)
        for (CharRecord& record : table.Records)
            if (record.Row.Vk == kVkDecimal)
                for (size_t i = 0; i < record.Row.Chars.size() && i < 2; ++i)
                    record.Row.Chars[i] = static_cast<uint16_t>((record.Row.Chars[i] & 0xFF00) | ',');
}
