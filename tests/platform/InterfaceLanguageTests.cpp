// The interface language: the desktop's languages, matched to the shipped ones, and the
// user's choice in the per-user values over both.

#include "platform/InterfaceLanguage.h"
#include "support/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class TScopedEnv {
public:
    TScopedEnv(const char* name, const char* value) : m_name(name), m_had(qEnvironmentVariableIsSet(name)) {
        m_old = qgetenv(name);
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    ~TScopedEnv() {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

const QStringList kShipped{"en", "de", "fr", "es"};

} // namespace

TEST(InterfaceLanguage, DesktopLanguagesMatchTheNearestShippedOne) {
    const struct {
        QStringList Desktop;
        QStringList Shipped;
        uint32_t Expected;
    } cases[] = {
        {{"de_DE.UTF-8"}, kShipped, 0x0407},
        {{"de_AT.UTF-8"}, kShipped, 0x0407}, // the language, not the territory
        {{"de_CH.ISO-8859-1@euro"}, kShipped, 0x0407},
        {{"es_MX.UTF-8"}, kShipped, 0x0C0A}, // Spanish is Spain's: its template tree is ESN
        {{"fr_CA"}, kShipped, 0x040C},
        {{"fr"}, kShipped, 0x040C},
        {{"pt_BR.UTF-8"}, kShipped, 0x0409}, // not shipped: English (United States)
        {{"en_GB.UTF-8"}, kShipped, 0x0409},
        {{"pt_BR", "es", "de_DE.UTF-8"}, kShipped, 0x0C0A}, // LANGUAGE's order of preference
        {{"en_GB", "de_DE.UTF-8"}, kShipped, 0x0409},
        {{"C.UTF-8"}, kShipped, 0x0409},
        {{"POSIX"}, kShipped, 0x0409},
        {{"de_DE.UTF-8"}, {"en"}, 0x0409}, // a build without the German texts
        {{}, kShipped, 0x0409},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchInterfaceLanguage(c.Desktop, c.Shipped), c.Expected)
            << c.Desktop.join(':').toStdString() << " of " << c.Shipped.join(',').toStdString();
}

TEST(InterfaceLanguage, DesktopLanguagesFollowGettextsOrder) {
    const struct {
        const char *Language, *All, *Messages, *Lang;
        QStringList Expected;
    } cases[] = {
        {"fr:de", nullptr, "es_ES.UTF-8", "de_DE.UTF-8", {"fr", "de", "es_ES.UTF-8"}},
        {nullptr, "fr_FR.UTF-8", "es_ES.UTF-8", "de_DE.UTF-8", {"fr_FR.UTF-8"}},
        {nullptr, "", "", "de_AT.UTF-8", {"de_AT.UTF-8"}},
        {"fr", "C.UTF-8", nullptr, "de_DE.UTF-8", {"C.UTF-8"}}, // LANGUAGE does not count beside C
        {"fr", nullptr, nullptr, nullptr, {}},
    };
    for (const auto& c : cases) {
        TScopedEnv language("LANGUAGE", c.Language), all("LC_ALL", c.All),
            messages("LC_MESSAGES", c.Messages), lang("LANG", c.Lang);
        EXPECT_EQ(DesktopLanguages(), c.Expected) << c.Expected.join(':').toStdString();
    }
}

TEST(InterfaceLanguage, TheUsersChoiceWinsOverTheDesktopAndCountsFromTheNextLookUp) {
    TempDir config;
    TScopedEnv configDir("BRAMBLEX_CONFIG_DIR", QFile::encodeName(config.Path()).constData());
    TScopedEnv language("LANGUAGE", nullptr), all("LC_ALL", nullptr), messages("LC_MESSAGES", nullptr),
        lang("LANG", "de_AT.UTF-8");
    // The build tree's translations: the three languages the program ships.
    ASSERT_TRUE(ShippedLanguages().contains("de")) << TranslationsFolder().toStdString();
    EXPECT_EQ(ChosenInterfaceLocaleID(), 0u);
    EXPECT_EQ(InterfaceLocaleID(), 0x0407u);
    EXPECT_EQ(InterfaceLanguageTag(), QStringLiteral("DEU"));

    SetChosenInterfaceLocaleID(0x040C);
    EXPECT_EQ(InterfaceLanguageTag(), QStringLiteral("FRA"));
    SetChosenInterfaceLocaleID(0);
    EXPECT_EQ(InterfaceLanguageTag(), QStringLiteral("DEU"));
}
