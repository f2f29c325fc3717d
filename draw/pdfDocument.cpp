// SPDX-License-Identifier: GPL-3.0-or-later
#include "draw/pdfDocument.h"

#include <cstdint>
#include <cstdio>
#include <span>
#include <utility>

#include "lib/codePage.h"
#include "lib/decimalText.h"

namespace {

// The objects before the pages; the pages' own begin after them.
constexpr std::size_t kFixedObjects = 6;
constexpr std::size_t kResources = 6;

std::string reference(std::size_t object) { return std::to_string(object) + " 0 R"; }

// Text strings of the document information are UTF-16BE with a byte order mark, so that the
// German letters read alike in every viewer; the title's characters go through Windows-1252.
std::string utf16Hex(const std::string& utf8) {
    const std::string ansi =
        utf8ToAnsi(std::span(reinterpret_cast<const std::uint8_t*>(utf8.data()), utf8.size()));
    std::string hex = "<FEFF";
    for (const char c : ansi) {
        const TUtf8Form& form = utf8Forms()[static_cast<unsigned char>(c)];
        const std::uint32_t point =
            form.length == 1   ? form.bytes[0]
            : form.length == 2 ? (form.bytes[0] & 0x1Fu) << 6 | (form.bytes[1] & 0x3Fu)
                               : (form.bytes[0] & 0x0Fu) << 12 | (form.bytes[1] & 0x3Fu) << 6 |
                                     (form.bytes[2] & 0x3Fu);
        char unit[5];
        std::snprintf(unit, sizeof unit, "%04X", static_cast<unsigned>(point));
        hex += unit;
    }
    return hex + ">";
}

}  // namespace

std::string pdfString(std::string_view ansi) {
    std::string out = "(";
    for (const char c : ansi) {
        if (c == '(' || c == ')' || c == '\\') out += '\\';
        out += c;
    }
    return out + ")";
}

std::string pdfNumber(double value) { return decimalText(value, 3); }

TPdfDocument::TPdfDocument(std::string title) : m_title(std::move(title)) {}

void TPdfDocument::addPage(double widthPt, double heightPt) {
    m_pages.push_back({widthPt, heightPt, {}});
}

std::string TPdfDocument::bytes() const {
    std::string kids;
    for (std::size_t page = 0; page < m_pages.size(); ++page) {
        if (page > 0) kids += ' ';
        kids += reference(kFixedObjects + 1 + 2 * page);
    }
    const auto font = [](const char* name) {
        return std::string("<< /Type /Font /Subtype /Type1 /BaseFont /") + name +
               " /Encoding /WinAnsiEncoding >>";
    };
    std::vector<std::string> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        std::string("<< /Type /Pages /Kids [") + kids + "] /Count " +
            std::to_string(m_pages.size()) + " >>",
        std::string("<< /Title ") + utf16Hex(m_title) + " /Creator (Zyklora) >>",
        font("Helvetica"),
        font("Helvetica-Bold"),
        "<< /Font << /F1 4 0 R /F2 5 0 R >> >>",
    };
    for (std::size_t page = 0; page < m_pages.size(); ++page) {
        const TPage& shown = m_pages[page];
        std::string object = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 ";
        object += pdfNumber(shown.widthPt);
        object += ' ';
        object += pdfNumber(shown.heightPt);
        object += "] /Resources ";
        object += reference(kResources);
        object += " /Contents ";
        object += reference(kFixedObjects + 2 + 2 * page);
        object += " >>";
        objects.push_back(std::move(object));
        std::string stream = "<< /Length ";
        stream += std::to_string(shown.content.size());
        stream += " >>\nstream\n";
        stream += shown.content;
        stream += "\nendstream";
        objects.push_back(std::move(stream));
    }

    // The second line's bytes above 127 tell transfer programs that the file is binary.
    std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1);
        pdf += " 0 obj\n";
        pdf += objects[i];
        pdf += "\nendobj\n";
    }
    const std::size_t table = pdf.size();
    const std::string size = std::to_string(objects.size() + 1);
    pdf += "xref\n0 ";
    pdf += size;
    pdf += "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        pdf += entry;
    }
    pdf += "trailer\n<< /Size ";
    pdf += size;
    pdf += " /Root 1 0 R /Info 3 0 R >>\nstartxref\n";
    pdf += std::to_string(table);
    pdf += "\n%%EOF\n";
    return pdf;
}
