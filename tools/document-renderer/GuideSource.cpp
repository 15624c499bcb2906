#include "tools/document-renderer/GuideSource.h"

#include "tools/document-renderer/SourceLines.h"

namespace {

bool StartsWith(const std::string& line, const char* prefix) { return line.rfind(prefix, 0) == 0; }

}  // namespace

int ParseGuideSource(const std::string& path, const std::string& content, std::vector<GuideBlock>& blocks,
                     std::string& error) {
    blocks.clear();
    bool open = false;  // the last block takes continuation lines
    int number = 0;
    for (const std::string& line : SourceLines(content)) {
        ++number;
        if (line.find_first_not_of(' ') == std::string::npos) {
            open = false;
            continue;
        }
        if (StartsWith(line, "## ")) {
            blocks.push_back({GuideBlockKind::Heading, line.substr(3), number});
            open = false;
        } else if (StartsWith(line, "# ")) {
            blocks.push_back({GuideBlockKind::Title, line.substr(2), number});
            open = false;
        } else if (StartsWith(line, "@chart ")) {
            blocks.push_back({GuideBlockKind::Chart, line.substr(7), number});
            open = false;
        } else if (StartsWith(line, "- ")) {
            blocks.push_back({GuideBlockKind::Bullet, line.substr(2), number});
            open = true;
        } else if (line[0] == '#' || line[0] == '@') {
            error = path + ":" + std::to_string(number) + ": unknown mark";
            return 0;
        } else if (open && (blocks.back().Kind == GuideBlockKind::Paragraph ||
                            (blocks.back().Kind == GuideBlockKind::Bullet && StartsWith(line, "  ")))) {
            blocks.back().Text += " " + line.substr(line.find_first_not_of(' '));
        } else if (StartsWith(line, "  ") && !open) {
            error = path + ":" + std::to_string(number) + ": indented line outside a bullet";
            return 0;
        } else {
            blocks.push_back({GuideBlockKind::Paragraph, line, number});
            open = true;
        }
    }
    return 1;
}
