// Feeds arbitrary text to the date boxes and the date reader, and checks what must hold for any
// input: nothing crashes, an accepted date lies in the readable range and has a type 1 to 60,
// and the reader agrees with itself.

#include "Appraisal.h"
#include "BirthDate.h"
#include "TypeCycle.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

using namespace soranika;

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

void CheckDate(const std::optional<QDate>& date) {
    if (!date)
        return;
    Require(date->isValid());
    Require(date->year() >= FirstReadableYear && date->year() <= LastReadableYear);
    const int type = ComputeTypeIndex(*date);
    Require(type >= 1 && type <= 60);
    // A date written back in plain digits reads as the same date.
    const QString plain = QString::number(date->year()) + u'/' + QString::number(date->month()) +
                          u'/' + QString::number(date->day());
    Require(ParseDateText(plain) == date);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte chooses how the rest is read: UTF-8, or raw UTF-16 (lone surrogates too).
    if (size == 0)
        return 0;
    const bool utf16 = data[0] & 1;
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    const qsizetype length = static_cast<qsizetype>(size - 1);
    const QString text = utf16 ? QString(reinterpret_cast<const QChar*>(bytes), length / 2)
                               : QString::fromUtf8(bytes, length);

    CheckDate(ParseDateText(text));
    (void)YearTextValue(text);

    // Split into the four boxes at tabs, as a batch line is.
    const QStringList boxes = text.split(u'\t');
    const QString era = boxes.value(0);
    const QString year = boxes.value(1);
    const QString month = boxes.value(2);
    const QString day = boxes.value(3);
    const BirthDateTexts texts = MakeBirthDateText(era, year, month, day);
    Require(texts.MaskedBirthDate.startsWith(u"****/"));
    const auto validated = ValidateBirthDate(texts.EraPrefix, year, texts.BirthDateText);
    CheckDate(validated);
    if (validated)
        Require(ParseDateText(texts.BirthDateText) == validated);

    const Appraisal appraisal = AppraiseBirthDate(era, year, month, day, QDate(2026, 12, 7));
    Require(appraisal.Accepted == validated.has_value());
    return 0;
}
