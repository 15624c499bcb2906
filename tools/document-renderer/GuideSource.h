#pragma once
// The user guide's source: plain text with a few line marks, the rest is
// Pango markup (<b>, <i>, <span>).
//   # Title           starts a part on a new page (one per language)
//   ## Heading
//   - item            a bullet; lines indented by two blanks continue it
//   @chart NAME       the keyboard chart of the layout source NAME.klc
//   blank line        ends a paragraph; other lines join into one

#include <string>
#include <vector>

enum class GuideBlockKind { Title, Heading, Paragraph, Bullet, Chart };

struct GuideBlock {
    GuideBlockKind Kind;
    std::string Text;  // markup; for Chart the layout's name
    int Line;
};

// Answers 1, or 0 with "path:line: what" in error.
int ParseGuideSource(const std::string& path, const std::string& content, std::vector<GuideBlock>& blocks,
                     std::string& error);
