// The sections of a .klc source, row by row. The first fault stops the parse
// with its line and what is wrong.
#include "tools/layout-compiler/KlcParser.h"

#include "tools/layout-compiler/VirtualKeys.h"

namespace {

struct Token {
    std::u16string Text;
    bool Quoted = false;
};

enum class Section {
    None, ShiftState, Layout, DeadKey, KeyName, KeyNameExt, KeyNameDead, Descriptions, LanguageNames, Attributes
};

// Removes a // comment that is not inside quotes.
std::u16string StripComment(const std::u16string& line) {
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == u'"') quoted = !quoted;
        if (!quoted && line[i] == u'/' && i + 1 < line.size() && line[i + 1] == u'/') return line.substr(0, i);
    }
    return line;
}

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t'; }

int Tokenize(const std::u16string& line, std::vector<Token>& tokens) {
    tokens.clear();
    size_t i = 0;
    while (i < line.size()) {
        if (IsSpace(line[i])) {
            ++i;
            continue;
        }
        Token token;
        if (line[i] == u'"') {
            size_t close = line.find(u'"', i + 1);
            if (close == std::u16string::npos) return 0;
            token.Text = line.substr(i + 1, close - i - 1);
            token.Quoted = true;
            i = close + 1;
        } else {
            size_t end = i;
            while (end < line.size() && !IsSpace(line[end])) ++end;
            token.Text = line.substr(i, end - i);
            i = end;
        }
        tokens.push_back(token);
    }
    return 1;
}

// Hexadecimal number of 1 to maxDigits digits.
bool ParseHex(const std::u16string& text, size_t maxDigits, uint32_t& value) {
    if (text.empty() || text.size() > maxDigits) return false;
    value = 0;
    for (char16_t c : text) {
        int digit = c >= u'0' && c <= u'9' ? c - u'0' : c >= u'a' && c <= u'f' ? c - u'a' + 10
                  : c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
        if (digit < 0) return false;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return true;
}

// A character: one literal character, or four hexadecimal digits.
bool ParseCharacter(const std::u16string& text, char16_t& code, std::string& why) {
    uint32_t value = 0;
    if (text.size() == 1) {
        value = text[0];
    } else if (text.size() == 2 && text[0] >= 0xD800 && text[0] <= 0xDBFF) {
        why = "characters above U+FFFF cannot be stored in a layout table";
        return false;
    } else if (!ParseHex(text, 6, value) || text.size() < 4) {
        why = "\"" + ToUtf8(text) + "\" is not a character (one character, or four hexadecimal digits)";
        return false;
    }
    if (value > 0xFFFF) {
        why = "characters above U+FFFF cannot be stored in a layout table";
        return false;
    }
    if (value == 0 || (value >= 0xF000 && value <= 0xF002) || (value >= 0xD800 && value <= 0xDFFF)) {
        why = "U+" + ToUtf8(text) + " cannot be typed by a key";
        return false;
    }
    code = static_cast<char16_t>(value);
    return true;
}

class Parser {
public:
    Parser(KlcLayout& layout, KlcError& error) : Layout_(layout), Error_(error) {}

    int Parse(const std::vector<std::u16string>& lines) {
        Layout_ = KlcLayout();
        bool ended = false;
        for (size_t n = 0; n < lines.size() && !ended; ++n) {
            Line_ = static_cast<int>(n) + 1;
            std::u16string text = StripComment(lines[n]);
            if (!Tokenize(text, Tokens_)) return Fail("a quoted text is not closed");
            if (Tokens_.empty()) continue;
            int handled = KeywordLine(ended);
            if (handled < 0) return 0;
            if (handled == 0 && !Row(text)) return 0;
        }
        if (!ended) {
            Line_ = static_cast<int>(lines.size());
            return Fail("the source ends without ENDKBD");
        }
        return Finish();
    }

private:
    int Fail(const std::string& message) {
        Error_.Line = Line_;
        Error_.Message = message;
        return 0;
    }

    // Arguments of a keyword line up to a ';' comment.
    size_t ArgumentCount() const {
        size_t count = 0;
        for (size_t i = 1; i < Tokens_.size(); ++i) {
            if (!Tokens_[i].Quoted && !Tokens_[i].Text.empty() && Tokens_[i].Text[0] == u';') break;
            ++count;
        }
        return count;
    }

    // 1 when the line was a keyword line, 0 when it is a row, -1 on a fault.
    int KeywordLine(bool& ended) {
        if (Tokens_[0].Quoted) return 0;
        const std::string word = ToUtf8(Tokens_[0].Text);
        const size_t args = ArgumentCount();
        struct Plain { const char* Word; Section To; };
        static const Plain kPlain[] = {
            {"SHIFTSTATE", Section::ShiftState}, {"LAYOUT", Section::Layout}, {"KEYNAME", Section::KeyName},
            {"KEYNAME_EXT", Section::KeyNameExt}, {"KEYNAME_DEAD", Section::KeyNameDead},
            {"DESCRIPTIONS", Section::Descriptions}, {"LANGUAGENAMES", Section::LanguageNames},
            {"ATTRIBUTES", Section::Attributes},
        };
        for (const Plain& p : kPlain) {
            if (word != p.Word) continue;
            if (args != 0) return Fail(word + " takes no arguments") - 1;
            if (p.To == Section::ShiftState && !Layout_.ShiftStates.empty()) return Fail("a second SHIFTSTATE section") - 1;
            if (p.To == Section::Layout && !Layout_.Keys.empty()) return Fail("a second LAYOUT section") - 1;
            Section_ = p.To;
            return 1;
        }
        struct Text { const char* Word; std::u16string KlcLayout::*Field; };
        static const Text kText[] = {
            {"COPYRIGHT", &KlcLayout::Copyright}, {"COMPANY", &KlcLayout::Company},
            {"LOCALENAME", &KlcLayout::LocaleName}, {"LOCALEID", &KlcLayout::LocaleId},
        };
        for (const Text& t : kText) {
            if (word != t.Word) continue;
            if (args != 1) return Fail(word + " takes one quoted text") - 1;
            Layout_.*(t.Field) = Tokens_[1].Text;
            Section_ = Section::None;
            return 1;
        }
        const bool other = word == "KBD" || word == "VERSION" || word == "DEADKEY" || word == "LIGATURE" || word == "ENDKBD";
        if (!other) return 0;
        Section_ = Section::None;
        if (word == "KBD") return Kbd(args) ? 1 : -1;
        if (word == "VERSION") return Version(args) ? 1 : -1;
        if (word == "DEADKEY") return DeadKeyStart(args) ? 1 : -1;
        if (word == "LIGATURE") return Fail("ligatures are not supported") - 1;
        ended = true;
        return 1;
    }

    int Kbd(size_t args) {
        if (!Layout_.Name.empty()) return Fail("a second KBD line");
        if (args != 2 || Tokens_[1].Quoted || !Tokens_[2].Quoted)
            return Fail("KBD takes a name and a quoted description");
        const std::u16string& name = Tokens_[1].Text;
        if (name.size() > 8) return Fail("the layout name \"" + ToUtf8(name) + "\" is longer than 8 characters");
        for (char16_t c : name)
            if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'))
                return Fail("the layout name \"" + ToUtf8(name) + "\" may hold only letters, digits and _");
        if (Tokens_[2].Text.empty()) return Fail("the layout description is empty");
        Layout_.Name = ToUtf8(name);
        Layout_.Description = Tokens_[2].Text;
        return 1;
    }

    int Version(size_t args) {
        const std::string text = args == 1 ? ToUtf8(Tokens_[1].Text) : std::string();
        size_t dot = text.find('.');
        auto number = [](const std::string& s, int& out) {
            if (s.empty() || s.size() > 4) return false;
            out = 0;
            for (char c : s) {
                if (c < '0' || c > '9') return false;
                out = out * 10 + (c - '0');
            }
            return true;
        };
        if (dot == std::string::npos || !number(text.substr(0, dot), Layout_.VersionMajor) ||
            !number(text.substr(dot + 1), Layout_.VersionMinor))
            return Fail("VERSION takes major.minor, as in 1.0");
        return 1;
    }

    int DeadKeyStart(size_t args) {
        uint32_t accent = 0;
        if (args != 1 || !ParseHex(Tokens_[1].Text, 4, accent) || Tokens_[1].Text.size() != 4 || accent == 0)
            return Fail("DEADKEY takes the dead character as four hexadecimal digits");
        for (const KlcDeadKey& d : Layout_.DeadKeys)
            if (d.Accent == accent) return Fail("a second DEADKEY section for " + ToUtf8(Tokens_[1].Text));
        KlcDeadKey dead;
        dead.Line = Line_;
        dead.Accent = static_cast<char16_t>(accent);
        Layout_.DeadKeys.push_back(dead);
        Section_ = Section::DeadKey;
        return 1;
    }

    int Row(const std::u16string& text) {
        switch (Section_) {
            case Section::ShiftState: return ShiftStateRow();
            case Section::Layout: return LayoutRow();
            case Section::DeadKey: return DeadKeyRow();
            case Section::KeyName: return NameRow(Layout_.KeyNames, false);
            case Section::KeyNameExt: return NameRow(Layout_.KeyNamesExt, false);
            case Section::KeyNameDead: return NameRow(Layout_.KeyNamesDead, true);
            case Section::Descriptions: return LocaleTextRow(text, Layout_.Descriptions);
            case Section::LanguageNames: return LocaleTextRow(text, Layout_.LanguageNames);
            case Section::Attributes: return AttributeRow();
            case Section::None: break;
        }
        return Fail("\"" + ToUtf8(Tokens_[0].Text) + "\" is neither a section keyword nor inside a section");
    }

    int ShiftStateRow() {
        const std::u16string& t = Tokens_[0].Text;
        int bits = 0;  // anything but a short decimal number ends above 15
        for (char16_t c : t) bits = c >= u'0' && c <= u'9' && bits < 100 ? bits * 10 + (c - u'0') : 100;
        if (Tokens_.size() != 1 || bits > 15) return Fail("a shift state is one number from 0 to 15");
        for (int s : Layout_.ShiftStates)
            if (s == bits) return Fail("shift state " + ToUtf8(t) + " is listed twice");
        if (Layout_.ShiftStates.empty() && bits != 0) return Fail("the first shift state must be 0 (no modifier)");
        Layout_.ShiftStates.push_back(bits);
        return 1;
    }

    int Characters(size_t first, std::vector<KlcChar>& chars) {
        const size_t columns = Layout_.ShiftStates.size();
        if (Tokens_.size() - first != columns)
            return Fail("expected " + std::to_string(columns) + " characters, one per shift state, found " +
                        std::to_string(Tokens_.size() - first));
        for (size_t i = first; i < Tokens_.size(); ++i) {
            std::u16string t = Tokens_[i].Text;
            KlcChar c;
            if (t == u"-1") {
                chars.push_back(c);
                continue;
            }
            if (t == u"%%") return Fail("ligatures are not supported");
            if (t.size() > 1 && t.back() == u'@') {
                c.Dead = true;
                t.pop_back();
            }
            std::string why;
            if (!ParseCharacter(t, c.Code, why)) return Fail("column " + std::to_string(i - first) + ": " + why);
            c.Present = true;
            chars.push_back(c);
        }
        return 1;
    }

    int LayoutRow() {
        if (Layout_.ShiftStates.empty()) return Fail("LAYOUT rows need a SHIFTSTATE section before them");
        if (Tokens_[0].Text == u"-1") return CapsRow();
        if (PendingCaps_) {
            Line_ = Layout_.Keys.back().Line;
            return Fail("an SGCap key must be followed by its -1 -1 0 row of Caps Lock characters");
        }
        if (Tokens_.size() < 3) return Fail("a LAYOUT row holds a scan code, a virtual key, the Cap column and the characters");
        uint32_t scan = 0;
        if (!ParseHex(Tokens_[0].Text, 2, scan))
            return Fail("\"" + ToUtf8(Tokens_[0].Text) + "\" is not a scan code (two hexadecimal digits)");
        if (scan == 0 || scan >= static_cast<uint32_t>(kScanTableSize))
            return Fail("scan code " + ToUtf8(Tokens_[0].Text) + " is outside 01 to 7e");
        int vk = VirtualKeyByName(ToUtf8(Tokens_[1].Text));
        if (vk < 0) return Fail("\"" + ToUtf8(Tokens_[1].Text) + "\" is not a virtual-key name");
        for (const KlcKey& other : Layout_.Keys) {
            if (other.Scan == scan) return Fail("scan code " + ToUtf8(Tokens_[0].Text) + " is already used on line " + std::to_string(other.Line));
            if (other.Vk == vk) return Fail("virtual key " + ToUtf8(Tokens_[1].Text) + " is already used on line " + std::to_string(other.Line));
        }
        KlcKey key;
        key.Line = Line_;
        key.Scan = static_cast<uint8_t>(scan);
        key.Vk = static_cast<uint8_t>(vk);
        const std::u16string& cap = Tokens_[2].Text;
        if (cap == u"SGCap") key.Attributes = kSgCaps;
        else if (cap == u"0") key.Attributes = 0;
        else if (cap == u"1") key.Attributes = kCapLock;
        else if (cap == u"4") key.Attributes = kCapLockAltGr;
        else if (cap == u"5") key.Attributes = kCapLock | kCapLockAltGr;
        else return Fail("the Cap column is 0, 1, 4, 5 or SGCap, not \"" + ToUtf8(cap) + "\"");
        if (!Characters(3, key.Chars)) return 0;
        PendingCaps_ = key.Attributes == kSgCaps;
        Layout_.Keys.push_back(key);
        return 1;
    }

    int CapsRow() {
        if (!PendingCaps_) return Fail("a -1 row may only follow an SGCap key");
        if (Tokens_.size() < 3 || Tokens_[1].Text != u"-1" || Tokens_[2].Text != u"0")
            return Fail("the Caps Lock row of an SGCap key starts with -1 -1 0");
        KlcKey& key = Layout_.Keys.back();
        if (!Characters(3, key.CapsChars)) return 0;
        for (const KlcChar& c : key.CapsChars)
            if (c.Dead) return Fail("the Caps Lock row of an SGCap key cannot hold dead keys");
        for (const KlcChar& c : key.Chars)
            if (c.Dead) return Fail("an SGCap key cannot hold dead keys");
        PendingCaps_ = false;
        return 1;
    }

    int DeadKeyRow() {
        if (Tokens_.size() != 2) return Fail("a DEADKEY row holds a base character and the composed character");
        char16_t base = 0, composed = 0;
        std::string why;
        if (!ParseCharacter(Tokens_[0].Text, base, why) || !ParseCharacter(Tokens_[1].Text, composed, why)) return Fail(why);
        KlcDeadKey& dead = Layout_.DeadKeys.back();
        for (const auto& pair : dead.Pairs)
            if (pair.first == base) return Fail("base character " + ToUtf8(Tokens_[0].Text) + " is listed twice for this dead key");
        dead.Pairs.emplace_back(base, composed);
        return 1;
    }

    int NameRow(std::vector<KlcName>& names, bool deadNames) {
        if (Tokens_.size() != 2) return Fail("a name row holds a code and one name (quote names with spaces)");
        KlcName name;
        if (deadNames) {
            std::string why;
            char16_t dead = 0;
            if (!ParseCharacter(Tokens_[0].Text, dead, why)) return Fail(why);
            name.Code = dead;
        } else {
            uint32_t scan = 0;
            if (!ParseHex(Tokens_[0].Text, 2, scan) || scan == 0)
                return Fail("\"" + ToUtf8(Tokens_[0].Text) + "\" is not a scan code (two hexadecimal digits)");
            name.Code = static_cast<uint16_t>(scan);
        }
        for (const KlcName& other : names)
            if (other.Code == name.Code) return Fail("\"" + ToUtf8(Tokens_[0].Text) + "\" is named twice");
        if (Tokens_[1].Text.empty()) return Fail("the name is empty");
        name.Text = Tokens_[1].Text;
        names.push_back(name);
        return 1;
    }

    int LocaleTextRow(const std::u16string& text, std::vector<std::pair<uint16_t, std::u16string>>& rows) {
        uint32_t id = 0;
        if (!ParseHex(Tokens_[0].Text, 4, id) || Tokens_[0].Text.size() != 4 || Tokens_.size() < 2)
            return Fail("a row holds a language id (four hexadecimal digits) and a text");
        size_t start = text.find(Tokens_[0].Text) + Tokens_[0].Text.size();
        while (start < text.size() && IsSpace(text[start])) ++start;
        size_t end = text.size();
        while (end > start && IsSpace(text[end - 1])) --end;
        rows.emplace_back(static_cast<uint16_t>(id), text.substr(start, end - start));
        return 1;
    }

    int AttributeRow() {
        const std::u16string& t = Tokens_[0].Text;
        if (Tokens_.size() == 1 && t == u"ALTGR") Layout_.LocaleAttributes |= kAltGrFlag;
        else if (Tokens_.size() == 1 && t == u"SHIFTLOCK") Layout_.LocaleAttributes |= kShiftLockFlag;
        else if (Tokens_.size() == 1 && t == u"LRM_RLM") Layout_.LocaleAttributes |= kLrmRlmFlag;
        else return Fail("the attributes are ALTGR, SHIFTLOCK and LRM_RLM");
        return 1;
    }

    int Finish() {
        Line_ = 0;
        if (Layout_.Name.empty()) return Fail("the source has no KBD line");
        if (Layout_.ShiftStates.empty()) return Fail("the source has no SHIFTSTATE section");
        if (Layout_.Keys.empty()) return Fail("the source has no LAYOUT rows");
        if (PendingCaps_) {
            Line_ = Layout_.Keys.back().Line;
            return Fail("an SGCap key must be followed by its -1 -1 0 row of Caps Lock characters");
        }
        for (const KlcKey& key : Layout_.Keys) {
            for (const KlcChar& c : key.Chars) {
                if (!c.Dead) continue;
                bool found = false;
                for (const KlcDeadKey& d : Layout_.DeadKeys) found = found || d.Accent == c.Code;
                if (!found) {
                    Line_ = key.Line;
                    return Fail("the dead key " + ToUtf8(std::u16string(1, c.Code)) + " has no DEADKEY section");
                }
            }
        }
        for (const KlcDeadKey& d : Layout_.DeadKeys) {
            if (d.Pairs.empty()) {
                Line_ = d.Line;
                return Fail("the DEADKEY section has no rows");
            }
        }
        for (int s : Layout_.ShiftStates)
            if ((s & (kCtrlBit | kAltBit)) == (kCtrlBit | kAltBit)) Layout_.LocaleAttributes |= kAltGrFlag;
        return 1;
    }

    KlcLayout& Layout_;
    KlcError& Error_;
    std::vector<Token> Tokens_;
    Section Section_ = Section::None;
    int Line_ = 0;
    bool PendingCaps_ = false;
};

}  // namespace

int ParseKlc(const std::vector<uint8_t>& bytes, KlcLayout& layout, KlcError& error) {
    std::vector<std::u16string> lines;
    if (!DecodeKlcText(bytes, lines, error)) return 0;
    Parser parser(layout, error);
    return parser.Parse(lines);
}
