// Windows font faces mapped to the fonts installed here.
#pragma once

#include <QFont>
#include <QString>

// The installed family that stands in for a Windows face name: the Japanese
// Gothic faces ("ＭＳ Ｐゴシック", "MS PGothic" ...) become IPA (P) Gothic, the
// Mincho faces IPA (P) Mincho, then any installed Japanese sans-serif or
// serif family; "System" is a Gothic face too. Other faces are kept as they
// are, for fontconfig to match.
QString FamilyForFace(const QString& face);

// A font of the face at the point size, as a dialog template names it.
QFont FontForFace(const QString& face, int pointSize);
