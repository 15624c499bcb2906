#include "text/GString.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "text/TextSearch.h"
#include "text/UpperCase.h"
#include "text/Utf8.h"

const char16_t kEmptyWide[1] = {0};
const char kEmptyNarrow[1] = {0};

namespace {

constexpr int kHeaderBytes = 4;
constexpr char16_t kBackslashWide[] = u"\\";
constexpr char kBackslashNarrow[] = "\\";

int MeasureWide(const char16_t* text, int len) { return !text ? 0 : len < 0 ? WideLength(text) : len; }
int MeasureNarrow(const char* text, int len) { return !text ? 0 : len < 0 ? NarrowLength(text) : len; }

bool IsPathSeparator(unsigned unit) { return unit == 0x5C || unit == 0x2F; }

}  // namespace

GString::GString()
    : Block_(nullptr), Length_(0), LeadingOffset_(0), BufferSize_(0), BlockSize_(64), IsWide_(0),
      DebugLineWidth_(80), Companion_(nullptr) {}

GString::GString(char16_t ch, int count) : GString() {
    IsWide_ = 1;
    if (count <= 0 || !Reserve(count)) return;
    char16_t* text = reinterpret_cast<char16_t*>(TextStart());
    for (int i = 0; i < count; ++i) text[i] = ch;
    Length_ = count;
    WriteTerminator();
}

GString::~GString() {
    std::free(Block_);
    delete Companion_;
    Block_ = nullptr;
    Companion_ = nullptr;
    Length_ = LeadingOffset_ = BufferSize_ = 0;
    IsWide_ = 0;
}

// ---- storage -------------------------------------------------------------

char* GString::TextStart() const { return Block_ + kHeaderBytes + LeadingOffset_ * Width(); }

int GString::Capacity() const {
    if (!Block_) return 0;
    const int cap = (BufferSize_ - kHeaderBytes) / Width() - LeadingOffset_ - 1;
    return cap < 0 ? 0 : cap;
}

int GString::FreeSpace() const {
    const int free = Capacity() - Length_;
    return free < 0 ? 0 : free;
}

void GString::WriteTerminator() {
    if (Block_) std::memset(TextStart() + Length_ * Width(), 0, Width());
}

void GString::WriteHeader() {
    const uint32_t header = (IsWide_ ? 0u : kTextRecordNarrowBit) |
                            (static_cast<uint32_t>(Length_ * Width()) & kTextRecordLengthMask);
    const unsigned char bytes[4] = {static_cast<unsigned char>(header), static_cast<unsigned char>(header >> 8),
                                    static_cast<unsigned char>(header >> 16),
                                    static_cast<unsigned char>(header >> 24)};
    std::memcpy(Block_, bytes, 4);
}

int GString::Reserve(int n) {
    if (n < 0) return 1;
    if (n <= Length_) return Compact();
    const int target = n > Length_ + Length_ / 2 ? n : Length_ + Length_ / 2;
    const long long needed = kHeaderBytes + (static_cast<long long>(target) + 1) * Width();
    if (needed <= BufferSize_) return Capacity() < target ? Compact() : 1;

    const long long rounded = (needed + BlockSize_ - 1) / BlockSize_ * BlockSize_;
    if (rounded > INT_MAX) return 0;
    // Zero-filled so that SetLength(-1) never reads bytes nobody wrote.
    char* block = static_cast<char*>(std::calloc(1, static_cast<size_t>(rounded)));
    if (!block) return 0;
    if (Block_) std::memcpy(block + kHeaderBytes, TextStart(), static_cast<size_t>(Length_) * Width());
    std::free(Block_);
    Block_ = block;
    BufferSize_ = static_cast<int>(rounded);
    LeadingOffset_ = 0;
    WriteTerminator();
    WriteHeader();
    return 1;
}

int GString::ReserveMore(int n) {
    if (n <= 0 || FreeSpace() >= n) return 1;
    if (static_cast<long long>(Length_) + n > INT_MAX) return 0;
    return Reserve(Length_ + n);
}

int GString::Compact() {
    if (!Block_) return 0;
    if (LeadingOffset_ > 0) {
        std::memmove(Block_ + kHeaderBytes, TextStart(), static_cast<size_t>(Length_ + 1) * Width());
        LeadingOffset_ = 0;
    }
    return 1;
}

void* GString::Terminate() {
    if (!Block_) return nullptr;
    WriteTerminator();
    return TextStart();
}

int GString::SetLength(int n) {
    if (!Block_) return 0;
    const int cap = Capacity();
    int length = 0;
    if (n < 0) {
        const char* text = TextStart();
        if (IsWide_) {
            const char16_t* units = reinterpret_cast<const char16_t*>(text);
            while (length < cap && units[length] != 0) ++length;
        } else {
            while (length < cap && text[length] != 0) ++length;
        }
        if (length == cap) length = 0;
    } else {
        length = n < cap ? n : cap;
    }
    Length_ = length;
    if (length == 0) LeadingOffset_ = 0;
    WriteTerminator();
    return 1;
}

int GString::DropFront(int n) {
    if (n <= 0) return 0;
    if (n > Length_) n = Length_;
    LeadingOffset_ += n;
    Length_ -= n;
    if (Length_ == 0) LeadingOffset_ = 0;
    return 1;
}

void GString::Clear() {
    Length_ = 0;
    LeadingOffset_ = 0;
    WriteTerminator();
}

void GString::ClearAsWide() {
    IsWide_ = 1;
    Clear();
}

void GString::ClearAsNarrow() {
    IsWide_ = 0;
    Clear();
}

// ---- views ---------------------------------------------------------------

const char16_t* GString::WideAt(int pos) const {
    if (!IsWide_ || Length_ == 0 || pos < 0) return kEmptyWide;
    return reinterpret_cast<const char16_t*>(TextStart()) + (pos < Length_ ? pos : Length_);
}

const char* GString::NarrowAt(int pos) const {
    if (IsWide_ || Length_ == 0 || pos < 0) return kEmptyNarrow;
    return TextStart() + (pos < Length_ ? pos : Length_);
}

// ---- companion and argument staging ----------------------------------------

bool GString::Overlaps(const void* p) const {
    if (!Block_ || !p) return false;
    const uintptr_t at = reinterpret_cast<uintptr_t>(p);
    const uintptr_t start = reinterpret_cast<uintptr_t>(Block_);
    return at >= start && at < start + static_cast<uintptr_t>(BufferSize_);
}

GString* GString::GetCompanion() const {
    if (!Companion_) Companion_ = new (std::nothrow) GString();
    return Companion_;
}

const void* GString::Staged(const void* text, int& len, bool sourceWide) const {
    if (sourceWide == IsWide() && !Overlaps(text)) return text;
    GString* c = GetCompanion();
    if (!c) return nullptr;
    int ok;
    if (IsWide_) {
        c->ClearAsWide();
        ok = sourceWide ? c->AppendToWide(static_cast<const char16_t*>(text), len)
                        : c->AppendNarrow(static_cast<const char*>(text), len);
    } else {
        c->ClearAsNarrow();
        ok = sourceWide ? c->AppendWide(static_cast<const char16_t*>(text), len)
                        : c->AppendToNarrow(static_cast<const char*>(text), len);
    }
    if (!ok) return nullptr;
    len = c->Length_;
    return c->Length_ ? static_cast<const void*>(c->TextStart())
                      : IsWide_ ? static_cast<const void*>(kEmptyWide) : static_cast<const void*>(kEmptyNarrow);
}

int GString::CopyIn(const void* text, int len) {
    if (len <= 0) return 1;
    if (!ReserveMore(len)) return 0;
    std::memcpy(TextStart() + Length_ * Width(), text, static_cast<size_t>(len) * Width());
    Length_ += len;
    WriteTerminator();
    return 1;
}

// ---- assignment ----------------------------------------------------------

// A text lying in this string's own block is copied out to the companion, in
// its own width, before the string is cleared; other texts pass unchanged.
const void* GString::Detached(const void* text, int len, bool wide) const {
    if (!Overlaps(text)) return text;
    GString* c = GetCompanion();
    if (!c) return nullptr;
    if (wide) {
        c->ClearAsWide();
        return c->AppendToWide(static_cast<const char16_t*>(text), len) ? static_cast<const void*>(c->WideAt(0)) : nullptr;
    }
    c->ClearAsNarrow();
    return c->AppendToNarrow(static_cast<const char*>(text), len) ? static_cast<const void*>(c->NarrowAt(0)) : nullptr;
}

int GString::AssignWide(const char16_t* text, int len) {
    len = MeasureWide(text, len);
    const void* source = Detached(text, len, true);
    if (text && !source) return 0;
    ClearAsWide();
    return AppendToWide(static_cast<const char16_t*>(source), len);
}

int GString::AssignNarrow(const char* text, int len) {
    len = MeasureNarrow(text, len);
    const void* source = Detached(text, len, false);
    if (text && !source) return 0;
    ClearAsNarrow();
    return AppendToNarrow(static_cast<const char*>(source), len);
}

int GString::AssignNarrowAsWide(const char* text, int len) {
    len = MeasureNarrow(text, len);
    const void* source = Detached(text, len, false);
    if (text && !source) return 0;
    ClearAsWide();
    return AppendNarrow(static_cast<const char*>(source), len);
}

int GString::Assign(const GString& src) {
    if (&src == this) return 1;
    Clear();
    if (src.IsWide_) {
        ClearAsWide();
        return AppendToWide(src.WideAt(0), src.Length_);
    }
    ClearAsNarrow();
    return AppendToNarrow(src.NarrowAt(0), src.Length_);
}

int GString::AssignAsWide(const GString* src) {
    if (src == this) return ToWide() ? 1 : 0;
    ClearAsWide();
    if (!src) return 0;
    return src->IsWide_ ? AppendToWide(src->WideAt(0), src->Length_) : AppendNarrow(src->NarrowAt(0), src->Length_);
}

int GString::AssignAsNarrow(const GString* src) {
    if (src == this) return ToNarrow() ? 1 : 0;
    ClearAsNarrow();
    if (!src) return 0;
    return src->IsWide_ ? AppendWide(src->WideAt(0), src->Length_) : AppendToNarrow(src->NarrowAt(0), src->Length_);
}

int GString::AssignRecord(const TextRecord* record) {
    if (!record) {
        Clear();
        return 0;
    }
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(record);
    const uint32_t header = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    const int len = static_cast<int>(header & kTextRecordLengthMask);
    const unsigned char* text = bytes + sizeof(uint32_t);
    if (header & kTextRecordNarrowBit) return AssignNarrow(reinterpret_cast<const char*>(text), len);
    return AssignWide(reinterpret_cast<const char16_t*>(text), len);
}

// ---- appending -----------------------------------------------------------

int GString::AppendToWide(const char16_t* text, int len) {
    len = MeasureWide(text, len);
    if (len == 0) return 1;
    if (!IsWide_) return 0;
    const void* staged = Staged(text, len, true);
    return staged ? CopyIn(staged, len) : 0;
}

int GString::AppendToNarrow(const char* text, int len) {
    if (IsWide_) return 0;
    len = MeasureNarrow(text, len);
    if (len == 0) return 1;
    const void* staged = Staged(text, len, false);
    return staged ? CopyIn(staged, len) : 0;
}

int GString::AppendWide(const char16_t* text, int len) {
    len = MeasureWide(text, len);
    if (len == 0) return 1;
    if (IsWide_) return AppendToWide(text, len);
    if (Overlaps(text)) {
        const void* staged = Staged(text, len, true);
        return staged ? CopyIn(staged, len) : 0;
    }
    const int size = Utf8Size(text, len);
    if (!ReserveMore(size)) return 0;
    Length_ += EncodeUtf8(text, len, TextStart() + Length_);
    WriteTerminator();
    return 1;
}

int GString::AppendNarrow(const char* text, int len) {
    len = MeasureNarrow(text, len);
    if (len == 0) return 1;
    if (!IsWide_) return AppendToNarrow(text, len);
    if (Overlaps(text)) {
        const void* staged = Staged(text, len, false);
        return staged ? CopyIn(staged, len) : 0;
    }
    if (!ReserveMore(Utf8CharCount(text, len))) return 0;
    const int units = DecodeUtf8(text, len, reinterpret_cast<char16_t*>(TextStart()) + Length_);
    if (units >= 0) Length_ += units;
    WriteTerminator();
    return units >= 0 ? 1 : 0;
}

int GString::Append(const GString& src) {
    if (src.IsWide_) return IsWide_ ? AppendToWide(src.WideAt(0), src.Length_) : AppendWide(src.WideAt(0), src.Length_);
    return IsWide_ ? AppendNarrow(src.NarrowAt(0), src.Length_) : AppendToNarrow(src.NarrowAt(0), src.Length_);
}

int GString::AppendChar(char16_t ch) {
    if (!IsWide_ || !ReserveMore(1)) return 0;
    reinterpret_cast<char16_t*>(TextStart())[Length_++] = ch;
    return 1;
}

int GString::AppendRepeated(char16_t ch, int count) {
    if (ch == 0 || count == 0) return 1;
    if (count < 0) return 0;
    if (!IsWide_) return ch <= 0x7F ? AppendRepeatedByte(static_cast<unsigned char>(ch), count) : 0;
    if (!ReserveMore(count)) return 0;
    char16_t* out = reinterpret_cast<char16_t*>(TextStart()) + Length_;
    for (int i = 0; i < count; ++i) out[i] = ch;
    Length_ += count;
    WriteTerminator();
    return 1;
}

int GString::AppendRepeatedByte(unsigned char ch, int count) {
    if (ch == 0 || count == 0) return 1;
    if (count < 0) return 0;
    if (IsWide_) return ch <= 0x7F ? AppendRepeated(ch, count) : 0;
    if (!ReserveMore(count)) return 0;
    std::memset(TextStart() + Length_, ch, static_cast<size_t>(count));
    Length_ += count;
    WriteTerminator();
    return 1;
}

int GString::AppendUnlessEndsWithOwn(const void* text, int len) {
    if (len <= Length_ &&
        std::memcmp(TextStart() + (Length_ - len) * Width(), text, static_cast<size_t>(len) * Width()) == 0)
        return 1;
    return CopyIn(text, len);
}

int GString::AppendUnlessEndsWith(const char16_t* text, int len) {
    if (!text || text[0] == 0) return 0;
    len = MeasureWide(text, len);
    const void* staged = Staged(text, len, true);
    return staged ? AppendUnlessEndsWithOwn(staged, len) : 0;
}

int GString::AppendUnlessEndsWithNarrow(const char* text, int len) {
    if (!text || text[0] == 0) return 0;
    len = MeasureNarrow(text, len);
    const void* staged = Staged(text, len, false);
    return staged ? AppendUnlessEndsWithOwn(staged, len) : 0;
}

int GString::AppendPathOwn(const void* component, int len) {
    const void* backslash = IsWide_ ? static_cast<const void*>(kBackslashWide) : static_cast<const void*>(kBackslashNarrow);
    if (len > 0) {
        const unsigned first = IsWide_ ? *static_cast<const char16_t*>(component)
                                       : *static_cast<const unsigned char*>(component);
        if (IsPathSeparator(first)) {
            component = static_cast<const char*>(component) + Width();
            --len;
        }
    }
    AppendUnlessEndsWithOwn(backslash, 1);
    CopyIn(component, len);
    return 1;
}

int GString::AppendPath(const char16_t* component, int len) {
    len = MeasureWide(component, len);
    if (len == 0) return AppendPathOwn(nullptr, 0);
    const void* staged = Staged(component, len, true);
    if (!staged) return 0;
    return AppendPathOwn(staged, len);
}

int GString::AppendPath(const char* component, int len) {
    len = MeasureNarrow(component, len);
    if (len == 0) return AppendPathOwn(nullptr, 0);
    const void* staged = Staged(component, len, false);
    if (!staged) return 0;
    return AppendPathOwn(staged, len);
}

GString& GString::AppendPath(const GString& component) {
    if (component.IsWide_)
        AppendPath(component.WideAt(0), component.Length_);
    else
        AppendPath(component.NarrowAt(0), component.Length_);
    return *this;
}

// ---- width changes -------------------------------------------------------

void GString::TakeBlockOf(GString& other) {
    char* block = Block_;
    const int length = Length_, offset = LeadingOffset_, size = BufferSize_, wide = IsWide_;
    Block_ = other.Block_;
    Length_ = other.Length_;
    LeadingOffset_ = other.LeadingOffset_;
    BufferSize_ = other.BufferSize_;
    IsWide_ = other.IsWide_;
    other.Block_ = block;
    other.Length_ = length;
    other.LeadingOffset_ = offset;
    other.BufferSize_ = size;
    other.IsWide_ = wide;
}

const char16_t* GString::ToWide() {
    if (IsWide_) return WideAt(0);
    if (Length_ == 0) {
        ClearAsWide();
        return WideAt(0);
    }
    GString* c = GetCompanion();
    if (!c || !c->AssignNarrowAsWide(NarrowAt(0), Length_)) return nullptr;
    // The companion keeps the old block for its next use.
    TakeBlockOf(*c);
    return WideAt(0);
}

const char* GString::ToNarrow() {
    if (!IsWide_) return NarrowAt(0);
    if (Length_ == 0) {
        ClearAsNarrow();
        return NarrowAt(0);
    }
    GString* c = GetCompanion();
    if (!c) return nullptr;
    c->ClearAsNarrow();
    if (!c->AppendWide(WideAt(0), Length_)) return nullptr;
    TakeBlockOf(*c);
    return NarrowAt(0);
}

char16_t* GString::WideBuffer(int n) {
    if (!ToWide() || !ReserveMore(n)) return nullptr;
    if (!Block_ && !Reserve(1)) return nullptr;
    return reinterpret_cast<char16_t*>(TextStart()) + Length_;
}

char* GString::NarrowBuffer(int n) {
    if (!ToNarrow() || !ReserveMore(n)) return nullptr;
    if (!Block_ && !Reserve(1)) return nullptr;
    return TextStart() + Length_;
}

int GString::ToUpper() {
    if (Length_ == 0) return 1;
    if (IsWide_) {
        char16_t* text = reinterpret_cast<char16_t*>(TextStart());
        for (int i = 0; i < Length_; ++i) text[i] = UpperCaseUnit(text[i]);
        return 1;
    }
    GString* c = GetCompanion();
    if (!c || !c->AssignNarrowAsWide(NarrowAt(0), Length_)) return 0;
    c->ToUpper();
    // Room first, so that a failed allocation cannot lose the text.
    if (!Reserve(Utf8Size(c->WideAt(0), c->Length_))) return 0;
    return AssignAsNarrow(c);
}
