#include "report/pdf_print_device.h"

#include <array>
#include <cstdio>
#include <vector>

namespace korvel {
namespace {

constexpr int kFontSize = 90;
// From the top of a line to the baseline of its text: Courier rises 0.63 and falls 0.16 of the
// font size, so the glyphs sit a little below the middle of an 11 point line.
constexpr int kBaseline = 80;

// A PDF literal string: the bytes of a Windows-1252 text, the font's encoding; the delimiters,
// the backslash and every byte outside printable ASCII as escapes.
std::string literal(std::string_view cp1252Text) {
    std::string out = "(";
    for (const char c : cp1252Text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '(' || c == ')' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte > 0x7E) {
            std::array<char, 5> octal{};
            std::snprintf(octal.data(), octal.size(), "\\%03o", byte);
            out += octal.data();
        } else {
            out += c;
        }
    }
    return out + ")";
}

// Appends "N 0 obj", body and "endobj", noting where the object starts for the cross-reference
// table.
void addObject(std::string& pdf, std::vector<std::size_t>& offsets, std::string_view body) {
    offsets.push_back(pdf.size());
    pdf += std::to_string(offsets.size()) + " 0 obj\n";
    pdf += body;
    pdf += "\nendobj\n";
}

} // namespace

void PdfPrintDevice::text(int x, int y, std::string_view cp1252Text) {
    // The page is drawn in tenths of a point (see the cm operator), PDF's y axis pointing up.
    const int left = kMargin + x;
    const int baseline = kPageHeight - kMargin - y - kBaseline;
    pages_.back() += "1 0 0 1 " + std::to_string(left) + " " + std::to_string(baseline) + " Tm " +
                     literal(cp1252Text) + " Tj\n";
}

void PdfPrintDevice::startNextPage() {
    pages_.emplace_back();
}

std::string PdfPrintDevice::document() const {
    // A comment of bytes above 127 tells transfer programs that the file is binary.
    std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    // The first page keeps objects 3 and 5; a page after it takes the next two numbers from 7.
    const auto pageObject = [](std::size_t page) { return page == 0 ? 3 : 5 + 2 * page; };
    std::string kids;
    for (std::size_t page = 0; page < pages_.size(); ++page) {
        kids += (page ? " " : "") + std::to_string(pageObject(page)) + " 0 R";
    }
    addObject(pdf, offsets, "<< /Type /Catalog /Pages 2 0 R >>");
    addObject(pdf, offsets,
              "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages_.size()) +
                  " >>");
    const auto addPage = [&](std::size_t page) {
        const std::string stream = "0.1 0 0 0.1 0 0 cm\nBT\n/F1 " + std::to_string(kFontSize) +
                                   " Tf\n" + pages_[page] + "ET\n";
        addObject(pdf, offsets,
                  "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + std::to_string(kPageWidth / 10) +
                      " " + std::to_string(kPageHeight / 10) +
                      "] /Resources << /Font << /F1 4 0 R >> >> /Contents " +
                      std::to_string(pageObject(page) + (page == 0 ? 2 : 1)) + " 0 R >>");
        return stream;
    };
    const std::string firstStream = addPage(0);
    addObject(pdf, offsets,
              "<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>");
    addObject(pdf, offsets,
              "<< /Length " + std::to_string(firstStream.size()) + " >>\nstream\n" + firstStream +
                  "endstream");
    addObject(pdf, offsets, "<< /Title (Korvel document) /Producer (Korvel) >>");
    for (std::size_t page = 1; page < pages_.size(); ++page) {
        const std::string stream = addPage(page);
        addObject(pdf, offsets,
                  "<< /Length " + std::to_string(stream.size()) + " >>\nstream\n" + stream +
                      "endstream");
    }

    const std::size_t xref = pdf.size();
    const std::string count = std::to_string(offsets.size() + 1);
    pdf += "xref\n0 " + count + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        std::array<char, 21> entry{};
        std::snprintf(entry.data(), entry.size(), "%010zu 00000 n \n", offset);
        pdf += entry.data();
    }
    pdf += "trailer\n<< /Size " + count + " /Root 1 0 R /Info 6 0 R >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

} // namespace korvel
