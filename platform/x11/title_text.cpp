#include "platform/x11/title_text.h"

#include <iconv.h>

#include <cctype>
#include <cstdint>

#include "platform/codec.h"
#include "text/sjis.h"

namespace platform::x11 {

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";
constexpr std::size_t kTitleLimit = 255;

void AppendUtf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Converts bytes of charset to UTF-8; whatever does not convert becomes U+FFFD.
std::string ConvertToUtf8(const char* charset, std::string_view bytes) {
  const iconv_t cd = iconv_open("UTF-8", charset);
  if (cd == reinterpret_cast<iconv_t>(-1)) return kReplacement;
  std::string out;
  char* src = const_cast<char*>(bytes.data());
  std::size_t left = bytes.size();
  while (left > 0) {
    char buf[256];
    char* dst = buf;
    std::size_t room = sizeof buf;
    const std::size_t r = iconv(cd, &src, &left, &dst, &room);
    out.append(buf, static_cast<std::size_t>(dst - buf));
    if (r == static_cast<std::size_t>(-1) && dst == buf) {
      out += kReplacement;
      ++src;
      --left;
    }
  }
  iconv_close(cd);
  return out;
}

// What a graphic set of compound text is.
enum class Set {
  Ascii,
  JisRoman,
  JisKana,
  Jis0208,
  Gb2312,
  Ksc5601,
  Latin,  // the right half of an ISO 8859 part, in latinName
  Unknown,
};

bool IsDoubleByte(Set s) { return s == Set::Jis0208 || s == Set::Gb2312 || s == Set::Ksc5601; }

Set NinetyFourSet(char final) {
  switch (final) {
    case 'B':
      return Set::Ascii;
    case 'J':
      return Set::JisRoman;
    case 'I':
      return Set::JisKana;
    default:
      return Set::Unknown;
  }
}

Set NinetyFourSquaredSet(char final) {
  switch (final) {
    case 'A':
      return Set::Gb2312;
    case 'B':
      return Set::Jis0208;
    case 'C':
      return Set::Ksc5601;
    default:
      return Set::Unknown;
  }
}

const char* LatinPart(char final) {
  switch (final) {
    case 'A':
      return "ISO-8859-1";
    case 'B':
      return "ISO-8859-2";
    case 'C':
      return "ISO-8859-3";
    case 'D':
      return "ISO-8859-4";
    case 'F':
      return "ISO-8859-7";
    case 'G':
      return "ISO-8859-6";
    case 'H':
      return "ISO-8859-8";
    case 'L':
      return "ISO-8859-5";
    case 'M':
      return "ISO-8859-9";
    case 'b':
      return "ISO-8859-15";
    default:
      return nullptr;
  }
}

// The iconv name of an extended segment's encoding name ("iso8859-15", "big5-0").
std::string SegmentCharset(std::string_view name) {
  std::string upper;
  for (char c : name) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (upper.size() > 2 && upper.ends_with("-0")) upper.resize(upper.size() - 2);
  if (upper.starts_with("ISO8859-")) upper.insert(3, "-");
  if (upper == "ISO10646-1") upper = "UTF-8";
  return upper;
}

struct Decoder {
  std::string_view in;
  std::size_t at = 0;
  Set gl = Set::Ascii;
  Set gr = Set::Latin;
  const char* latin = "ISO-8859-1";
  std::string out = {};

  void Character(Set set, unsigned char b1, unsigned char b2) {
    const unsigned char c = b1 & 0x7F;
    switch (set) {
      case Set::Ascii:
        out += static_cast<char>(c);
        return;
      case Set::JisRoman:
        if (c == 0x5C) return AppendUtf8(out, 0xA5);
        if (c == 0x7E) return AppendUtf8(out, 0x203E);
        out += static_cast<char>(c);
        return;
      case Set::JisKana:
        if (c >= 0x21 && c <= 0x5F) return AppendUtf8(out, 0xFF61 + (c - 0x21));
        out += kReplacement;
        return;
      case Set::Latin: {
        const char byte = static_cast<char>(c | 0x80);
        out += ConvertToUtf8(latin, std::string_view(&byte, 1));
        return;
      }
      case Set::Jis0208:
      case Set::Gb2312:
      case Set::Ksc5601: {
        const char* charset = set == Set::Jis0208  ? "EUC-JP"
                              : set == Set::Gb2312 ? "EUC-CN"
                                                   : "EUC-KR";
        const char pair[2] = {static_cast<char>(b1 | 0x80), static_cast<char>(b2 | 0x80)};
        out += ConvertToUtf8(charset, std::string_view(pair, 2));
        return;
      }
      case Set::Unknown:
        out += kReplacement;
        return;
    }
  }

  void Graphic(Set set) {
    const auto b1 = static_cast<unsigned char>(in[at]);
    if (!IsDoubleByte(set)) {
      Character(set, b1, 0);
      ++at;
      return;
    }
    if (at + 1 >= in.size()) {
      out += kReplacement;
      ++at;
      return;
    }
    Character(set, b1, static_cast<unsigned char>(in[at + 1]));
    at += 2;
  }

  // ESC at `at`: a designation, a UTF-8 run or an extended segment.
  void Escape() {
    std::size_t end = at + 1;
    while (end < in.size() && in[end] >= 0x20 && in[end] <= 0x2F) ++end;
    if (end >= in.size()) {
      at = in.size();
      return;
    }
    const std::string_view middle = in.substr(at + 1, end - at - 1);
    const char final = in[end];
    at = end + 1;
    if (middle == "(") {
      gl = NinetyFourSet(final);
    } else if (middle == ")") {
      gr = NinetyFourSet(final);
    } else if (middle == "-") {
      latin = LatinPart(final);
      gr = latin ? Set::Latin : Set::Unknown;
    } else if (middle == "$(" || middle == "$") {
      gl = NinetyFourSquaredSet(final);
    } else if (middle == "$)") {
      gr = NinetyFourSquaredSet(final);
    } else if (middle == "%" && final == 'G') {
      Utf8Run();
    } else if (middle == "%/" && final >= '0' && final <= '4') {
      ExtendedSegment();
    }
  }

  void Utf8Run() {
    const std::size_t end = in.find("\x1b%@", at);
    out += in.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
    at = end == std::string_view::npos ? in.size() : end + 3;
  }

  void ExtendedSegment() {
    if (at + 2 > in.size()) {
      at = in.size();
      return;
    }
    const std::size_t length = ((static_cast<unsigned char>(in[at]) & 0x7F) << 7) |
                               (static_cast<unsigned char>(in[at + 1]) & 0x7F);
    const std::string_view segment = in.substr(at + 2, length);
    at = std::min(in.size(), at + 2 + length);
    const std::size_t stx = segment.find('\x02');
    if (stx == std::string_view::npos) return;
    const std::string charset = SegmentCharset(segment.substr(0, stx));
    const std::string_view data = segment.substr(stx + 1);
    out += charset == "UTF-8" ? std::string(data) : ConvertToUtf8(charset.c_str(), data);
  }

  // CSI: a direction change, which a plain title does not show.
  void ControlSequence() {
    ++at;
    while (at < in.size() && !(in[at] >= 0x40 && in[at] <= 0x7E)) ++at;
    if (at < in.size()) ++at;
  }

  std::string Run() {
    while (at < in.size()) {
      const auto b = static_cast<unsigned char>(in[at]);
      if (b == 0x1B) {
        Escape();
      } else if (b == 0x9B) {
        ControlSequence();
      } else if (b == ' ' || b == '\t' || b == '\n') {
        out += static_cast<char>(b);
        ++at;
      } else if (b > 0x20 && b < 0x7F) {
        Graphic(gl);
      } else if (b >= 0xA0) {
        Graphic(gr);
      } else {
        ++at;
      }
    }
    return out;
  }
};

}  // namespace

std::string PropertyTextToUtf8(TextType type, std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\0'));
  switch (type) {
    case TextType::Utf8:
      return std::string(bytes);
    case TextType::CompoundText:
      return CompoundTextToUtf8(bytes);
    case TextType::Latin1:
      break;
  }
  std::string out;
  for (char c : bytes) AppendUtf8(out, static_cast<unsigned char>(c));
  return out;
}

std::string CompoundTextToUtf8(std::string_view bytes) { return Decoder{bytes}.Run(); }

std::string TitleForSearch(std::string_view utf8) {
  std::string title = Utf8ToCp932(utf8);
  std::size_t end = 0;
  while (end < title.size()) {
    const std::size_t next = end + text::CharLength(title, end);
    if (next > kTitleLimit) break;
    end = next;
  }
  title.resize(end);
  return title;
}

}  // namespace platform::x11
