#include "platform/qt/paint/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

bool NameHas(const QString& name, std::initializer_list<const char*> parts)
{
    for (const char* part : parts)
        if (name.contains(QString::fromUtf8(part), Qt::CaseInsensitive))
            return true;
    return false;
}

// The first installed family of the list, then the first Japanese family
// whose name has one of the hints, else an empty string.
QString FirstInstalled(const QStringList& preferred, std::initializer_list<const char*> hints)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : preferred)
        if (installed.contains(family, Qt::CaseInsensitive))
            return family;
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese))
        if (NameHas(family, hints))
            return family;
    return {};
}

}  // namespace

QString FamilyForFace(const QString& face)
{
    // Full-width letters in a face name ("ＭＳ Ｐ") read as their ASCII forms.
    const QString name = face.normalized(QString::NormalizationForm_KC);
    const bool proportional = NameHas(name, {"MS P", "MS UI"});
    QString family;
    // The system font of a Japanese desktop is a Gothic face.
    if (NameHas(name, {"ゴシック", "Gothic"}) || name == QLatin1String("System")) {
        const QStringList ipa = {"IPAPGothic", "IPAGothic"};
        family = FirstInstalled(proportional ? ipa : QStringList{ipa[1], ipa[0]}, {"Gothic", "Sans"});
    } else if (NameHas(name, {"明朝", "Mincho"})) {
        const QStringList ipa = {"IPAPMincho", "IPAMincho"};
        family = FirstInstalled(proportional ? ipa : QStringList{ipa[1], ipa[0]}, {"Mincho", "Serif"});
    }
    return family.isEmpty() ? face : family;
}

QFont FontForFace(const QString& face, int pointSize)
{
    QFont font(FamilyForFace(face));
    font.setPointSize(pointSize > 0 ? pointSize : 9);
    return font;
}
