#pragma once
// The program's one string type: UTF-16 ("wide") or UTF-8 ("narrow") text in a
// growable block, converted in place through a scratch companion string.

#include <cstdarg>
#include <cstdint>

// Stored form of a text outside a GString (string tables, the formatter's
// record conversion): a 32-bit little-endian header, then the text and a zero.
struct TextRecord {
    uint32_t Header;  // bit 31: UTF-8; bits 0..28: length in characters
    // text follows
};

constexpr uint32_t kTextRecordNarrowBit = 0x80000000u;
constexpr uint32_t kTextRecordLengthMask = 0x1FFFFFFFu;

class GString {
public:
    GString();
    GString(char16_t ch, int count);
    virtual ~GString();

    GString(const GString&) = delete;
    GString& operator=(const GString&) = delete;

    // Fields as plain members: the formatter and the Win32 boundary read them.
    int Length() const { return Length_; }
    int LeadingOffset() const { return LeadingOffset_; }
    int BufferSize() const { return BufferSize_; }
    int BlockSize() const { return BlockSize_; }
    bool IsWide() const { return IsWide_ != 0; }
    int DebugLineWidth() const { return DebugLineWidth_; }
    int Capacity() const;
    int FreeSpace() const;

    // Storage
    int Reserve(int n);
    int ReserveMore(int n);
    int Compact();
    void* Terminate();
    int SetLength(int n);
    int DropFront(int n);
    void Clear();
    void ClearAsWide();
    void ClearAsNarrow();

    // Views: never null, never allocate.
    const char16_t* WideAt(int pos) const;
    const char* NarrowAt(int pos) const;

    // Assignment
    int AssignWide(const char16_t* text, int len = -1);
    int AssignNarrow(const char* text, int len = -1);
    int Assign(const GString& src);
    int AssignAsWide(const GString* src);
    int AssignAsNarrow(const GString* src);
    int AssignNarrowAsWide(const char* text, int len = -1);
    int AssignRecord(const TextRecord* record);

    // Appending
    int AppendToWide(const char16_t* text, int len = -1);
    int AppendWide(const char16_t* text, int len = -1);
    int AppendToNarrow(const char* text, int len = -1);
    int AppendNarrow(const char* text, int len = -1);
    int Append(const GString& src);
    int AppendChar(char16_t ch);
    int AppendRepeated(char16_t ch, int count);
    int AppendRepeatedByte(unsigned char ch, int count);
    int AppendUnlessEndsWith(const char16_t* text, int len = -1);
    int AppendUnlessEndsWithNarrow(const char* text, int len = -1);
    int AppendPath(const char16_t* component, int len = -1);
    int AppendPath(const char* component, int len = -1);
    GString& AppendPath(const GString& component);

    // Width changes
    const char16_t* ToWide();
    const char* ToNarrow();
    char16_t* WideBuffer(int n);
    char* NarrowBuffer(int n);
    int ToUpper();

    // Search and comparison; indexes in the string's own characters.
    int Find(const char16_t* text, int from = 0, int len = -1) const;
    int FindNarrow(const char* text, int from = 0, int len = -1) const;
    int FindGString(const GString& needle, int from = 0) const;
    int ReverseFind(char16_t ch, int stop = 0) const;
    int Compare(const char16_t* text, int len = -1) const;
    int CompareNarrow(const char* text, int len = -1) const;

    // Template formatting into a wide string (Format.h has Format itself).
    int AppendFormatV(const char16_t* format, va_list args);
    int AppendNewline();
    // The text to the debugger in lines of DebugLineWidth characters.
    void DebugOutput(int maxChars);

private:
    int Width() const { return IsWide_ ? 2 : 1; }
    char* TextStart() const;
    const void* Text() const;
    void WriteTerminator();
    void WriteHeader();
    bool Overlaps(const void* p) const;
    GString* GetCompanion() const;
    // An argument in this string's own width that does not lie in its block:
    // the text itself, or a converted or detached copy in the companion.
    const void* Staged(const void* text, int& len, bool sourceWide) const;
    const void* Detached(const void* text, int len, bool wide) const;
    int CopyIn(const void* text, int len);
    int AppendUnlessEndsWithOwn(const void* text, int len);
    int AppendPathOwn(const void* component, int len);
    void TakeBlockOf(GString& other);
    int CompareOwn(const void* text, int len) const;
    int CompareWith(const void* text, int len, bool wide, bool* failed) const;
    friend bool Equal(const GString& a, const GString& b);
    friend class Formatter;

    char* Block_;
    int Length_;
    int LeadingOffset_;
    int BufferSize_;
    int BlockSize_;
    int IsWide_;
    int DebugLineWidth_;
    mutable GString* Companion_;
};

// Length-first equality; the width of b picks the comparison.
bool Equal(const GString& a, const GString& b);
bool NotEqual(const GString& a, const GString& b);
inline bool operator==(const GString& a, const GString& b) { return Equal(a, b); }
inline bool operator!=(const GString& a, const GString& b) { return NotEqual(a, b); }

extern const char16_t kEmptyWide[1];
extern const char kEmptyNarrow[1];
