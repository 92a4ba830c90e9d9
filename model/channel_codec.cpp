#include "model/channel_codec.h"

#include "model/band.h"
#include "model/display_words.h"
#include "model/gbk.h"
#include "model/image_layout.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace {

// The "C" locale, so that number texts read and print the same whatever
// locale the process runs in.
locale_t CLocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", locale_t{});
    return loc;
}

std::int32_t SaturateToInt32(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (v <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(v);
}

std::int32_t SaturateToInt32(long long v) {
    if (v > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (v < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(v);
}

std::string FormatFixed(double value, int decimals) {
    char buf[400];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    return std::string(buf, res.ptr);
}

// Two decimal digits into one byte, tens in the high nibble. Values outside
// 0..99 wrap as the byte arithmetic does.
std::uint8_t ToBcd(long long v) {
    return static_cast<std::uint8_t>((v / 10) * 16 + v % 10);
}

// One byte read digit by digit: high nibble tens, low nibble units.
int FromBcd(std::uint8_t b) {
    return (b >> 4) * 10 + (b & 15);
}

bool NotSet(std::uint8_t topByte) {
    return topByte == 0xFF || topByte == 0x00;
}

FrequencyBytes ReadFrequency(const std::uint8_t* p) {
    return {p[0], p[1], p[2], p[3]};
}

void WriteFrequency(const FrequencyBytes& bytes, std::uint8_t* p) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        p[i] = bytes[i];
    }
}

constexpr const char* kCtcssTones[] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
};

constexpr const char* kDcsCodes[] = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
    "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
    "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
    "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
    "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
    "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
    "664", "703", "712", "723", "731", "732", "734", "743", "754",
};

} // namespace

double ParseAtof(std::string_view text) {
    const std::string s(text);
    return strtod_l(s.c_str(), nullptr, CLocale());
}

std::int32_t ParseAtoi(std::string_view text) {
    const std::string s(text);
    return SaturateToInt32(strtoll_l(s.c_str(), nullptr, 10, CLocale()));
}

std::string FormatMhz(double value) {
    return FormatFixed(value, 5);
}

std::int32_t FrequencyToUnits(std::string_view text) {
    const double value = ParseAtof(text);
    if (!std::isfinite(value)) {
        return SaturateToInt32(value);
    }
    if (value == 0.0) {
        return 0;
    }
    // 15 significant digits: d.dddddddddddddde±x, then value = D·10^(x-14)
    // with D the 15-digit integer, and value·10^5 = D·10^(x-9).
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    const std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const bool negative = sci.front() == '-';
    long long digits = 0;
    std::size_t i = negative ? 1 : 0;
    for (; i < sci.size() && sci[i] != 'e'; ++i) {
        if (sci[i] != '.') {
            digits = digits * 10 + (sci[i] - '0');
        }
    }
    int exponent = 0;
    std::from_chars(sci.data() + i + 1 + (sci[i + 1] == '+' ? 1 : 0), sci.data() + sci.size(),
                    exponent);
    int shift = exponent - 9;
    long long units = digits;
    for (; shift < 0 && units != 0; ++shift) {
        units /= 10;
    }
    for (; shift > 0; --shift) {
        if (units > std::numeric_limits<std::int32_t>::max()) {
            break; // saturates below
        }
        units *= 10;
    }
    return SaturateToInt32(negative ? -units : units);
}

FrequencyBytes FrequencyTextToBytes(std::string_view text) {
    long long v = FrequencyToUnits(text);
    if (v == 0) {
        return {0xFF, 0xFF, 0xFF, 0xFF};
    }
    FrequencyBytes bytes{};
    constexpr long long kDivisors[] = {1000000, 10000, 100, 1}; // bytes 3, 2, 1, 0
    for (int b = 3; b >= 0; --b) {
        const long long divisor = kDivisors[3 - b];
        const long long pair = v / divisor;
        v %= divisor;
        bytes[static_cast<std::size_t>(b)] = ToBcd(pair);
    }
    return bytes;
}

std::string FrequencyBytesToText(const FrequencyBytes& bytes) {
    if (NotSet(bytes[3])) {
        return {};
    }
    long long v = 0;
    for (int b = 3; b >= 0; --b) {
        v = v * 100 + FromBcd(bytes[static_cast<std::size_t>(b)]);
    }
    return FormatMhz(static_cast<double>(v) / kUnitsPerMhz);
}

ToneCode ToneTextToCode(std::string_view text) {
    if (text.find('D') != std::string_view::npos) {
        const long long n = ParseAtoi(text.substr(1));
        const bool normal = text.find('N') != std::string_view::npos;
        return {ToBcd(n % 100), static_cast<std::uint8_t>(n / 100 + (normal ? 0x80 : 0xC0))};
    }
    const double tenths = std::ceil(ParseAtof(text) * 10.0);
    const long long v = std::isfinite(tenths) ? SaturateToInt32(tenths) : 0;
    if (v == 0) {
        return {0xFF, 0xFF};
    }
    return {ToBcd(v % 100), ToBcd(v / 100)};
}

std::string ToneCodeToText(ToneCode code, bool bChinese, bool emptyChannel) {
    if (NotSet(code.high)) {
        return emptyChannel ? std::string() : std::string(WordText(Word::NoTone, bChinese));
    }
    if (code.high >= 0x80) {
        const bool inverted = code.high >= 0xC0;
        const int d = code.high - (inverted ? 0xC0 : 0x80);
        const int number = d * 100 + 10 * (code.low >> 4) + (code.low & 15);
        return (d == 0 ? "D0" : "D") + std::to_string(number) + (inverted ? "I" : "N");
    }
    const int v = FromBcd(code.high) * 100 + FromBcd(code.low);
    return FormatFixed(v / 10.0, 1);
}

std::vector<std::string> ToneList(bool bChinese) {
    std::vector<std::string> list;
    list.reserve(kToneListSize);
    list.emplace_back(WordText(Word::NoTone, bChinese));
    for (const char* tone : kCtcssTones) {
        list.emplace_back(tone);
    }
    for (const char* suffix : {"N", "I"}) {
        for (const char* code : kDcsCodes) {
            list.push_back(std::string("D") + code + suffix);
        }
    }
    return list;
}

ChannelTexts DecodeRecord(const std::uint8_t* rec, bool bChinese) {
    ChannelTexts texts;
    texts[kColRx - 1] = FrequencyBytesToText(ReadFrequency(rec + layout::kRecRx));
    texts[kColTx - 1] = FrequencyBytesToText(ReadFrequency(rec + layout::kRecTx));
    constexpr std::size_t kTop = layout::kRecFrequencySize - 1;
    const bool empty = NotSet(rec[layout::kRecRx + kTop]) || NotSet(rec[layout::kRecTx + kTop]);
    const auto tone = [rec, bChinese, empty](std::size_t at) {
        return ToneCodeToText({rec[at], rec[at + 1]}, bChinese, empty);
    };
    texts[kColDecodeTone - 1] = tone(layout::kRecDecTone);
    texts[kColEncodeTone - 1] = tone(layout::kRecEncTone);
    if (empty) {
        return texts;
    }
    std::string name;
    for (std::size_t i = 0; i < layout::kRecNameSize; ++i) {
        const std::uint8_t b = rec[layout::kRecName + i];
        if (b == 0xFF || b == 0x00) {
            break;
        }
        name.push_back(static_cast<char>(b));
    }
    texts[kColName - 1] = GbkToUtf8(name);
    const std::uint8_t flags = rec[layout::kRecFlags];
    texts[kColPower - 1] = WordText((flags & 0x20) ? Word::High : Word::Low, bChinese);
    texts[kColWidth - 1] = WordText((flags & 0x10) ? Word::Wide : Word::Narrow, bChinese);
    texts[kColScan - 1] = WordText((flags & 0x08) ? Word::Yes : Word::No, bChinese);
    const int busy = (flags >> 1) & 3;
    const Word busyWord = busy == 0 ? Word::Off : busy == 1 ? Word::Carrier : Word::ToneLock;
    texts[kColBusy - 1] = WordText(busyWord, bChinese);
    return texts;
}

void EncodeRecord(const ChannelTexts& texts, std::uint8_t* rec) {
    const std::string& rx = texts[kColRx - 1];
    const std::string& tx = texts[kColTx - 1];
    WriteFrequency(FrequencyTextToBytes(rx), rec + layout::kRecRx);
    WriteFrequency(FrequencyTextToBytes(tx), rec + layout::kRecTx);
    const auto tone = [rec](const std::string& text, std::size_t at) {
        const ToneCode code = ToneTextToCode(text);
        rec[at] = code.low;
        rec[at + 1] = code.high;
    };
    tone(texts[kColDecodeTone - 1], layout::kRecDecTone);
    tone(texts[kColEncodeTone - 1], layout::kRecEncTone);

    // Whole characters only, so that a double-byte character is never cut.
    const std::string name =
        Utf8ToGbk(TruncateToGbkBytes(texts[kColName - 1], layout::kRecNameSize));
    for (std::size_t i = 0; i < layout::kRecNameSize; ++i) {
        rec[layout::kRecName + i] = i < name.size() ? static_cast<std::uint8_t>(name[i]) : 0xFF;
    }

    std::uint8_t flags = rec[layout::kRecFlags] & 0x01;
    if (IsWord(texts[kColPower - 1], Word::High)) {
        flags |= 0x20;
    }
    if (IsWord(texts[kColWidth - 1], Word::Wide)) {
        flags |= 0x10;
    }
    if (IsWord(texts[kColScan - 1], Word::Yes)) {
        flags |= 0x08;
    }
    const std::string& busy = texts[kColBusy - 1];
    if (IsWord(busy, Word::Carrier)) {
        flags |= 0x02;
    } else if (!IsWord(busy, Word::Off)) {
        flags |= 0x04;
    }
    const double rxValue = ParseAtof(rx);
    const double txValue = ParseAtof(tx);
    if (txValue > rxValue) {
        flags |= 0x80;
    } else if (txValue < rxValue) {
        flags |= 0x40;
    }
    rec[layout::kRecFlags] = flags;
}

void DecodeChannels(RadioImage& image, ChannelTable& table, BandPlan& bands, bool bChinese) {
    for (std::size_t n = 0; n < table.size(); ++n) {
        table[n] = DecodeRecord(image.data() + layout::ChannelRecord(n), bChinese);
    }
    RefreshBandAfterDecode(image, bands);
}

void EncodeChannels(const ChannelTable& table, RadioImage& image, const BandPlan& bands) {
    WriteBandBeforeEncode(image, bands);
    for (std::size_t n = 0; n < table.size(); ++n) {
        EncodeRecord(table[n], image.data() + layout::ChannelRecord(n));
    }
}

void RoundTripAsOpened(RadioImage& image) {
    ChannelTable table;
    BandPlan bands;
    // The words' language does not matter: the encode takes either.
    DecodeChannels(image, table, bands, false);
    EncodeChannels(table, image, bands);
}
