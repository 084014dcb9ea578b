#include "TypeTable.h"

#include "TypeProse.h"

#include <QtGlobal>

#include <array>

namespace soranika::TypeTable {

namespace {

constexpr std::array<QStringView, LastType> kTitles{{
    u"超高感度のアンテナねずみ",           //  1 rat
    u"乙女の野牛",                         //  2 ox
    u"聖火を持った虎",                     //  3 tiger
    u"釘を打つうさぎ",                     //  4 rabbit
    u"山上に舞う龍",                       //  5 dragon
    u"大草原の大蛇",                       //  6 snake
    u"反逆のレーダー馬",                   //  7 horse
    u"羊か、雲か、仙人か？",               //  8 sheep
    u"一直線の闘争猿",                     //  9 monkey
    u"激情の闘鶏",                         // 10 bird
    u"嗅覚鋭い忠犬",                       // 11 dog
    u"無冠のいのしし親分",                 // 12 boar
    u"自由な火ねずみ",                     // 13 rat
    u"ほのかなロマンの牛",                 // 14 ox
    u"山頂に駆け登る虎",                   // 15 tiger
    u"正義の味方、気まぐれうさぎ",         // 16 rabbit
    u"白銀（しらがね）の龍",               // 17 dragon
    u"開きなおった蛇",                     // 18 snake
    u"川くだりを楽しむ風流馬",             // 19 horse
    u"木かげの羊",                         // 20 sheep
    u"つむじ風に乗ってきた宇宙猿",         // 21 monkey
    u"幻の鳥",                             // 22 bird
    u"聖火台の神犬",                       // 23 dog
    u"夜明けのいのしし",                   // 24 boar
    u"物見高い観察ねずみ",                 // 25 rat
    u"機織り牛",                           // 26 ox
    u"金色の虎",                           // 27 tiger
    u"月から来た哀愁のうさぎ",             // 28 rabbit
    u"大貝に住む観察龍",                   // 29 dragon
    u"春の小川で遊ぶ蛇",                   // 30 snake
    u"飾りのないジャジャ馬",               // 31 horse
    u"花のベールの羊",                     // 32 sheep
    u"稲妻にうたれた飛猿",                 // 33 monkey
    u"ちょうちんを灯した鳩",               // 34 bird
    u"家畜化しない山犬",                   // 35 dog
    u"もつれた紐（ひも）をほどくイノシシ", // 36 boar
    u"銀色のねずみ",                       // 37 rat
    u"辛抱する牛",                         // 38 ox
    u"キバのない虎",                       // 39 tiger
    u"湖畔のうさぎ",                       // 40 rabbit
    u"キバのない竜",                       // 41 dragon
    u"花影にひそむ蛇",                     // 42 snake
    u"気ままに燃える太陽の馬",             // 43 horse
    u"ボス羊",                             // 44 sheep
    u"哀愁のベールを着た風流猿",           // 45 monkey
    u"まっすぐに飛ぶ鳥",                   // 46 bird
    u"国境を守る猛犬",                     // 47 dog
    u"磁気を帯びたイノシシ",               // 48 boar
    u"ねずみ算をする大ねずみ",             // 49 rat
    u"放たれた牛",                         // 50 ox
    u"理論のヨロイを着た猛虎",             // 51 tiger
    u"山を登るうさぎ",                     // 52 rabbit
    u"気まぐれ龍神",                       // 53 dragon
    u"大夢をむさぼる大蛇",                 // 54 snake
    u"大平原の原生馬",                     // 55 horse
    u"我が道を行く頑固な羊",               // 56 sheep
    u"孫悟空",                             // 57 monkey
    u"時を刻む不死鳥",                     // 58 bird
    u"ロマンチックなボス犬",               // 59 dog
    u"弓を引くイノシシ",                   // 60 boar
}};

std::size_t Slot(int typeIndex) {
    Q_ASSERT(typeIndex >= FirstType && typeIndex <= LastType);
    return static_cast<std::size_t>(qBound(FirstType, typeIndex, LastType) - FirstType);
}

} // namespace

QStringView Title(int typeIndex) {
    return kTitles[Slot(typeIndex)];
}

QStringView Prose(int typeIndex) {
    const std::u16string_view prose = TypeProse(FirstType + static_cast<int>(Slot(typeIndex)));
    return QStringView(prose.data(), static_cast<qsizetype>(prose.size()));
}

QString TypeText(int typeIndex) {
    const QStringView prose = Prose(typeIndex);
    QString text;
    text.reserve(prose.size() + 2);
    return text.append(u"\r\r").append(prose);
}

} // namespace soranika::TypeTable
