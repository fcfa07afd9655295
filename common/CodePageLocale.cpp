#include "common/CodePage.h"

#include <algorithm>
#include <cstdlib>

namespace vt::codepage {
namespace {

struct LanguageCodePage {
    std::string_view language;
    int number;
};

// The ANSI code page Wine gives each language; territory and script below.
constexpr LanguageCodePage Languages[] = {
    {"ru", 1251}, {"uk", 1251}, {"be", 1251}, {"bg", 1251}, {"sr", 1251}, {"mk", 1251},
    {"pl", 1250}, {"cs", 1250}, {"sk", 1250}, {"hu", 1250}, {"sl", 1250}, {"hr", 1250},
    {"ro", 1250}, {"sq", 1250}, {"bs", 1250}, {"el", 1253}, {"tr", 1254}, {"az", 1254},
    {"he", 1255}, {"iw", 1255}, {"ar", 1256}, {"fa", 1256}, {"ur", 1256}, {"lt", 1257},
    {"lv", 1257}, {"et", 1257}, {"vi", 1258}, {"th", 874},  {"ja", 932},  {"ko", 949},
};

// Chinese: traditional characters in Taiwan, Hong Kong and Macao.
int chinese(std::string_view territory) {
    return territory == "TW" || territory == "HK" || territory == "MO" ? 950 : 936;
}

} // namespace

int forLocale(std::string_view locale) {
    const std::size_t at = locale.find('@');
    const std::string_view modifier = at == std::string_view::npos ? "" : locale.substr(at + 1);
    const std::string_view name = locale.substr(0, std::min(locale.find('.'), at));
    const std::size_t underscore = name.find('_');
    const std::string_view language = name.substr(0, underscore);
    const std::string_view territory =
        underscore == std::string_view::npos ? "" : name.substr(underscore + 1);
    if (language == "zh")
        return chinese(territory);
    if (modifier == "latin" && (language == "sr" || language == "bs"))
        return 1250;
    if (modifier == "cyrillic" && (language == "sr" || language == "bs" || language == "az"))
        return 1251;
    for (const LanguageCodePage& entry : Languages) {
        if (entry.language == language)
            return entry.number;
    }
    return Default;
}

std::string_view localeName() {
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return {};
}

int fromEnvironment() {
    const std::string_view locale = localeName();
    return locale.empty() ? Default : forLocale(locale);
}

} // namespace vt::codepage
