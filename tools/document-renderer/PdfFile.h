#pragma once
// A PDF surface whose bytes depend only on what is drawn: the dates come from
// the sources, not from the clock, so the same sources give the same file.

#include <cairo.h>

#include <string>

struct PdfInfo {
    std::string Title, Author, Subject, Date;  // Date: ISO 8601, e.g. 2026-12-11T00:00:00Z
};

// A new surface of the given page size in points, or none (and a message).
cairo_surface_t* OpenPdf(const std::string& path, double width, double height, const PdfInfo& info);

// Finishes the file; answers 1 when it was written completely.
int ClosePdf(cairo_surface_t* surface, const std::string& path);

constexpr double kA4Short = 595.276;
constexpr double kA4Long = 841.89;
