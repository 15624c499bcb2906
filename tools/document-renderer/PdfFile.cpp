#include "tools/document-renderer/PdfFile.h"

#include <cairo-pdf.h>

#include <cstdio>

cairo_surface_t* OpenPdf(const std::string& path, double width, double height, const PdfInfo& info) {
    cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), width, height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), cairo_status_to_string(cairo_surface_status(surface)));
        cairo_surface_destroy(surface);
        return nullptr;
    }
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, info.Title.c_str());
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_AUTHOR, info.Author.c_str());
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_SUBJECT, info.Subject.c_str());
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, info.Author.c_str());
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATE_DATE, info.Date.c_str());
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_MOD_DATE, info.Date.c_str());
    return surface;
}

int ClosePdf(cairo_surface_t* surface, const std::string& path) {
    cairo_surface_finish(surface);
    cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "%s: %s\n", path.c_str(), cairo_status_to_string(status));
        return 0;
    }
    return 1;
}
