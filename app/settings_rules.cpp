#include "app/settings_rules.h"

#include "app/texts.h"

namespace zunt {

std::optional<std::int32_t> ParseStrictInt(std::string_view s) {
  bool negative = false;
  if (!s.empty() && s.front() == '-') {
    negative = true;
    s.remove_prefix(1);
  }
  if (s.empty() || s.size() > 10) return std::nullopt;
  std::int64_t value = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::string FormatMessage(std::string_view pattern, std::string_view value) {
  std::string out(pattern);
  const std::size_t pos = out.find("%s");
  if (pos != std::string::npos) out.replace(pos, 2, value);
  return out;
}

std::string NotAnIntegerMessage(std::string_view value) {
  return FormatMessage(msg::kNotAnInteger, value);
}

const text::StringList& FirstRunEntries() {
  static const text::StringList entries = {
      std::string("Exttxt=") + msg::kExttxtValue,
      "Extpsd=Adobe Photoshop",
      std::string(msg::kPopMemoName) + "=N,notepad.exe",
      "Pop&Pelor=M,Quenda",
      "Pop&Mirel=S,Lanto",
      "Pop&Excel= ,C:\\Program Files\\Microsoft Office\\Office10\\EXCEL.EXE",
      "Msk1=*.*",
      "Msk2=*.jpg;*.gif;*.bmp",
      "Sort=0",
  };
  return entries;
}

}  // namespace zunt
