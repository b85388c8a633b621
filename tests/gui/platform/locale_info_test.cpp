#include <QTest>

#include "platform/locale_info.h"

using namespace torvex::gui;

class LocaleInfoTest : public QObject {
    Q_OBJECT
private slots:
    void languageIdFromLocaleName_data();
    void languageIdFromLocaleName();
    void userLanguageFollowsPosixPrecedence_data();
    void userLanguageFollowsPosixPrecedence();
    void startChoices_data();
    void startChoices();
};

void LocaleInfoTest::languageIdFromLocaleName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("id");

    // Every German territory starts in German (low byte 07), only the United
    // States in US units, other languages with their usual sub-language.
    const QList<QPair<const char*, int>> rows{
        {"de_DE.UTF-8", 1031}, {"de_CH.UTF-8", 2055}, {"de_AT", 3079},     {"de_LU.UTF-8", 4103},
        {"de_LI.UTF-8", 5127}, {"de_BE.UTF-8", 1031}, {"de_DE@euro", 1031}, {"de-CH", 2055},
        {"en_US.UTF-8", 1033}, {"en_GB.ISO-8859-1", 2057}, {"en_AU.UTF-8", 3081}, {"en_CA", 4105},
        {"en_IE.UTF-8@euro", 6153}, {"en_ZA", 7177}, {"en_IN", 16393}, {"en_NG.UTF-8", 2057},
        {"en", 1033},          {"fr_FR.UTF-8", 1036}, {"fr_CA", 3084},      {"es_ES.UTF-8", 3082},
        {"it_IT", 1040},       {"nl_NL", 1043},       {"ja_JP.eucJP", 1041}, {"zh_TW", 1028},
        {"eo.UTF-8", 4096},    {"C", 1033},           {"C.UTF-8", 1033},    {"POSIX", 1033},
        {"", 1033}};
    for (const auto& [name, id] : rows)
        QTest::newRow(*name ? name : "(empty)") << QString::fromLatin1(name) << id;
}

void LocaleInfoTest::languageIdFromLocaleName() {
    QFETCH(QString, name);
    QFETCH(int, id);
    QCOMPARE(LanguageIdFromLocaleName(name), id);
}

void LocaleInfoTest::userLanguageFollowsPosixPrecedence_data() {
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<int>("id");

    QTest::newRow("LC_ALL wins") << "de_CH.UTF-8" << "en_GB.UTF-8" << "en_US.UTF-8" << 2055;
    QTest::newRow("then LC_MESSAGES") << "" << "de_AT.UTF-8" << "en_US.UTF-8" << 3079;
    QTest::newRow("then LANG") << "" << "" << "en_GB.UTF-8" << 2057;
    QTest::newRow("nothing set") << "" << "" << "" << 1033;
}

void LocaleInfoTest::userLanguageFollowsPosixPrecedence() {
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(int, id);
    const QList<QPair<const char*, QString>> variables{{"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}};
    for (const auto& [name, value] : variables) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    }
    QCOMPARE(UserDefaultLanguageId(), id);
}

void LocaleInfoTest::startChoices_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("german");
    QTest::addColumn<bool>("usUnits");
    // German for every German territory (low byte 07), US units for US
    // English alone; the bits above the identifier's 16 are not read.
    QTest::newRow("1031 Germany") << 1031 << true << false;
    QTest::newRow("2055 Switzerland") << 2055 << true << false;
    QTest::newRow("5127 Liechtenstein") << 5127 << true << false;
    QTest::newRow("1033 United States") << 1033 << false << true;
    QTest::newRow("2057 United Kingdom") << 2057 << false << false;
    QTest::newRow("1036 France") << 1036 << false << false;
    QTest::newRow("1031 with sort bits") << (0x10000 | 1031) << true << false;
    QTest::newRow("1033 with sort bits") << (0x10000 | 1033) << false << true;
}

void LocaleInfoTest::startChoices() {
    QFETCH(int, id);
    const LocaleChoices choices = ChoicesFromLanguageId(id);
    QTEST(choices.language == torvex::Language::German, "german");
    QTEST(choices.units == torvex::UnitSystem::Us, "usUnits");
}

QTEST_APPLESS_MAIN(LocaleInfoTest)
#include "locale_info_test.moc"
