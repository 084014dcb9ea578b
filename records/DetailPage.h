#pragma once

#include "Reading.h"

#include <QColor>
#include <QDateTime>
#include <QString>

#include <optional>

namespace soranika {

class Form3;

// What the detail window shows of a reading.
struct DetailPage {
    QString prose; // the type text, two carriage returns first
    QString name;
    QString birthDate; // the masked birth date when the age is hidden
    QString days;      // "##,##0", or "*****" when the age is hidden
    QString age;       // or "**"
    QString shownAt;   // date and time of the showing
    QString title;
    int typeIndex = 0;
};

DetailPage MakeDetailPage(const Reading& reading, const QString& name, bool ageHidden,
                          const QDateTime& now);

// The picture of a type beside the program: "Image(7).tkb" for type 7. The pictures shipped are
// under 100 KB; a file beyond this size is not read.
QString TypePictureFileName(int typeIndex);
inline constexpr qint64 LargestPictureFileSize = 16 << 20;

// Fills the detail window with the page in its background colour, without showing it, then loads
// the type's picture from `pictureFolder`. The texts are set in every case; when the picture
// cannot be read the picture box is left empty (never the previous type's picture) and the
// reason comes back.
std::optional<QString> FillDetailWindow(Form3& window, const DetailPage& page,
                                        const QColor& background, const QString& pictureFolder);

} // namespace soranika
