// The layout compiler.
//   layout-compiler compile SOURCE.klc OUTDIR
//       writes OUTDIR/layout.c, layout.def, layout.rc and layout.dump; a
//       malformed source writes nothing and prints file:line: what is wrong
//   layout-compiler patterns OUT.txt --variant N SOURCE.klc DLL... [--variant N ...]
//       derives the byte patterns of the tailoring from the built DLLs
//   layout-compiler tailor SOURCE.klc PATTERNS.txt VARIANT IN.dll OUT.dll OUT.dump
//       tailors a copy as the install does and writes the tables it must hold
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tools/common/FileIo.h"
#include "tools/layout-compiler/BytePatterns.h"
#include "tools/layout-compiler/KlcParser.h"
#include "tools/layout-compiler/LayoutEmitter.h"
#include "tools/layout-compiler/LayoutTables.h"

namespace {

int ReadFile(const std::string& path, std::vector<uint8_t>& bytes) {
    if (ReadWholeFile(path, bytes)) return 1;
    std::fprintf(stderr, "%s: cannot be read\n", path.c_str());
    return 0;
}

int WriteFile(const std::string& path, const std::string& text) {
    if (WriteWholeFile(path, reinterpret_cast<const uint8_t*>(text.data()), text.size())) return 1;
    std::fprintf(stderr, "%s: cannot be written\n", path.c_str());
    return 0;
}

int LoadLayout(const std::string& path, LayoutTables& tables, KlcLayout* layoutOut = nullptr) {
    std::vector<uint8_t> bytes;
    if (!ReadFile(path, bytes)) return 0;
    KlcLayout layout;
    KlcError error;
    if (!ParseKlc(bytes, layout, error)) {
        if (error.Line > 0) std::fprintf(stderr, "%s:%d: %s\n", path.c_str(), error.Line, error.Message.c_str());
        else std::fprintf(stderr, "%s: %s\n", path.c_str(), error.Message.c_str());
        return 0;
    }
    tables = BuildLayoutTables(layout);
    if (layoutOut) *layoutOut = layout;
    return 1;
}

const char* const kOutputs[] = {"/layout.c", "/layout.def", "/layout.rc", "/layout.dump"};

int Compile(const std::string& source, const std::string& dir) {
    // Nothing of an earlier run may survive a failed one.
    for (const char* name : kOutputs) std::remove((dir + name).c_str());
    KlcLayout layout;
    LayoutTables tables;
    if (!LoadLayout(source, tables, &layout)) return 1;
    const std::string c = EmitLayoutC(tables), def = EmitLayoutDef(layout), rc = EmitLayoutRc(layout);
    const std::string dump = DumpLayoutTables(tables);
    const std::string* texts[] = {&c, &def, &rc, &dump};
    for (int i = 0; i < 4; ++i) {
        if (!WriteFile(dir + kOutputs[i], *texts[i])) {
            for (const char* name : kOutputs) std::remove((dir + name).c_str());
            return 1;
        }
    }
    return 0;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

int Patterns(int argc, char** argv) {
    std::vector<PatternFile> files;
    int variant = -1;
    LayoutTables tables;
    bool haveSource = false;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--variant" && i + 1 < argc) {
            variant = std::atoi(argv[++i]);
            haveSource = false;
        } else if (variant < 0 || variant > 2) {
            std::fprintf(stderr, "patterns: --variant 0, 1 or 2 must come before the sources\n");
            return 2;
        } else if (EndsWith(arg, ".klc")) {
            if (!LoadLayout(arg, tables)) return 1;
            haveSource = true;
        } else if (!haveSource) {
            std::fprintf(stderr, "patterns: %s comes before its source\n", arg.c_str());
            return 2;
        } else {
            PatternFile file;
            file.Path = arg;
            file.Variant = variant;
            file.Tables = tables;
            if (!ReadFile(file.Path, file.Image)) return 1;
            files.push_back(file);
        }
    }
    std::string text, error;
    if (!DerivePatterns(files, text, error)) {
        std::fprintf(stderr, "patterns: %s\n", error.c_str());
        return 1;
    }
    return WriteFile(argv[2], text) ? 0 : 1;
}

int Tailor(char** argv) {
    LayoutTables tables;
    std::vector<uint8_t> patterns, image;
    if (!LoadLayout(argv[2], tables) || !ReadFile(argv[3], patterns) || !ReadFile(argv[5], image)) return 1;
    std::string error;
    const int variant = std::atoi(argv[4]);
    if (!TailorImage(image, std::string(patterns.begin(), patterns.end()), variant, kSampleAssignments,
                     kSampleAssignmentCount, true, error)) {
        std::fprintf(stderr, "tailor: %s\n", error.c_str());
        return 1;
    }
    TailorTables(tables, kSampleAssignments, kSampleAssignmentCount, true);
    return WriteFile(argv[6], std::string(image.begin(), image.end())) && WriteFile(argv[7], DumpLayoutTables(tables))
               ? 0
               : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "compile") == 0) return Compile(argv[2], argv[3]);
    if (argc >= 6 && std::strcmp(argv[1], "patterns") == 0) return Patterns(argc, argv);
    if (argc == 8 && std::strcmp(argv[1], "tailor") == 0) return Tailor(argv);
    std::fprintf(stderr,
                 "usage: layout-compiler compile SOURCE.klc OUTDIR\n"
                 "       layout-compiler patterns OUT.txt --variant N SOURCE.klc DLL... [--variant N ...]\n"
                 "       layout-compiler tailor SOURCE.klc PATTERNS.txt VARIANT IN.dll OUT.dll OUT.dump\n");
    return 2;
}
