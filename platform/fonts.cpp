#include "platform/fonts.h"

#include "platform/font_names.h"

#include <QFontInfo>
#include <array>

namespace {

struct Substitution {
    const char* requested;  // UTF-8
    const char* installed;
};

constexpr std::array kSubstitutions{
    Substitution{kFaceMincho, "IPAMincho"},
    Substitution{kFaceMinchoNoSpace, "IPAMincho"},
    Substitution{kFacePGothic, "IPAPGothic"},
};

}  // namespace

void InstallFontSubstitutions()
{
    for (const Substitution& s : kSubstitutions)
        QFont::insertSubstitution(QString::fromUtf8(s.requested), QString::fromUtf8(s.installed));
}

QFont MakeFont(const QString& face, double points, bool bold, bool italic)
{
    QFont font(face);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    // Named by the face the machine draws it with, as an SVG of the page
    // names its faces, rather than by the face asked for.
    font.setFamily(QFontInfo(font).family());
    return font;
}
