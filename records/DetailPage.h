#pragma once

#include "Reading.h"

#include <QColor>
#include <QDateTime>
#include <QString>
#include <QStringView>

namespace soranika {

// Everything the detail window shows, as one value.
struct DetailPage {
    QString prose; // the type text, two carriage returns first
    QString name;
    QString birthDate;       // the masked birth date when the age is hidden
    QString spokenBirthDate; // the same in words, for screen readers: 昭和60年5月12日
    QString days;            // "##,##0", or "*****" when the age is hidden
    QString age;             // or "**"
    QString shownAt;         // date and time of the showing
    QString title;
    int typeIndex = 0;
    QColor background;     // the window colour
    QString pictureFolder; // where the type's picture is found
};

// The page of a reading with the name, the age switch and the moment of showing; the background
// and the picture folder are left for the caller.
DetailPage MakeDetailPage(const Reading& reading, const QString& name, bool ageHidden,
                          const QDateTime& now);

// A birth date as the page shows it ("S60/5/12", "2000/1/1", the masked "****/5/12") in the
// words a screen reader should say: 昭和60年5月12日, 2000年1月1日, 5月12日. A text of another
// shape comes back as it is.
QString SpokenBirthDate(QStringView shown);

// The picture of a type beside the program: "Image(7).tkb" for type 7.
QString TypePictureFileName(int typeIndex);

// The pictures shipped are under 100 KB; a file beyond this size is not read.
inline constexpr qint64 LargestPictureFileSize = 16 << 20;

} // namespace soranika
