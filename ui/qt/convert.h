// The widget edge: code page 932 texts, byte positions, colours and fonts of the model as Qt
// values and back.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>
#include <string>
#include <string_view>

#include "ui/types.h"

namespace ui::qt {

QString ToQString(std::string_view cp932);
std::string FromQString(const QString& s);

// Byte positions in a code page 932 text and character positions in the same text shown.
int CharPosFromBytes(std::string_view cp932, int bytePos);
int BytePosFromChars(const QString& shown, int charPos);

// A label caption: "&x" marks x, "&&" is one "&".
QString WithoutAccelerator(const QString& caption);

// A model colour: 0x00BBGGRR, or a system colour taken from the palette.
QColor ToQColor(Color c, const QPalette& system);
Color FromQColor(const QColor& c);

// Fonts: the Windows faces the system names are mapped to installed faces once.
void InstallFontSubstitutions();
// The installed face a face name stands for: the name itself when installed, else its first
// installed substitute, else the name. Qt is asked for installed faces only: a face it does not
// have sends it through fontconfig's slow fallback sort for every script it meets.
QString InstalledFamily(const QString& face);
QFont ToQFont(const Font& font);
// The dialog's choice as a model font; keeps the model's face name when the choice is the face
// that name stands for, and the colour, which the dialog does not show.
Font FromQFont(const QFont& chosen, const Font& before);

}  // namespace ui::qt
