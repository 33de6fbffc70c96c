#include "text/sjis.h"

#include <array>
#include <cstring>

namespace text {

std::size_t CharLength(std::string_view s, std::size_t pos) {
  return (pos + 1 < s.size() && IsLeadByte(static_cast<unsigned char>(s[pos]))) ? 2 : 1;
}

std::size_t Find(std::string_view s, std::string_view sub, std::size_t from) {
  if (sub.empty()) return npos;
  for (std::size_t i = 0; i < s.size(); i += CharLength(s, i)) {
    if (i < from) continue;
    if (s.size() - i < sub.size()) return npos;
    if (std::memcmp(s.data() + i, sub.data(), sub.size()) == 0) return i;
  }
  return npos;
}

std::size_t LastDelimiter(std::string_view s, std::string_view delimiters) {
  std::size_t found = npos;
  for (std::size_t i = 0; i < s.size(); i += CharLength(s, i)) {
    if (CharLength(s, i) == 1 && delimiters.find(s[i]) != std::string_view::npos) found = i;
  }
  return found;
}

bool EndsWithBackslash(std::string_view s) {
  const std::size_t pos = LastDelimiter(s, "\\");
  return pos != npos && pos + 1 == s.size();
}

std::string_view FolderPart(std::string_view path) {
  const std::size_t pos = LastDelimiter(path, "\\:");
  return pos == npos ? std::string_view() : path.substr(0, pos + 1);
}

std::string_view NamePart(std::string_view path) {
  const std::size_t pos = LastDelimiter(path, "\\:");
  return pos == npos ? path : path.substr(pos + 1);
}

std::string_view ExtensionPart(std::string_view path) {
  const std::size_t pos = LastDelimiter(path, ".\\:");
  if (pos == npos || path[pos] != '.') return {};
  return path.substr(pos);
}

std::string ToUpperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = UpperAscii(c);
  return out;
}

std::string ToLowerAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

std::string QuoteIfNeeded(std::string_view s) {
  const bool hasBlank = s.find(' ') != std::string_view::npos;
  const bool hasQuote = s.find('"') != std::string_view::npos;
  if (!hasBlank && !hasQuote) return std::string(s);
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"') return std::string(s);
  std::string out = "\"";
  for (char c : s) {
    out += c;
    if (c == '"') out += '"';
  }
  out += '"';
  return out;
}

namespace {

// One weight per byte; letters of both cases share a weight.
constexpr std::array<unsigned char, 256> MakeWeights() {
  std::array<unsigned char, 256> w{};
  int next = 1;
  w[' '] = static_cast<unsigned char>(next++);
  for (int c = 0; c < 0x80; ++c) {
    const bool digit = c >= '0' && c <= '9';
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (c != ' ' && !digit && !letter) w[c] = static_cast<unsigned char>(next++);
  }
  for (int c = '0'; c <= '9'; ++c) w[c] = static_cast<unsigned char>(next++);
  for (int c = 'A'; c <= 'Z'; ++c) {
    w[c] = static_cast<unsigned char>(next);
    w[c + 32] = static_cast<unsigned char>(next++);
  }
  for (int c = 0x80; c < 0x100; ++c) w[c] = static_cast<unsigned char>(next++);
  return w;
}

constexpr std::array<unsigned char, 256> kWeights = MakeWeights();

}  // namespace

int Collate(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const int wa = kWeights[static_cast<unsigned char>(a[i])];
    const int wb = kWeights[static_cast<unsigned char>(b[i])];
    if (wa != wb) return wa < wb ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  const int raw = a.compare(b);
  return raw < 0 ? -1 : (raw > 0 ? 1 : 0);
}

std::string CollationWeights(std::string_view s) {
  // Weights are never 0, so the final 0 makes a shorter text sort first.
  std::string key;
  key.reserve(s.size() + 1);
  for (char c : s) key += static_cast<char>(kWeights[static_cast<unsigned char>(c)]);
  key += '\0';
  return key;
}

namespace {

bool MatchFrom(std::string_view name, std::size_t n, std::string_view pat, std::size_t p) {
  // Iterative star matching with one backtrack point, stepping by characters.
  std::size_t starP = npos, starN = 0;
  while (n < name.size()) {
    if (p < pat.size() && pat[p] == '*') {
      starP = ++p;
      starN = n;
      continue;
    }
    if (p < pat.size()) {
      const std::size_t nl = CharLength(name, n);
      const std::size_t pl = CharLength(pat, p);
      const bool one = pat[p] == '?';
      const bool same = nl == pl && (nl == 1 ? UpperAscii(name[n]) == UpperAscii(pat[p])
                                             : name.compare(n, 2, pat.substr(p, 2)) == 0);
      if (one || same) {
        n += nl;
        p += one ? 1 : pl;
        continue;
      }
    }
    if (starP == npos) return false;
    starN += CharLength(name, starN);
    n = starN;
    p = starP;
  }
  while (p < pat.size() && pat[p] == '*') ++p;
  return p == pat.size();
}

}  // namespace

bool MatchesPattern(std::string_view name, std::string_view pattern) {
  if (pattern.empty()) return false;
  if (pattern == "*.*" || pattern == "*") return true;
  // "x.*" also matches "x" without a dot, as the Windows search does.
  if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
      MatchFrom(name, 0, pattern.substr(0, pattern.size() - 2), 0)) {
    return true;
  }
  return MatchFrom(name, 0, pattern, 0);
}

}  // namespace text
