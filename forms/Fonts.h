#pragma once

#include <QFont>
#include <QString>

namespace soranika {

// The window font, "ＭＳ Ｐゴシック", in the sizes and styles of the control tables. Sizes are
// points at 96 dots per inch and become pixel sizes, so that text keeps its place in the fixed
// layout whatever the screen says its resolution is.
inline const QString GothicFamily = QStringLiteral("ＭＳ Ｐゴシック");

struct FontSpec {
    double points = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QString family = GothicFamily;
    int weight = 0; // 0: regular or bold as `bold` says; otherwise a weight from 100 to 900
};

QFont MakeFont(const FontSpec& style);

// Maps the Windows face names of the tables onto Japanese faces from Debian's packages.
void InstallFontSubstitutions();

} // namespace soranika
