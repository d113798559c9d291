#include "tools/placeholder_files.h"

#include <cstddef>
#include <vector>

namespace tavi::tools {

namespace {

void put16(std::string& out, unsigned value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void put32(std::string& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

}  // namespace

std::string iconFile(std::uint32_t rgb) {
  constexpr unsigned kSide = 32;
  constexpr unsigned kPixelBytes = kSide * kSide * 4;
  constexpr unsigned kMaskBytes = kSide * 4;  // one bit per pixel, rows of 32 bits
  constexpr unsigned kImageBytes = 40 + kPixelBytes + kMaskBytes;
  std::string out;
  // The directory: one image, 32 bits per pixel.
  put16(out, 0);
  put16(out, 1);
  put16(out, 1);
  out.push_back(static_cast<char>(kSide));
  out.push_back(static_cast<char>(kSide));
  put16(out, 0);
  put16(out, 1);
  put16(out, 32);
  put32(out, kImageBytes);
  put32(out, 6 + 16);
  // The image: a bitmap header with the doubled height of colour and mask, rows bottom-up.
  put32(out, 40);
  put32(out, kSide);
  put32(out, kSide * 2);
  put16(out, 1);
  put16(out, 32);
  put32(out, 0);
  put32(out, kPixelBytes + kMaskBytes);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  put32(out, 0);
  for (unsigned y = 0; y < kSide; ++y) {
    for (unsigned x = 0; x < kSide; ++x) {
      const bool frame = x < 2 || y < 2 || x >= kSide - 2 || y >= kSide - 2;
      const std::uint32_t colour = frame ? 0xFFFFFF : rgb;
      out.push_back(static_cast<char>(colour & 0xFF));
      out.push_back(static_cast<char>((colour >> 8) & 0xFF));
      out.push_back(static_cast<char>((colour >> 16) & 0xFF));
      out.push_back(static_cast<char>(0xFF));
    }
  }
  out.append(kMaskBytes, '\0');
  return out;
}

std::string pdfDocument(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    if (c == '(' || c == ')' || c == '\\') escaped.push_back('\\');
    escaped.push_back(c);
  }
  const std::string stream = "BT /F1 18 Tf 72 770 Td (" + escaped + ") Tj ET";
  const std::vector<std::string> objects = {
      "<< /Type /Catalog /Pages 2 0 R >>",
      "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
      "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R "
      "/Resources << /Font << /F1 5 0 R >> >> >>",
      "<< /Length " + std::to_string(stream.size()) + " >>\nstream\n" + stream + "\nendstream",
      "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
  };
  std::string out = "%PDF-1.4\n";
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i < objects.size(); ++i) {
    offsets.push_back(out.size());
    out += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
  }
  const std::size_t xref = out.size();
  out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
  for (std::size_t offset : offsets) {
    std::string number = std::to_string(offset);
    out += std::string(10 - number.size(), '0') + number + " 00000 n \n";
  }
  out += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R >>\n";
  out += "startxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return out;
}

}  // namespace tavi::tools
