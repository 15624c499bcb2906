#pragma once
// Searches and length-first comparisons over plain character buffers.
// FindBytes, FindBytesReverse, FindByteReverse, FindUnits and CompareBytes
// measure a negative length up to the terminating zero and take a null
// pointer as length 0; FindUnitReverse and CompareUnits use lengths as given.

int NarrowLength(const char* text);
int WideLength(const char16_t* text);

int FindBytes(const void* hay, const void* needle, int hayLen, int needleLen, int from);
int FindBytesReverse(const void* hay, const void* needle, int hayLen, int needleLen, int from);
int FindByteReverse(const void* hay, unsigned char ch, int hayLen, int stop);
int FindUnits(const char16_t* hay, const char16_t* needle, int hayLen, int needleLen, int from);
int FindUnitReverse(const char16_t* hay, char16_t ch, int hayLen, int stop);

// Shorter sorts first; equal lengths compare as unsigned units.
int CompareBytes(const void* a, const void* b, int aLen, int bLen);
int CompareUnits(const char16_t* a, const char16_t* b, int aLen, int bLen);
