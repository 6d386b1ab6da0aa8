// The fonts the tests measure and the font the program chooses. The tests run
// with a fontconfig set-up of their own (tests/fonts/CMakeLists.txt); these
// checks make sure it is in force and that it holds the faces the layout is
// checked in, and that the program's choice resolves to its family there.
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

#include "program_font.h"

namespace {

class FontChoiceTest : public QObject {
    Q_OBJECT

private slots:
    void testsSeeOnlyTheSetupsFonts() {
        const QByteArray config = qgetenv("FONTCONFIG_FILE");
        QVERIFY2(config.endsWith("test-fonts/fonts.conf"),
                 "FONTCONFIG_FILE is not the tests' own set-up: " + config);
        // Qt lists fontconfig's generic names beside the real families.
        const QStringList generic{"Monospace", "Sans Serif", "Serif"};
        for (const QString& family : QFontDatabase::families()) {
            const bool fromSetup = generic.contains(family) || family.startsWith("Liberation") ||
                                   family.startsWith("DejaVu") || family.startsWith("Noto");
            QVERIFY2(fromSetup, qPrintable("a font the setup does not install: " + family));
        }
    }

    // The program's family and the two common system faces the layout is
    // also checked in are there under their own names, not as stand-ins.
    void theLayoutsFacesAreThere_data() {
        QTest::addColumn<QString>("family");
        QTest::newRow("program") << QString::fromLatin1(breathlab::kProgramFontFamily);
        QTest::newRow("DejaVu") << QStringLiteral("DejaVu Sans");
        QTest::newRow("Noto") << QStringLiteral("Noto Sans");
    }
    void theLayoutsFacesAreThere() {
        QFETCH(QString, family);
        QFont font(family);
        font.setStyleStrategy(QFont::NoFontMerging);
        QCOMPARE(QFontInfo(font).family(), family);
    }

    // On a machine with only the Liberation fonts fontconfig gave "MS Sans
    // Serif" as Liberation Mono; every name in the code must come out as the
    // face with its metrics, and the application's own font as the family.
    void theProgramsNamesResolveToItsFamily() {
        breathlab::UseProgramFont();
        QCOMPARE(QFontInfo(QApplication::font()).family(),
                 QString::fromLatin1(breathlab::kProgramFontFamily));
        for (const breathlab::FontSubstitution& substitution : breathlab::kFontSubstitutions)
            QCOMPARE(QFontInfo(QFont(QString::fromLatin1(substitution.Named))).family(),
                     QString::fromLatin1(substitution.Shown));
    }

    void anUnknownFamilyFallsBackToTheSansFace() {
        QCOMPARE(QFontInfo(QFont(QStringLiteral("A Face Nobody Has"))).family(),
                 QString::fromLatin1(breathlab::kProgramFontFamily));
    }
};

} // namespace

QTEST_MAIN(FontChoiceTest)
#include "font_choice_test.moc"
