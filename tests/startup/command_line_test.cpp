// `breathlab [--lang CODE] [FILE.spi]`: the arguments, the language they and
// the kept setting and the locale choose, and the file opened after start-up,
// a missing or foreign one giving the usual message and changing nothing.
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <memory>

#include "app_language.h"
#include "history_file.h"
#include "main_window.h"
#include "program_arguments.h"
#include "window_test_main.h"

using namespace breathlab;

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void ArgumentsNameALanguageAndOneFile();
    void BadArgumentsAreRefused();
    void LanguageComesFromCommandLineThenSettingThenLocale();
    void NamedFileOpensLikeOpen();
    void MissingOrForeignFileShowsTheMessageAndChangesNothing();
};

void CommandLineTest::ArgumentsNameALanguageAndOneFile() {
    ProgramArguments a = ParseProgramArguments({});
    QVERIFY(a.Error.isEmpty() && a.File.isEmpty() && a.Language.isEmpty());

    a = ParseProgramArguments({"case.spi"});
    QCOMPARE(a.File, QString("case.spi"));
    QVERIFY(a.Error.isEmpty());

    a = ParseProgramArguments({"--lang", "en", "/home/t/My Cases/a.spi"});
    QCOMPARE(a.Language, QString("en"));
    QCOMPARE(a.File, QString("/home/t/My Cases/a.spi"));

    a = ParseProgramArguments({"--lang=C"});
    QCOMPARE(a.Language, QString("C"));
    QVERIFY(a.File.isEmpty());

    // After "--" a name may start with a dash; the file may also come first.
    a = ParseProgramArguments({"--", "-odd.spi"});
    QCOMPARE(a.File, QString("-odd.spi"));
    a = ParseProgramArguments({"b.spi", "--lang", "en"});
    QCOMPARE(a.File, QString("b.spi"));
    QCOMPARE(a.Language, QString("en"));
    QVERIFY(!a.Presentation);

    // A projector's window, with or without a file.
    a = ParseProgramArguments({"--presentation", "c.spi"});
    QVERIFY(a.Presentation && a.Error.isEmpty());
    QCOMPARE(a.File, QString("c.spi"));
    QVERIFY(ProgramUsage().contains("--presentation"));
}

void CommandLineTest::BadArgumentsAreRefused() {
    for (const QStringList& line :
         {QStringList{"--lang"}, QStringList{"--lang="}, QStringList{"--colour"},
          QStringList{"a.spi", "b.spi"}, QStringList{"a.spi", "--", "b.spi"}})
        QVERIFY2(!ParseProgramArguments(line).Error.isEmpty(), qPrintable(line.join(' ')));
    QVERIFY(ParseProgramArguments({"--colour"}).Error.contains("--colour"));
    QVERIFY(ProgramUsage().contains("--lang"));
}

void CommandLineTest::LanguageComesFromCommandLineThenSettingThenLocale() {
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale c = QLocale::c();
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    const QStringList onlyEnglish{"en"};
    // English for every locale without a translation of its own, the C locale
    // (LANG=C, C.UTF-8: containers, fresh machines) among them; the built-in
    // texts only when asked for by name.
    QCOMPARE(ChooseLanguage("", "", english, onlyEnglish), QString("en"));
    QCOMPARE(ChooseLanguage("", "", german, onlyEnglish), QString("en"));
    QCOMPARE(ChooseLanguage("", "", c, onlyEnglish), QString("en"));
    QCOMPARE(ChooseLanguage("", "", polish, onlyEnglish), QString("en"));
    QCOMPARE(ChooseLanguage("", "", german, {"en", "de"}), QString("de"));
    QCOMPARE(ChooseLanguage("", "en", german, onlyEnglish), QString("en"));
    QCOMPARE(ChooseLanguage("", "C", english, onlyEnglish), QString("C"));
    QCOMPARE(ChooseLanguage("C", "en", english, onlyEnglish), QString("C"));
    QCOMPARE(ChooseLanguage("en_US.UTF-8", "C", c, onlyEnglish), QString("en"));
    QCOMPARE(ChooseLanguage("EN-gb", "", c, onlyEnglish), QString("en"));
    QCOMPARE(ChooseLanguage("POSIX", "", english, onlyEnglish), QString("C"));
    QTemporaryDir folder;
    for (const char* name : {"breathlab_en.qm", "breathlab_de.qm", "other_fr.qm", "breathlab_pl.ts"}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QStringList found = TranslatedLanguages(folder.path());
    found.sort();
    QCOMPARE(found, QStringList({"de", "en"}));
    QCOMPARE(TranslationFile("/usr/share/breathlab/translations", "en"),
             QString("/usr/share/breathlab/translations/breathlab_en.qm"));
}

void CommandLineTest::NamedFileOpensLikeOpen() {
    QTemporaryDir folder;
    MainWindow form;
    QVERIFY(form.StartupSucceeded());
    AppState& s = form.State();
    // A saved case: the default history with runs in slots 2 and 4.
    auto history = std::make_unique<ResultHistory>(s.Session.Runs().Slots);
    (*history)[2].SampleVolume[0] = 1.0f;
    (*history)[4].SampleVolume[0] = 1.0f;
    const QString path = folder.path() + "/asthma case.spi";
    QVERIFY(WriteHistorySet(path, *history).Ok);

    form.OpenFileFromCommandLine(path);
    QCOMPARE(Named<QLabel>(form, "dataSourceLine")->text(), QString("Plik:  asthma case"));
    QCOMPARE(s.Session.Runs().RunCount, 3);
    QCOMPARE(s.Session.Runs().SelectedRun, 1);
    QCOMPARE(s.Session.Runs().Slots[4].SampleVolume[0], 1.0f);
    // "Save" afterwards still writes the default name, not the opened file.
    QCOMPARE(s.SaveName, QString("data_default.spi"));
}

void CommandLineTest::MissingOrForeignFileShowsTheMessageAndChangesNothing() {
    QTemporaryDir folder;
    const QString foreign = folder.path() + "/notes.spi";
    QFile file(foreign);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a simulation");
    file.close();

    MainWindow form;
    QVERIFY(form.StartupSucceeded());
    AppState& s = form.State();
    const auto before = std::make_unique<ResultHistory>(s.Session.Runs().Slots);
    for (const QString& path : {folder.path() + "/gone.spi", foreign}) {
        QString shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->done(QMessageBox::Ok);
            }
        });
        poll.start(10);
        form.OpenFileFromCommandLine(path);
        poll.stop();
        QVERIFY2(shown.contains(path), qPrintable(shown));
        QCOMPARE(Named<QLabel>(form, "dataSourceLine")->text(), QString("Data from file:  Standard"));
        QCOMPARE(s.Session.Runs().RunCount, 0);
        QCOMPARE(s.Session.Runs().SelectedRun, -1);
        QVERIFY(std::memcmp(before.get(), &s.Session.Runs().Slots, sizeof(ResultHistory)) == 0);
    }
    QVERIFY(form.isEnabled());
}

BREATHLAB_WINDOW_TEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
