#pragma once
// The range rules of the upper-case mapping: the common scripts and the
// blocks without mappings, decided without the table.

// True when a range rule decides the unit; its mapping is then in *upper.
bool UpperCaseByRange(char16_t unit, char16_t* upper);
