#pragma once
// The lines of a text source, without their line ends (LF or CR LF).

#include <string>
#include <vector>

std::vector<std::string> SourceLines(const std::string& content);
