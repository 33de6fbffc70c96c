#include "text/strlist.h"

#include "text/sjis.h"

namespace text {

int IndexOfName(const StringList& lines, std::string_view name) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const std::size_t eq = line.find('=');
    if (eq != std::string::npos && EqualsIgnoreCase(std::string_view(line).substr(0, eq), name)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

std::string Lookup(const StringList& lines, std::string_view name) {
  const int i = IndexOfName(lines, name);
  if (i < 0) return {};
  return lines[static_cast<std::size_t>(i)].substr(name.size() + 1);
}

void Assign(StringList& lines, std::string_view name, std::string_view value) {
  const int i = IndexOfName(lines, name);
  if (value.empty()) {
    if (i >= 0) lines.erase(lines.begin() + i);
    return;
  }
  std::string line = std::string(name) + "=" + std::string(value);
  if (i >= 0) {
    lines[static_cast<std::size_t>(i)] = std::move(line);
  } else {
    lines.push_back(std::move(line));
  }
}

bool HasPrefix(std::string_view line, std::string_view prefix) {
  return line.substr(0, prefix.size()) == prefix;
}

StringList SplitLines(std::string_view bytes) {
  const std::size_t nul = bytes.find('\0');
  if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
  StringList lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.emplace_back(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::string JoinLinesCrLf(const StringList& lines) {
  std::string out;
  std::size_t size = 0;
  for (const auto& l : lines) size += l.size() + 2;
  out.reserve(size);
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

}  // namespace text
