#pragma once
// The program asks for its faces by their Japanese names; the machine has the
// IPA faces instead.

#include <QFont>
#include <QString>

// Maps "ＭＳ 明朝" and "ＭＳ明朝" to IPAMincho and "ＭＳ Ｐゴシック" to
// IPAPGothic. Call once at start-up, after the application object exists.
void InstallFontSubstitutions();

// The font of the face asked for, named by the installed face that draws it.
QFont MakeFont(const QString& face, double points, bool bold = false, bool italic = false);
