#include "core/lowvoltage/reference_tables.h"

namespace voltaris::reference_tables {

const Table& ReflectionFactors() {
    static const Table table = {
        "Çeşitli Malzemelerin Yansıtma ve Geçirme Katsayıları",
        {"Yansıma Türü", "Malzeme", "Yansıtma\nKatsayısı (%)", "Geçirme\nKatsayısı (%)"},
        {
            {"Aynasal", "Aynalı ve optik kaplamalı cam", "80 – 99", "–"},
            {"Aynasal", "Metal kaplı ve optik kaplamalı plastik", "75 – 97", "–"},
            {"Aynasal", "İşlenmiş, eloksallı ve kaplamalı alüminyum", "75 – 95", "–"},
            {"Aynasal", "Parlatılmış alüminyum", "60 – 70", "–"},
            {"Aynasal", "Krom", "60 – 65", "–"},
            {"Aynasal", "Paslanmaz çelik", "55 – 65", "–"},
            {"Aynasal", "Siyah yapı camı", "5", "–"},
            {"Yarı yayınık", "İşlenmiş (yayınık) alüminyum", "70 – 80", "–"},
            {"Yarı yayınık", "Dağlanmış alüminyum", "70 – 85", "–"},
            {"Yarı yayınık", "Saten krom", "50 – 55", "–"},
            {"Yarı yayınık", "Fırçalanmış alüminyum", "55 – 58", "–"},
            {"Yarı yayınık", "Alüminyum boya", "60 – 70", "–"},
            {"Yayınık", "Beyaz sıva", "90 – 92", "–"},
            {"Yayınık", "Beyaz boya", "75 – 90", "–"},
            {"Yayınık", "Porselen emaye", "65 – 90", "–"},
            {"Yayınık", "Beyaz pişmiş toprak", "65 – 80", "–"},
            {"Yayınık", "Beyaz yapı camı", "75 – 80", "–"},
            {"Yayınık", "Kireç taşı", "35 – 65", "–"},
            {"Geçirgen", "Berrak, parlatılmış cam", "–", "80 – 90"},
            {"Geçirgen", "Desenli, buzlu, asitle dağlanmış veya kumlanmış cam", "–", "70 – 85"},
            {"Geçirgen", "Opal ve kaymaktaşı görünümlü cam", "–", "55 – 80"},
            {"Geçirgen", "Kaplamalı (flaşlı) opal cam", "–", "30 – 65"},
            {"Geçirgen", "Dolgu opal cam", "–", "15 – 40"},
            {"Geçirgen", "Berrak plastik", "–", "80 – 92"},
            {"Geçirgen", "Beyaz plastik", "–", "30 – 70"},
            {"Geçirgen", "Emdirilmiş mermer", "–", "5 – 30"},
            {"Geçirgen", "Kaymaktaşı (alabaster)", "–", "20 – 50"},
        },
        "Kaynak: IES Lighting Handbook (Illuminating Engineering Society of North America), "
        "çeşitli malzemelerin yansıtma ve geçirme katsayıları tablosu; tipik değer aralıkları.",
    };
    return table;
}

const Table& RoomSurfaces() {
    static const Table table = {
        "İç Mekân Yüzeyleri İçin Önerilen Yansıtma Katsayıları",
        {"Yüzey", "Yansıtma Katsayısı (%)"},
        {
            {"Tavan", "70 – 90"},
            {"Duvarlar", "50 – 80"},
            {"Zemin", "20 – 40"},
            {"Büyük nesneler (mobilya, makine)", "20 – 70"},
        },
        "Kaynak: EN 12464-1:2011, İş yerlerinin aydınlatılması – Bölüm 1: İç mekân çalışma "
        "alanları, madde 4.2.2.",
    };
    return table;
}

const Table& SoilResistivity() {
    static const Table table = {
        "Toprak Türlerine Göre Özgül Direnç",
        {"Toprak Türü", "Özgül Direnç (Ω·m)"},
        {
            {"Bataklık", "birkaç – 30"},
            {"Alüvyon (mil)", "20 – 100"},
            {"Humus", "10 – 150"},
            {"Turba", "5 – 100"},
            {"Yumuşak kil", "50"},
            {"Marn ve sıkışmış kil", "100 – 200"},
            {"Jura marnı", "30 – 40"},
            {"Killi kum", "50 – 500"},
            {"Silisli kum", "200 – 3000"},
            {"Çıplak taşlı zemin", "1500 – 3000"},
            {"Çimle örtülü taşlı zemin", "300 – 500"},
            {"Yumuşak kireç taşı", "100 – 300"},
            {"Sert kireç taşı", "1000 – 5000"},
            {"Çatlaklı kireç taşı", "500 – 1000"},
            {"Şist", "50 – 300"},
            {"Mikaşist", "800"},
            {"Granit ve kumtaşı (ayrışma durumuna göre)", "1500 – 10000"},
            {"Çok ayrışmış granit ve kumtaşı", "100 – 600"},
        },
        "Kaynak: IEC 60364-5-54, Alçak gerilim elektrik tesisleri – Topraklama düzenlemeleri ve "
        "koruma iletkenleri, toprak türlerine göre özgül direnç çizelgesi (bilgi amaçlı ek).",
    };
    return table;
}

} // namespace voltaris::reference_tables
