#include "benchtext.h"

#include <fstream>
#include <random>

std::string BenchText::chineseUtf8(size_t bytes)
{
    // Common hanzi and punctuation; a fixed seed keeps the text the same.
    const std::u32string hanzi
        = U"的一是在不了有和人这中大为上个国我以要他时来用们生到作地于出就分对成会可主发年动"
          U"同工也能下过子说产种面而方后多定行学法所民得经十三之进着等部度家电力里如水化高自二"
          U"理起小物现实加量都两体制机当使点从业本去把性好应开它合还因由其些然前外天政四日那社";
    const std::u32string punctuation = U"，。、；：？！“”《》——";
    std::mt19937 random(20240607);
    std::u32string text;
    while (text.size() * 3 < bytes) {
        const int length = std::uniform_int_distribution<int>(10, 300)(random);
        if (random() % 20 == 0) {
            text += U'\n';
            continue;
        }
        for (int i = 0; i < length; ++i) {
            if (random() % 12 == 0)
                text += punctuation[random() % punctuation.size()];
            else
                text += hanzi[random() % hanzi.size()];
        }
        text += U'\n';
    }
    std::string utf8;
    for (const char32_t c : text) {
        if (c < 0x80) {
            utf8 += char(c);
        } else if (c < 0x800) {
            utf8 += {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
        } else {
            utf8 += {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)),
                     char(0x80 | (c & 0x3F))};
        }
    }
    return utf8;
}

std::u32string BenchText::toUtf32(const std::string &utf8)
{
    std::u32string out;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (int k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out += c;
        i += length;
    }
    return out;
}

std::string BenchText::writeTemporary(const std::string &name, const std::string &bytes)
{
    const std::string path = "/tmp/tervolan-bench-" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}
