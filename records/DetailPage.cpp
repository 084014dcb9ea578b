#include "DetailPage.h"

#include "Form3.h"
#include "FormLayout.h"
#include "ReadingFormat.h"
#include "RegularFile.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>

namespace soranika {

DetailPage MakeDetailPage(const Reading& reading, const QString& name, bool ageHidden,
                          const QDateTime& now) {
    DetailPage page;
    page.prose = reading.TypeText;
    page.name = name;
    page.birthDate = ageHidden ? reading.MaskedBirthDate : reading.BirthDateText;
    page.days = ageHidden ? QStringLiteral("*****") : FormatGroupedNumber(reading.DaysLived);
    page.age = ageHidden ? QStringLiteral("**") : QString::number(AgeInYears(reading.DaysLived));
    page.shownAt = GeneralDateTimeText(now);
    page.title = reading.TypeTitle;
    page.typeIndex = reading.TypeIndex;
    return page;
}

QString TypePictureFileName(int typeIndex) {
    return QStringLiteral("Image(%1).tkb").arg(typeIndex);
}

std::optional<QString> FillDetailWindow(Form3& window, const DetailPage& page,
                                        const QColor& background, const QString& pictureFolder) {
    SetBackground(&window, background);
    window.Label1->setCaption(page.prose);
    window.Label12->setCaption(page.name);
    window.Label13->setCaption(page.birthDate);
    window.Label14->setCaption(page.days);
    window.Label15->setCaption(page.age);
    window.Label5->setCaption(page.shownAt);
    window.Label9->setCaption(page.title);

    const QString path = QDir(pictureFolder).filePath(TypePictureFileName(page.typeIndex));
    const auto problem = [&](const QString& reason) {
        window.Image2->clear();
        return QDir::toNativeSeparators(path) + QStringLiteral("\n（") + reason +
               QStringLiteral("）");
    };
    // Only a regular file, and only so much of it: a pipe or a device in its place must not hold
    // the window up.
    auto content = ReadRegularFile(path, LargestPictureFileSize);
    if (const auto* reason = std::get_if<QString>(&content))
        return problem(*reason);
    QBuffer buffer(&std::get<QByteArray>(content));
    buffer.open(QIODevice::ReadOnly);
    // Read by content, whatever the extension says.
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        return problem(reader.errorString());
    window.Image2->setPixmap(QPixmap::fromImage(picture));
    return std::nullopt;
}

} // namespace soranika
