// Loads a keyboard-layout DLL as Windows does, calls KbdLayerDescriptor and
// walks every table, refusing any pointer that leaves the image. The tables
// are printed in the layout compiler's dump format and compared with it.
//   layout-checker DLL                      print the tables
//   layout-checker DLL EXPECTED [relocate]  compare; relocate first takes the
//                                           DLL's preferred base so that the
//                                           loader has to move it
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/windows/layout-checker/KeyboardTables.h"

namespace {

struct Image {
    const uint8_t* Base = nullptr;
    size_t Size = 0;

    bool Inside(const void* p, size_t n) const {
        const uint8_t* b = static_cast<const uint8_t*>(p);
        return b >= Base && n <= Size && static_cast<size_t>(b - Base) <= Size - n;
    }
};

std::string Fault;

bool Check(bool ok, const char* what) {
    if (!ok && Fault.empty()) Fault = what;
    return ok;
}

std::string Hex(unsigned value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
    return buffer;
}

std::string Utf8(const uint16_t* text, size_t length) {
    std::wstring wide(reinterpret_cast<const wchar_t*>(text), length);
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), static_cast<int>(wide.size()), &out[0], n, nullptr, nullptr);
    return out;
}

// A zero-ended wide string that must end inside the image.
bool ReadText(const Image& image, const uint16_t* text, std::string& out, size_t skip = 0) {
    size_t length = 0;
    for (;; ++length) {
        if (!Check(image.Inside(text + length, 2), "a name runs outside the image")) return false;
        if (text[length] == 0) break;
    }
    if (!Check(length > skip, "a dead-key name is empty")) return false;
    out = Utf8(text + skip, length - skip);
    return true;
}

template <class T>
bool Walk(const Image& image, const T* list, const char* what, size_t limit, std::vector<const T*>& items,
          bool (*last)(const T&)) {
    for (size_t i = 0;; ++i) {
        if (!Check(image.Inside(list + i, sizeof(T)), what) || !Check(i < limit, "a table has no end")) return false;
        if (last(list[i])) return true;
        items.push_back(list + i);
    }
}

bool DumpNames(const Image& image, const kbd::VscName* names, const char* label, std::string& out) {
    std::vector<const kbd::VscName*> items;
    if (!Check(names != nullptr, "a key-name table is missing") ||
        !Walk<kbd::VscName>(image, names, "a key-name table lies outside the image", 256, items,
                            [](const kbd::VscName& n) { return n.Vsc == 0; }))
        return false;
    for (const kbd::VscName* n : items) {
        std::string text;
        if (!ReadText(image, n->Name, text)) return false;
        out += std::string(label) + " " + Hex(n->Vsc, 2) + " " + text + "\n";
    }
    return true;
}

bool DumpCharTables(const Image& image, const kbd::Tables& t, int columns, std::string& out) {
    std::vector<const kbd::VkToWcharTable*> tables;
    if (!Check(t.VkToWcharTable != nullptr, "the character tables are missing") ||
        !Walk<kbd::VkToWcharTable>(image, t.VkToWcharTable, "the list of character tables lies outside the image", 64,
                                   tables, [](const kbd::VkToWcharTable& v) { return v.Rows == nullptr; }))
        return false;
    for (const kbd::VkToWcharTable* table : tables) {
        const int n = table->Modifications;
        if (!Check(n >= 1 && n <= columns, "a character table is wider than the shift states") ||
            !Check(table->RowSize == 2 + 2 * n, "a character table's row size does not fit its width"))
            return false;
        out += "table " + std::to_string(n) + "\n";
        bool next = false;
        for (const uint8_t* row = table->Rows;; row += table->RowSize) {
            if (!Check(image.Inside(row, table->RowSize), "a character row lies outside the image")) return false;
            if (row[0] == 0) break;
            const uint16_t* chars = reinterpret_cast<const uint16_t*>(row + 2);
            std::string line = std::string(next ? "next " : "key ") + Hex(row[0], 2) + " " + Hex(row[1], 2);
            bool hasNext = (row[1] & kbd::kSgCaps) != 0;
            for (int c = 0; c < n; ++c) {
                line += " " + Hex(chars[c], 4);
                hasNext = hasNext || chars[c] == kbd::kDeadChar;
            }
            out += line + "\n";
            next = !next && hasNext;
        }
        if (!Check(!next, "a dead key or SGCap row is the last of its table")) return false;
    }
    return true;
}

bool Dump(const Image& image, const kbd::Tables& t, std::string& out) {
    if (!Check(t.VscToVk && image.Inside(t.VscToVk, 2u * t.MaxVscToVk), "the scan-code table lies outside the image"))
        return false;
    for (unsigned scan = 0; scan < t.MaxVscToVk; ++scan) out += "scan " + Hex(scan, 2) + " " + Hex(t.VscToVk[scan], 4) + "\n";
    const char* prefixes[] = {"e0 ", "e1 "};
    const kbd::VscVk* lists[] = {t.VscToVkE0, t.VscToVkE1};
    for (int p = 0; p < 2; ++p) {
        std::vector<const kbd::VscVk*> keys;
        if (!Check(lists[p] != nullptr, "a prefixed scan-code table is missing") ||
            !Walk<kbd::VscVk>(image, lists[p], "a prefixed scan-code table lies outside the image", 256, keys,
                              [](const kbd::VscVk& k) { return k.Vsc == 0; }))
            return false;
        for (const kbd::VscVk* k : keys) out += prefixes[p] + Hex(k->Vsc, 2) + " " + Hex(k->Vk, 4) + "\n";
    }
    const kbd::Modifiers* m = t.CharModifiers;
    if (!Check(m && image.Inside(m, sizeof(kbd::Modifiers)), "the modifiers lie outside the image")) return false;
    std::vector<const kbd::VkToBit*> bits;
    if (!Walk<kbd::VkToBit>(image, m->VkToBit, "the modifier keys lie outside the image", 16, bits,
                            [](const kbd::VkToBit& b) { return b.Vk == 0; }))
        return false;
    for (const kbd::VkToBit* b : bits) out += "modifier " + Hex(b->Vk, 2) + " " + Hex(b->ModBits, 2) + "\n";
    if (!Check(image.Inside(m->ModNumber, m->MaxModBits + 1u), "the column numbers lie outside the image")) return false;
    int columns = 0;
    out += "columns";
    for (unsigned i = 0; i <= m->MaxModBits; ++i) {
        out += " " + Hex(m->ModNumber[i], 1);
        if (m->ModNumber[i] != kbd::kInvalidColumn && m->ModNumber[i] + 1 > columns) columns = m->ModNumber[i] + 1;
    }
    out += "\n";
    if (!DumpCharTables(image, t, columns, out)) return false;
    if (t.DeadKeys) {
        std::vector<const kbd::DeadKey*> dead;
        if (!Walk<kbd::DeadKey>(image, t.DeadKeys, "the dead-key table lies outside the image", 4096, dead,
                                [](const kbd::DeadKey& d) { return d.Both == 0; }))
            return false;
        for (const kbd::DeadKey* d : dead)
            out += "dead " + Hex(d->Both >> 16, 4) + " " + Hex(d->Both & 0xFFFF, 4) + " " + Hex(d->Composed, 4) + " " +
                   Hex(d->Flags, 4) + "\n";
    }
    if (!DumpNames(image, t.KeyNames, "name", out) || !DumpNames(image, t.KeyNamesExt, "name-ext", out)) return false;
    if (t.KeyNamesDead) {
        for (size_t i = 0;; ++i) {
            if (!Check(image.Inside(t.KeyNamesDead + i, sizeof(void*)), "the dead-key names lie outside the image") ||
                !Check(i < 256, "a table has no end"))
                return false;
            const uint16_t* text = t.KeyNamesDead[i];
            if (!text) break;
            std::string name;
            if (!ReadText(image, text, name, 1)) return false;
            out += "name-dead " + Hex(text[0], 4) + " " + name + "\n";
        }
    }
    if (!Check(t.LigatureMax == 0 && t.LigatureEntrySize == 0 && t.Ligatures == nullptr, "the layout has ligatures"))
        return false;
    out += "flags " + Hex(t.LocaleFlags, 8) + " type " + std::to_string(t.Type) + " subtype " + std::to_string(t.SubType) +
           "\n";
    return true;
}

bool DumpResources(HMODULE module, const wchar_t* path, std::string& out) {
    const wchar_t* text = nullptr;
    int length = LoadStringW(module, 1000, reinterpret_cast<wchar_t*>(&text), 0);
    if (!Check(length > 0, "string resource 1000 is missing")) return false;
    out += "display-name " + Utf8(reinterpret_cast<const uint16_t*>(text), length) + "\n";
    DWORD handle = 0, size = GetFileVersionInfoSizeW(path, &handle);
    std::vector<uint8_t> info(size ? size : 1);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!Check(size && GetFileVersionInfoW(path, 0, size, info.data()) &&
                   VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize) && fixed,
               "the version information is missing"))
        return false;
    out += "version " + std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
           std::to_string(LOWORD(fixed->dwFileVersionMS)) + "\n";
    return true;
}

// The preferred base from the file's own headers.
bool PreferredBase(const wchar_t* path, uintptr_t& base, size_t& size) {
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    uint8_t header[4096];
    DWORD read = 0;
    bool ok = ReadFile(file, header, sizeof header, &read, nullptr) && read >= sizeof(IMAGE_DOS_HEADER);
    CloseHandle(file);
    if (!ok) return false;
    LONG offset = reinterpret_cast<IMAGE_DOS_HEADER*>(header)->e_lfanew;
    if (offset <= 0 || static_cast<DWORD>(offset) + sizeof(IMAGE_NT_HEADERS) > read) return false;
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(header + offset);
    base = static_cast<uintptr_t>(nt->OptionalHeader.ImageBase);
    size = nt->OptionalHeader.SizeOfImage;
    return true;
}

std::wstring Wide(const char* text) {
    int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring out(n > 0 ? n - 1 : 0, L'\0');
    if (n > 1) MultiByteToWideChar(CP_UTF8, 0, text, -1, &out[0], n);
    return out;
}

int Compare(const std::string& actual, const char* expectedPath) {
    FILE* f = std::fopen(expectedPath, "rb");
    if (!f) {
        std::fprintf(stderr, "cannot read %s\n", expectedPath);
        return 1;
    }
    std::string expected;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) expected.append(buffer, n);
    std::fclose(f);
    if (actual == expected) return 0;
    size_t a = 0, e = 0;
    for (int line = 1;; ++line) {
        size_t aEnd = actual.find('\n', a), eEnd = expected.find('\n', e);
        std::string aLine = actual.substr(a, aEnd - a), eLine = expected.substr(e, eEnd - e);
        if (aLine != eLine || aEnd == std::string::npos || eEnd == std::string::npos) {
            std::fprintf(stderr, "line %d differs\n  DLL:    %s\n  source: %s\n", line, aLine.c_str(), eLine.c_str());
            return 1;
        }
        a = aEnd + 1;
        e = eEnd + 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4 || (argc == 4 && std::strcmp(argv[3], "relocate") != 0)) {
        std::fprintf(stderr, "usage: layout-checker DLL [EXPECTED [relocate]]\n");
        return 2;
    }
    const std::wstring path = Wide(argv[1]);
    uintptr_t preferred = 0;
    size_t preferredSize = 0;
    if (!PreferredBase(path.c_str(), preferred, preferredSize)) {
        std::fprintf(stderr, "%s: not a readable PE file\n", argv[1]);
        return 1;
    }
    if (argc == 4 && !VirtualAlloc(reinterpret_cast<void*>(preferred), preferredSize, MEM_RESERVE, PAGE_NOACCESS)) {
        std::fprintf(stderr, "cannot take the preferred base %p to force a relocation\n", reinterpret_cast<void*>(preferred));
        return 1;
    }
    HMODULE module = LoadLibraryW(path.c_str());
    if (!module) {
        std::fprintf(stderr, "%s: LoadLibrary failed with error %lu\n", argv[1], GetLastError());
        return 1;
    }
    if (argc == 4 && reinterpret_cast<uintptr_t>(module) == preferred) {
        std::fprintf(stderr, "the DLL was loaded at its preferred base after all\n");
        return 1;
    }
    typedef const kbd::Tables* (*Descriptor)();
    Descriptor descriptor = reinterpret_cast<Descriptor>(reinterpret_cast<void*>(GetProcAddress(module, "KbdLayerDescriptor")));
    if (!descriptor) {
        std::fprintf(stderr, "%s: KbdLayerDescriptor is not exported\n", argv[1]);
        return 1;
    }
    const uint8_t* base = reinterpret_cast<const uint8_t*>(module);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    Image image;
    image.Base = base;
    image.Size = nt->OptionalHeader.SizeOfImage;
    const kbd::Tables* tables = descriptor();
    std::string dump;
    if (!Check(image.Inside(tables, sizeof(kbd::Tables)), "KbdLayerDescriptor answers a pointer outside the image") ||
        !Dump(image, *tables, dump) || !DumpResources(module, path.c_str(), dump)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], Fault.c_str());
        return 1;
    }
    if (argc == 2) {
        _setmode(_fileno(stdout), _O_BINARY);  // the dump's own line ends
        std::fwrite(dump.data(), 1, dump.size(), stdout);
        return 0;
    }
    return Compare(dump, argv[2]);
}
