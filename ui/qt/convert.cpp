#include "ui/qt/convert.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>
#include <array>

#include "platform/codec.h"
#include "text/sjis.h"

namespace ui::qt {

QString ToQString(std::string_view cp932) {
  const std::string utf8 = platform::Cp932ToUtf8(cp932);
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& s) {
  const QByteArray utf8 = s.toUtf8();
  return platform::Utf8ToCp932(std::string_view(utf8.constData(), utf8.size()));
}

int CharPosFromBytes(std::string_view cp932, int bytePos) {
  // A position inside a double-byte character counts as the start of that character.
  std::size_t end = 0;
  const auto limit = static_cast<std::size_t>(std::clamp<int>(bytePos, 0, cp932.size()));
  while (end < cp932.size()) {
    const std::size_t next = end + text::CharLength(cp932, end);
    if (next > limit) break;
    end = next;
  }
  return static_cast<int>(ToQString(cp932.substr(0, end)).size());
}

int BytePosFromChars(const QString& shown, int charPos) {
  return static_cast<int>(FromQString(shown.left(std::max(0, charPos))).size());
}

QString WithoutAccelerator(const QString& caption) {
  QString out;
  out.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return out;
}

QColor ToQColor(Color c, const QPalette& system) {
  if ((c & kSystemColor) == 0) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  }
  struct Entry {
    int index;
    QPalette::ColorRole role;
  };
  static constexpr std::array kRoles = {
      Entry{4, QPalette::Window},           Entry{5, QPalette::Base},
      Entry{7, QPalette::WindowText},       Entry{8, QPalette::Text},
      Entry{13, QPalette::Highlight},       Entry{14, QPalette::HighlightedText},
      Entry{15, QPalette::Button},          Entry{16, QPalette::Dark},
      Entry{17, QPalette::PlaceholderText}, Entry{18, QPalette::ButtonText},
      Entry{20, QPalette::Light},           Entry{21, QPalette::Shadow},
      Entry{22, QPalette::Midlight},        Entry{23, QPalette::ToolTipText},
      Entry{24, QPalette::ToolTipBase},
  };
  const int index = c & 0xFF;
  for (const Entry& e : kRoles) {
    if (e.index == index) return system.color(QPalette::Active, e.role);
  }
  return system.color(QPalette::Active, QPalette::Window);
}

Color FromQColor(const QColor& c) {
  const QColor rgb = c.toRgb();
  return static_cast<Color>(rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16));
}

void InstallFontSubstitutions() {
  struct Face {
    const char* windows;  // UTF-8
    QStringList installed;
  };
  const std::array faces = {
      Face{"ＭＳ Ｐゴシック", {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP"}},
      Face{"ＭＳ ゴシック", {"IPAGothic", "Noto Sans Mono CJK JP"}},
      Face{"MS UI Gothic", {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP"}},
      Face{"ＭＳ Ｐ明朝", {"IPAPMincho", "IPAMincho", "Noto Serif CJK JP"}},
      Face{"ＭＳ 明朝", {"IPAMincho", "Noto Serif CJK JP"}},
  };
  for (const Face& f : faces) QFont::insertSubstitutions(QString::fromUtf8(f.windows), f.installed);
}

QString InstalledFamily(const QString& face) {
  const QStringList installed = QFontDatabase::families();
  if (installed.contains(face, Qt::CaseInsensitive)) return face;
  // Qt keeps substitutes in lower case: the installed list has the face's own spelling.
  for (const QString& substitute : QFont::substitutes(face)) {
    for (const QString& family : installed) {
      if (family.compare(substitute, Qt::CaseInsensitive) == 0) return family;
    }
  }
  return face;
}

QFont ToQFont(const Font& font) {
  QFont f(InstalledFamily(ToQString(font.name)));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  f.setStrikeOut(font.strikeOut);
  if (font.height < 0) {
    f.setPixelSize(-font.height);
  } else if (font.height > 0) {
    // A cell height: the character height is the cell less the font's own leading.
    f.setPixelSize(font.height);
    const int cell = QFontMetrics(f).height();
    if (cell > font.height) f.setPixelSize(std::max(1, font.height * font.height / cell));
  }
  return f;
}

Font FromQFont(const QFont& chosen, const Font& before) {
  Font font = before;
  const QFont was = ToQFont(before);
  if (chosen.family() != was.family() && chosen.family() != QFontInfo(was).family()) {
    font.name = FromQString(chosen.family());
  }
  if (chosen.pointSize() > 0) {
    font.SetSize(chosen.pointSize());
  } else if (chosen.pixelSize() > 0) {
    font.height = -chosen.pixelSize();
  }
  font.bold = chosen.bold();
  font.italic = chosen.italic();
  font.underline = chosen.underline();
  font.strikeOut = chosen.strikeOut();
  return font;
}

}  // namespace ui::qt
