#include "platform/lnk/lnk_format.h"

#include <array>
#include <cstring>

#include "platform/lnk/utf16.h"
#include "text/sjis.h"

namespace platform::lnk {

namespace {

constexpr std::uint32_t kHeaderSize = 0x4C;
// CLSID_ShellLink {00021401-0000-0000-C000-000000000046} as stored.
constexpr std::array<unsigned char, 16> kLinkClsid = {
    0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

enum LinkFlags : std::uint32_t {
  kHasLinkTargetIdList = 0x001,
  kHasLinkInfo = 0x002,
  kHasName = 0x004,
  kHasRelativePath = 0x008,
  kHasWorkingDir = 0x010,
  kHasArguments = 0x020,
  kHasIconLocation = 0x040,
  kIsUnicode = 0x080,
  kForceNoLinkInfo = 0x100,
};

enum LinkInfoFlags : std::uint32_t {
  kVolumeIdAndLocalBasePath = 0x1,
  kCommonNetworkRelativeLinkAndPathSuffix = 0x2,
};

constexpr std::uint32_t kLinkInfoHeaderAnsi = 0x1C;
constexpr std::uint32_t kLinkInfoHeaderUnicode = 0x24;
constexpr std::uint32_t kVolumeIdHeader = 0x10;
constexpr std::uint32_t kNetLinkHeaderAnsi = 0x14;
constexpr std::uint32_t kNetLinkHeaderUnicode = 0x1C;
constexpr std::uint32_t kDriveFixed = 3;
constexpr std::uint32_t kEnvironmentBlock = 0xA0000001;
constexpr std::uint32_t kEnvironmentBlockSize = 0x314;
constexpr std::size_t kEnvironmentAnsiChars = 260;
constexpr std::size_t kMaxStringUnits = 0xFFFF;

// ---- writing ----

class Out {
 public:
  void U16(std::uint16_t v) {
    data_ += static_cast<char>(v & 0xFF);
    data_ += static_cast<char>(v >> 8);
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v & 0xFFFF));
    U16(static_cast<std::uint16_t>(v >> 16));
  }
  void Bytes(std::string_view b) { data_.append(b); }
  void CString(std::string_view s) {
    data_.append(s);
    data_ += '\0';
  }
  void WString(std::u16string_view s) {
    for (char16_t c : s) U16(c);
    U16(0);
  }
  void AlignTo2() {
    if (data_.size() % 2) data_ += '\0';
  }
  void Patch32(std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) data_[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  }
  std::uint32_t Size() const { return static_cast<std::uint32_t>(data_.size()); }
  std::string& Data() { return data_; }

 private:
  std::string data_;
};

bool IsUncPath(std::string_view path) { return path.starts_with("\\\\"); }

// "\\server\share\rest" -> "\\server\share" and "rest", split by characters.
std::pair<std::string_view, std::string_view> SplitUnc(std::string_view path) {
  int seen = 0;
  for (std::size_t i = 2; i < path.size(); i += text::CharLength(path, i)) {
    if (text::CharLength(path, i) == 1 && path[i] == '\\' && ++seen == 2) {
      return {path.substr(0, i), path.substr(i + 1)};
    }
  }
  return {path, {}};
}

// A LinkInfo with a VolumeID and the local base path, or with a network link for a UNC path;
// both code page and UTF-16 forms, so any reader finds the one it prefers.
std::string LinkInfo(std::string_view target) {
  const bool unc = IsUncPath(target);
  const auto [netName, netSuffix] =
      unc ? SplitUnc(target) : std::pair<std::string_view, std::string_view>{};
  const std::string_view base = unc ? std::string_view() : target;
  const std::string_view suffix = unc ? netSuffix : std::string_view();

  Out li;
  const std::size_t fields = 9;  // size, header size, flags, six offsets
  for (std::size_t i = 0; i < fields; ++i) li.U32(0);
  li.Patch32(4, kLinkInfoHeaderUnicode);
  li.Patch32(8, unc ? kCommonNetworkRelativeLinkAndPathSuffix : kVolumeIdAndLocalBasePath);
  if (unc) {
    const std::size_t start = li.Size();
    li.Patch32(0x14, li.Size());
    li.U32(0);  // size, patched below
    li.U32(0);  // flags: no device name, no provider type
    li.U32(kNetLinkHeaderUnicode);
    li.U32(0);  // device name
    li.U32(0);  // provider type
    li.U32(0);  // NetNameOffsetUnicode, patched below
    li.U32(0);  // device name in UTF-16
    li.CString(netName);
    li.AlignTo2();
    li.Patch32(start + 0x14, li.Size() - static_cast<std::uint32_t>(start));
    li.WString(Cp932ToUtf16(netName));
    li.Patch32(start, li.Size() - static_cast<std::uint32_t>(start));
  } else {
    li.Patch32(0x0C, li.Size());
    li.U32(kVolumeIdHeader + 1);
    li.U32(kDriveFixed);
    li.U32(0);  // serial number
    li.U32(kVolumeIdHeader);
    li.CString("");  // label
    li.Patch32(0x10, li.Size());
    li.CString(base);
  }
  li.Patch32(0x18, li.Size());
  li.CString(suffix);
  li.AlignTo2();
  if (!unc) {
    li.Patch32(0x1C, li.Size());
    li.WString(Cp932ToUtf16(base));
  }
  li.Patch32(0x20, li.Size());
  li.WString(Cp932ToUtf16(suffix));
  li.Patch32(0, li.Size());
  return std::move(li.Data());
}

// ---- reading ----

// Bounds-checked little-endian reads from one span; every failure is final.
class In {
 public:
  explicit In(std::string_view data) : data_(data) {}

  bool Has(std::size_t at, std::size_t n) const {
    return at <= data_.size() && n <= data_.size() - at;
  }
  std::optional<std::uint16_t> U16(std::size_t at) const {
    if (!Has(at, 2)) return std::nullopt;
    return static_cast<std::uint16_t>(Byte(at) | (Byte(at + 1) << 8));
  }
  std::optional<std::uint32_t> U32(std::size_t at) const {
    if (!Has(at, 4)) return std::nullopt;
    return static_cast<std::uint32_t>(Byte(at) | (Byte(at + 1) << 8) | (Byte(at + 2) << 16) |
                                      (static_cast<std::uint32_t>(Byte(at + 3)) << 24));
  }
  // A NUL-terminated byte string that must end inside the span.
  std::optional<std::string_view> CString(std::size_t at) const {
    if (at >= data_.size()) return std::nullopt;
    const std::size_t end = data_.find('\0', at);
    if (end == std::string_view::npos) return std::nullopt;
    return data_.substr(at, end - at);
  }
  // A NUL-terminated UTF-16 string that must end inside the span.
  std::optional<std::u16string> WString(std::size_t at) const {
    std::u16string s;
    for (;; at += 2) {
      const auto c = U16(at);
      if (!c) return std::nullopt;
      if (*c == 0) return s;
      s += static_cast<char16_t>(*c);
    }
  }
  std::u16string Utf16(std::size_t at, std::size_t units) const {
    std::u16string s(units, u'\0');
    for (std::size_t i = 0; i < units; ++i) s[i] = static_cast<char16_t>(*U16(at + 2 * i));
    return s;
  }
  std::string_view Bytes(std::size_t at, std::size_t n) const { return data_.substr(at, n); }
  std::size_t Size() const { return data_.size(); }

 private:
  unsigned Byte(std::size_t at) const { return static_cast<unsigned char>(data_[at]); }
  std::string_view data_;
};

// Texts end at their first NUL, as the shell's get calls return them.
std::string UpToNul(std::string s) {
  const std::size_t nul = s.find('\0');
  if (nul != std::string::npos) s.resize(nul);
  return s;
}

std::u16string UpToNul(std::u16string s) {
  const std::size_t nul = s.find(u'\0');
  if (nul != std::u16string::npos) s.resize(nul);
  return s;
}

// Base and suffix joined by characters: a trail byte 0x5C is no separator.
std::string JoinPath(std::string base, std::string_view suffix) {
  if (base.empty()) return std::string(suffix);
  if (suffix.empty()) return base;
  if (!text::EndsWithBackslash(base)) base += '\\';
  return base.append(suffix);
}

// A string of the LinkInfo: its UTF-16 form where one is given, else its code page form. Both
// must lie inside the structure, whichever is used.
std::optional<std::string> LinkInfoString(const In& in, std::uint32_t ansiOffset,
                                          std::uint32_t unicodeOffset) {
  std::string ansi;
  if (ansiOffset != 0) {
    const auto s = in.CString(ansiOffset);
    if (!s) return std::nullopt;
    ansi = *s;
  }
  if (unicodeOffset == 0) return ansi;
  const auto s = in.WString(unicodeOffset);
  if (!s) return std::nullopt;
  return Utf16ToCp932(*s);
}

std::optional<std::string> NetworkName(const In& li, std::uint32_t offset) {
  const auto size = li.U32(offset);
  if (!size || *size < kNetLinkHeaderAnsi || !li.Has(offset, *size)) return std::nullopt;
  const In net(li.Bytes(offset, *size));
  const std::uint32_t nameOffset = *net.U32(0x08);
  std::uint32_t nameOffsetUnicode = 0;
  if (nameOffset > kNetLinkHeaderAnsi) {
    const auto u = net.U32(kNetLinkHeaderAnsi);
    if (!u) return std::nullopt;
    nameOffsetUnicode = *u;
  }
  return LinkInfoString(net, nameOffset, nameOffsetUnicode);
}

// The target named by a LinkInfo: the network form first, as for a UNC-priority path query.
std::optional<std::string> LinkInfoTarget(const In& li) {
  const auto headerSize = li.U32(0x04);
  if (!headerSize || *headerSize < kLinkInfoHeaderAnsi || *headerSize > li.Size()) {
    return std::nullopt;
  }
  const std::uint32_t flags = *li.U32(0x08);
  const std::uint32_t volumeOffset = *li.U32(0x0C);
  const std::uint32_t baseOffset = *li.U32(0x10);
  const std::uint32_t netOffset = *li.U32(0x14);
  const std::uint32_t suffixOffset = *li.U32(0x18);
  std::uint32_t baseOffsetUnicode = 0, suffixOffsetUnicode = 0;
  if (*headerSize >= kLinkInfoHeaderUnicode) {
    baseOffsetUnicode = *li.U32(0x1C);
    suffixOffsetUnicode = *li.U32(0x20);
  }
  const auto suffix = LinkInfoString(li, suffixOffset, suffixOffsetUnicode);
  if (!suffix) return std::nullopt;

  std::string local, network;
  if (flags & kVolumeIdAndLocalBasePath) {
    const auto volumeSize = li.U32(volumeOffset);
    if (!volumeSize || *volumeSize < kVolumeIdHeader || !li.Has(volumeOffset, *volumeSize)) {
      return std::nullopt;
    }
    const auto base = LinkInfoString(li, baseOffset, baseOffsetUnicode);
    if (!base) return std::nullopt;
    local = JoinPath(*base, *suffix);
  }
  if (flags & kCommonNetworkRelativeLinkAndPathSuffix) {
    const auto name = NetworkName(li, netOffset);
    if (!name) return std::nullopt;
    network = JoinPath(*name, *suffix);
  }
  return network.empty() ? local : network;
}

// Skips an item ID list, checking that its items fill it and end with the terminal ID.
bool SkipIdList(const In& in, std::size_t& pos) {
  const auto size = in.U16(pos);
  if (!size || !in.Has(pos + 2, *size)) return false;
  const In list(in.Bytes(pos + 2, *size));
  for (std::size_t at = 0;;) {
    const auto item = list.U16(at);
    if (!item) return false;
    if (*item == 0) break;
    if (*item < 2 || !list.Has(at, *item)) return false;
    at += *item;
  }
  pos += 2 + std::size_t{*size};
  return true;
}

std::optional<std::string> StringData(const In& in, std::size_t& pos, bool unicode) {
  const auto count = in.U16(pos);
  if (!count) return std::nullopt;
  pos += 2;
  const std::size_t bytes = std::size_t{*count} * (unicode ? 2 : 1);
  if (!in.Has(pos, bytes)) return std::nullopt;
  std::string s = unicode ? Utf16ToCp932(UpToNul(in.Utf16(pos, *count)))
                          : UpToNul(std::string(in.Bytes(pos, bytes)));
  pos += bytes;
  return s;
}

// The target held by an environment-variable block, its UTF-16 form first.
std::string EnvironmentTarget(const In& block) {
  const std::size_t ansiAt = 8;
  const std::size_t unicodeAt = ansiAt + kEnvironmentAnsiChars;
  const std::u16string unicode = UpToNul(block.Utf16(unicodeAt, kEnvironmentAnsiChars));
  if (!unicode.empty()) return Utf16ToCp932(unicode);
  return UpToNul(std::string(block.Bytes(ansiAt, kEnvironmentAnsiChars)));
}

// Walks the extra data blocks up to the terminal block; the environment target, if any.
std::optional<std::string> ExtraData(const In& in, std::size_t pos) {
  std::string environment;
  for (;;) {
    const auto size = in.U32(pos);
    if (!size) return std::nullopt;
    if (*size == 0) return environment;
    if (*size < 8 || !in.Has(pos, *size)) return std::nullopt;
    if (*in.U32(pos + 4) == kEnvironmentBlock) {
      if (*size != kEnvironmentBlockSize) return std::nullopt;
      environment = EnvironmentTarget(In(in.Bytes(pos, *size)));
    }
    pos += *size;
  }
}

}  // namespace

std::optional<std::string> Encode(const LinkValues& v) {
  const std::u16string workingDir = Cp932ToUtf16(v.workingDir);
  const std::u16string arguments = Cp932ToUtf16(v.arguments);
  const std::u16string iconLocation = Cp932ToUtf16(v.iconLocation);
  for (const auto* s : {&workingDir, &arguments, &iconLocation}) {
    if (s->size() > kMaxStringUnits) return std::nullopt;
  }

  std::uint32_t flags = kIsUnicode;
  if (!v.target.empty()) flags |= kHasLinkInfo;
  if (!workingDir.empty()) flags |= kHasWorkingDir;
  if (!arguments.empty()) flags |= kHasArguments;
  if (!iconLocation.empty()) flags |= kHasIconLocation;

  Out out;
  out.U32(kHeaderSize);
  out.Bytes(std::string_view(reinterpret_cast<const char*>(kLinkClsid.data()), kLinkClsid.size()));
  out.U32(flags);
  out.U32(v.targetAttributes);
  for (int i = 0; i < 6; ++i) out.U32(0);  // creation, access and write times
  out.U32(v.targetSize);
  out.U32(static_cast<std::uint32_t>(v.iconIndex));
  out.U32(static_cast<std::uint32_t>(v.showCmd));
  out.U16(v.hotkey);
  out.U16(0);
  out.U32(0);
  out.U32(0);

  if (flags & kHasLinkInfo) out.Bytes(LinkInfo(v.target));
  for (const auto* s : {&workingDir, &arguments, &iconLocation}) {
    if (s->empty()) continue;
    out.U16(static_cast<std::uint16_t>(s->size()));
    for (char16_t c : *s) out.U16(c);
  }
  out.U32(0);  // terminal block
  return std::move(out.Data());
}

std::optional<LinkValues> Decode(std::string_view bytes) {
  const In in(bytes);
  if (in.U32(0) != kHeaderSize || !in.Has(0, kHeaderSize)) return std::nullopt;
  if (std::memcmp(bytes.data() + 4, kLinkClsid.data(), kLinkClsid.size()) != 0) {
    return std::nullopt;
  }
  const std::uint32_t flags = *in.U32(0x14);
  LinkValues v;
  v.iconIndex = static_cast<std::int32_t>(*in.U32(0x38));
  v.showCmd = static_cast<std::int32_t>(*in.U32(0x3C));
  v.hotkey = *in.U16(0x40);

  std::size_t pos = kHeaderSize;
  if ((flags & kHasLinkTargetIdList) && !SkipIdList(in, pos)) return std::nullopt;
  std::string linkInfoTarget;
  if (flags & kHasLinkInfo) {
    const auto size = in.U32(pos);
    if (!size || *size < kLinkInfoHeaderAnsi || !in.Has(pos, *size)) return std::nullopt;
    if (!(flags & kForceNoLinkInfo)) {
      const auto target = LinkInfoTarget(In(in.Bytes(pos, *size)));
      if (!target) return std::nullopt;
      linkInfoTarget = *target;
    }
    pos += *size;
  }

  const bool unicode = flags & kIsUnicode;
  const std::pair<LinkFlags, std::string*> strings[] = {
      {kHasName, nullptr},
      {kHasRelativePath, nullptr},
      {kHasWorkingDir, &v.workingDir},
      {kHasArguments, &v.arguments},
      {kHasIconLocation, &v.iconLocation},
  };
  for (const auto& [flag, into] : strings) {
    if (!(flags & flag)) continue;
    auto s = StringData(in, pos, unicode);
    if (!s) return std::nullopt;
    if (into) *into = std::move(*s);
  }

  const auto environment = ExtraData(in, pos);
  if (!environment) return std::nullopt;
  v.target = linkInfoTarget.empty() ? *environment : linkInfoTarget;
  return v;
}

}  // namespace platform::lnk
