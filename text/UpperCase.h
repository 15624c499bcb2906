#pragma once
// Simple upper-case mapping of one UTF-16 code unit (Unicode 5.2 data).

char16_t UpperCaseUnit(char16_t unit);

// The rows the range rules do not cover, sorted by the lower-case unit.
struct CaseRow {
    char16_t Lower;
    char16_t Upper;
};
extern const unsigned kCaseTableRows;
extern const CaseRow kCaseTable[];
