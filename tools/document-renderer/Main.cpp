// The document renderer: the user guide, the keyboard charts and the page the
// pointer files open, drawn from the guide sources and the layout sources.
//   document-renderer guide  OUT.pdf  TEXTS STRINGS-DIR GUIDE.txt... --layouts SOURCE.klc...
//   document-renderer charts OUT.pdf  TEXTS STRINGS-DIR SOURCE.klc...
//   document-renderer page   OUT.html TEXTS STRINGS-DIR TEMPLATE.html SOURCE.klc...
// TEXTS holds the documents' other texts and their date; the document names
// come from the common string table in STRINGS-DIR, as the installer names the files.
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

#include "tools/document-renderer/ChartsDocument.h"
#include "tools/document-renderer/GuideDocument.h"
#include "tools/document-renderer/PointerPage.h"
#include "tools/common/FileIo.h"
#include "tools/payload-tool/StringSource.h"

namespace {

// Ids of the common table that name the documents.
constexpr uint32_t kGuideNameId = 22;
constexpr uint32_t kGuideNameSuffixId = 23;
constexpr uint32_t kChartsNameId = 30;
constexpr uint32_t kDocumentExtensionId = 42;

struct DocumentNames {
    std::string Guide, Charts, Extension;
};

int LoadNames(const std::string& stringsDir, DocumentNames& names) {
    std::string path = stringsDir + "/common.txt", content, error;
    StringSource source;
    if (!ReadSourceFile(path, content)) return 0;
    if (!ParseStringSource(path, content, source, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 0;
    }
    const SourceString* guide = source.Find(kGuideNameId);
    const SourceString* suffix = source.Find(kGuideNameSuffixId);
    const SourceString* charts = source.Find(kChartsNameId);
    const SourceString* extension = source.Find(kDocumentExtensionId);
    if (!guide || !suffix || !charts || !extension) {
        std::fprintf(stderr, "%s: the document names are missing\n", path.c_str());
        return 0;
    }
    names.Guide = guide->Text + " (" + suffix->Text + ")";
    names.Charts = charts->Text;
    names.Extension = extension->Text;
    return 1;
}

int LoadTexts(const std::string& path, TextResources& texts) {
    std::string content, error;
    if (!ReadSourceFile(path, content)) return 0;
    if (!ParseTextResources(path, content, texts, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 0;
    }
    return 1;
}

int LoadLayouts(char** paths, int count, std::vector<LayoutSource>& layouts) {
    for (int i = 0; i < count; ++i) {
        layouts.emplace_back();
        if (!LoadLayoutSource(paths[i], layouts.back())) return 0;
    }
    return 1;
}

int Info(const TextResources& texts, const std::string& title, const char* subjectKey, PdfInfo& info) {
    info.Title = title;
    return texts.Require("author", info.Author) && texts.Require(subjectKey, info.Subject) &&
           texts.Require("date", info.Date);
}

int Guide(const std::string& out, const TextResources& texts, const DocumentNames& names, int argc, char** argv) {
    std::vector<std::vector<GuideBlock>> parts;
    int i = 0;
    for (; i < argc && std::strcmp(argv[i], "--layouts") != 0; ++i) {
        std::string content, error;
        parts.emplace_back();
        if (!ReadSourceFile(argv[i], content)) return 0;
        if (!ParseGuideSource(argv[i], content, parts.back(), error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 0;
        }
    }
    std::vector<LayoutSource> layouts;
    PdfInfo info;
    if (i < argc && !LoadLayouts(argv + i + 1, argc - i - 1, layouts)) return 0;
    return Info(texts, names.Guide, "guide.subject", info) && RenderGuide(out, info, parts, layouts);
}

int Charts(const std::string& out, const TextResources& texts, const DocumentNames& names, int argc, char** argv) {
    std::vector<LayoutSource> layouts;
    PdfInfo info;
    return LoadLayouts(argv, argc, layouts) && Info(texts, names.Charts, "charts.subject", info) &&
           RenderCharts(out, info, texts, layouts);
}

int Page(const std::string& out, const TextResources& texts, const DocumentNames& names, int argc, char** argv) {
    std::string pattern, html;
    std::vector<LayoutSource> layouts;
    if (argc < 1 || !ReadSourceFile(argv[0], pattern) || !LoadLayouts(argv + 1, argc - 1, layouts)) return 0;
    int ok = 0;
    std::map<std::string, std::string> values = {
        {"guide-file", EscapeHtml(UrlPath(names.Guide + names.Extension))},
        {"charts-file", EscapeHtml(UrlPath(names.Charts + names.Extension))},
        {"guide-name", EscapeHtml(names.Guide)},
        {"charts-name", EscapeHtml(names.Charts)},
        {"charts", ChartSections(texts, layouts, ok)},
    };
    if (!ok || !FillTemplate(pattern, values, html)) return 0;
    if (!WriteWholeFile(out, reinterpret_cast<const uint8_t*>(html.data()), html.size())) {
        std::fprintf(stderr, "%s: cannot be written\n", out.c_str());
        return 0;
    }
    return 1;
}

// Hands back what Pango, cairo and fontconfig keep for the process, so that a
// leak checker sees only the renderer's own faults.
void ReleaseFontCaches() {
    pango_cairo_font_map_set_default(nullptr);
    cairo_debug_reset_static_data();
    FcFini();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: document-renderer guide|charts|page OUT TEXTS STRINGS-DIR SOURCES...\n");
        return 2;
    }
    std::string command = argv[1], out = argv[2];
    TextResources texts;
    DocumentNames names;
    if (!LoadTexts(argv[3], texts) || !LoadNames(argv[4], names)) return 1;
    int ok = 0;
    if (command == "guide") ok = Guide(out, texts, names, argc - 5, argv + 5);
    else if (command == "charts") ok = Charts(out, texts, names, argc - 5, argv + 5);
    else if (command == "page") ok = Page(out, texts, names, argc - 5, argv + 5);
    else std::fprintf(stderr, "unknown command %s\n", command.c_str());
    ReleaseFontCaches();
    if (!ok) std::remove(out.c_str());
    return ok ? 0 : 1;
}
