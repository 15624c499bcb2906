#pragma once
// Where GString::DebugOutput sends its lines: OutputDebugStringW on Windows,
// nothing on the host, until a sink is set (tests read the lines through one).

using DebugSink = void (*)(const char16_t* line);

// Returns the sink that was in place; null restores the default.
DebugSink SetDebugSink(DebugSink sink);
