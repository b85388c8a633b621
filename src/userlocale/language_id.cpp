// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <array>
#include <string>

#include "language_id.h"

namespace torvex {

namespace {

// A language and territory with its Windows language identifier.
struct TerritoryId {
    std::string_view language;
    std::string_view territory;
    int id;
};

// Territories whose identifier differs from their language's usual one. Every
// German and English territory with an identifier of its own is here: the
// program chooses German texts from the low byte and US units only for 1033.
// clang-format off
constexpr auto kTerritories = std::to_array<TerritoryId>({
    {"de", "DE", 1031},  {"de", "CH", 2055},  {"de", "AT", 3079},  {"de", "LU", 4103},
    {"de", "LI", 5127},

    {"en", "US", 1033},  {"en", "GB", 2057},  {"en", "AU", 3081},  {"en", "CA", 4105},
    {"en", "NZ", 5129},  {"en", "IE", 6153},  {"en", "ZA", 7177},  {"en", "JM", 8201},
    {"en", "BZ", 10249}, {"en", "TT", 11273}, {"en", "ZW", 12297}, {"en", "PH", 13321},
    {"en", "ID", 14345}, {"en", "HK", 15369}, {"en", "IN", 16393}, {"en", "MY", 17417},
    {"en", "SG", 18441}, {"en", "AE", 19465}, {"en", "BH", 20489}, {"en", "EG", 21513},
    {"en", "JO", 22537}, {"en", "KW", 23561}, {"en", "TR", 24585}, {"en", "YE", 25609},

    {"zh", "TW", 1028},  {"zh", "CN", 2052},  {"zh", "HK", 3076},  {"zh", "SG", 4100},
    {"zh", "MO", 5124},  {"pt", "BR", 1046},  {"pt", "PT", 2070},  {"fr", "BE", 2060},
    {"fr", "CA", 3084},  {"fr", "CH", 4108},  {"fr", "LU", 5132},  {"it", "CH", 2064},
    {"nl", "BE", 2067},  {"es", "MX", 2058},  {"es", "AR", 11274}, {"sv", "FI", 2077},
    {"sr", "RS", 10266}, {"sr", "ME", 12314}, {"ar", "EG", 3073},  {"ar", "MA", 6145},
});
// clang-format on

struct LanguageId {
    std::string_view language;
    int id;
};

// Languages by ISO 639 code, with their usual sub-language.
// clang-format off
constexpr auto kLanguages = std::to_array<LanguageId>({
    {"af", 1078}, {"am", 1118}, {"ar", 1025}, {"as", 1101}, {"az", 1068}, {"ba", 1133},
    {"be", 1059}, {"bg", 1026}, {"bn", 1093}, {"bo", 1105}, {"br", 1150}, {"bs", 5146},
    {"ca", 1027}, {"co", 1155}, {"cs", 1029}, {"cy", 1106}, {"da", 1030}, {"de", 1031},
    {"dv", 1125}, {"el", 1032}, {"en", 1033}, {"es", 3082}, {"et", 1061}, {"eu", 1069},
    {"fa", 1065}, {"fi", 1035}, {"fil", 1124}, {"fo", 1080}, {"fr", 1036}, {"fy", 1122},
    {"ga", 2108}, {"gd", 1169}, {"gl", 1110}, {"gu", 1095}, {"ha", 1128}, {"he", 1037},
    {"hi", 1081}, {"hr", 1050}, {"hsb", 1070}, {"hu", 1038}, {"hy", 1067}, {"id", 1057},
    {"ig", 1136}, {"is", 1039}, {"it", 1040}, {"iu", 1117}, {"iw", 1037}, {"ja", 1041},
    {"ka", 1079}, {"kk", 1087}, {"kl", 1135}, {"km", 1107}, {"kn", 1099}, {"ko", 1042},
    {"kok", 1111}, {"ky", 1088}, {"lb", 1134}, {"lo", 1108}, {"lt", 1063}, {"lv", 1062},
    {"mi", 1153}, {"mk", 1071}, {"ml", 1100}, {"mn", 1104}, {"mr", 1102}, {"ms", 1086},
    {"mt", 1082}, {"my", 1109}, {"nb", 1044}, {"ne", 1121}, {"nl", 1043}, {"nn", 2068},
    {"no", 1044}, {"nso", 1132}, {"oc", 1154}, {"or", 1096}, {"pa", 1094}, {"pl", 1045},
    {"ps", 1123}, {"pt", 1046}, {"rm", 1047}, {"ro", 1048}, {"ru", 1049}, {"rw", 1159},
    {"sa", 1103}, {"sah", 1157}, {"se", 1083}, {"si", 1115}, {"sk", 1051}, {"sl", 1060},
    {"sq", 1052}, {"sr", 3098}, {"sv", 1053}, {"sw", 1089}, {"ta", 1097}, {"te", 1098},
    {"tg", 1064}, {"th", 1054}, {"ti", 1139}, {"tk", 1090}, {"tn", 1074}, {"tr", 1055},
    {"tt", 1092}, {"ug", 1152}, {"uk", 1058}, {"ur", 1056}, {"uz", 1091}, {"vi", 1066},
    {"wo", 1160}, {"xh", 1076}, {"yo", 1130}, {"zh", 2052}, {"zu", 1077},
});
// clang-format on

constexpr int kUsEnglish = 1033;
// An English territory without an identifier of its own: English texts and,
// unlike the United States, metric units.
constexpr int kEnglishElsewhere = 2057;
// What Windows reports for a locale it has no identifier for.
constexpr int kCustomUnspecified = 4096;

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kWhitespace = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(kWhitespace);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kWhitespace) - first + 1);
}

std::string Cased(std::string_view text, bool upper) {
    std::string out(text);
    for (char& c : out) {
        if (upper && c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (!upper && c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

} // namespace

int LanguageIdFromLocaleName(std::string_view posixName) {
    // language[_territory][.codeset][@modifier]
    std::string_view name = Trimmed(posixName);
    name = name.substr(0, name.find('@'));
    name = name.substr(0, name.find('.'));
    if (name.empty() || name == "C" || name == "POSIX") {
        return kUsEnglish;
    }

    const std::size_t bar = name.find_first_of("_-");
    const std::string language = Cased(name.substr(0, bar), false);
    std::string territory = bar == std::string_view::npos ? std::string() : Cased(name.substr(bar + 1), true);
    for (char& c : territory) {
        c = c == '-' ? '_' : c;
    }

    for (const TerritoryId& t : kTerritories) {
        if (t.language == language && t.territory == territory) {
            return t.id;
        }
    }
    if (language == "en" && !territory.empty()) {
        return kEnglishElsewhere;
    }
    for (const LanguageId& l : kLanguages) {
        if (l.language == language) {
            return l.id;
        }
    }
    return kCustomUnspecified;
}

} // namespace torvex
