// The English translation: every text of the code has a finished English form,
// none of them keeps a word of another language, and the window, its menus,
// dialogs and message boxes built with the translation installed show only
// translated texts (or numbers).
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include "about_box.h"
#include "app_language.h"
#include "help_pages.h"
#include "help_window.h"
#include "main_window.h"
#include "settings_dialog.h"
#include "string_grid.h"
#include "translation_catalogue.h"
#include "window_test_main.h"

using namespace breathlab;

namespace {

// Gathers every text a user can read in a window: titles, labels, buttons,
// group boxes, combo items, menus and their items, grid and table cells.
// Controls that only hold state and are never shown are left out.
QStringList TextsOf(QWidget* window) {
    QStringList texts{window->windowTitle()};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
        if (auto* menu = qobject_cast<QMenu*>(w)) texts << menu->title();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (auto* grid = qobject_cast<StringGrid*>(w))
            for (int row = 0; row < grid->RowCount(); ++row)
                for (int col = 0; col < grid->ColCount(); ++col)
                    texts << grid->Cell(col, row);
        if (auto* table = qobject_cast<QTableWidget*>(w))
            for (int row = 0; row < table->rowCount(); ++row)
                for (int col = 0; col < table->columnCount(); ++col)
                    if (const QTableWidgetItem* item = table->item(row, col)) texts << item->text();
    }
    for (QAction* action : window->findChildren<QAction*>())
        texts << action->text();
    return texts;
}

// Answers the next message box that opens, keeping its title and text.
class MessageBoxCatcher : public QObject {
  public:
    QStringList Seen;

    void CatchNext() {
        tries_ = 0;
        QTimer::singleShot(10, this, [this] { Look(); });
    }

  private:
    void Look() {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Seen << box->windowTitle() << box->text();
            for (QAbstractButton* button : box->buttons())
                Seen << button->text();
            box->done(QMessageBox::Ok);
        } else if (++tries_ < 6000) { // a loaded machine may take many seconds
            QTimer::singleShot(10, this, [this] { Look(); });
        }
    }
    int tries_ = 0;
};

QStringList Untranslated(const TranslationCatalogue& catalogue, const QStringList& texts) {
    QStringList left;
    for (const QString& text : texts)
        if (!catalogue.IsTranslatedText(text)) left << text;
    return left;
}

} // namespace

class EnglishTranslationTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanupTestCase();
    void EveryTextHasAFinishedEnglishForm();
    void NoEnglishTextKeepsAnotherLanguage();
    void WindowMenusAndDialogsShowOnlyTranslatedTexts();
    void MessageBoxesAndDataSourceLineAreEnglish();
    void NumbersKeepTheLocalesDecimalSeparator();
    void UnknownLanguageKeepsTheBuiltInTexts();
    void EveryLocaleWithoutATranslationGetsEnglish();
    void HelpPagesFollowTheWindowsLanguage();

  private:
    TranslationCatalogue catalogue_{QStringLiteral(ENGLISH_TS)};
    QTranslator translator_;
};

// The language is chosen from the machine's locale as the program chooses it
// at start-up; CTest runs these tests under C.UTF-8 and de_DE.UTF-8 too,
// neither of which has a translation of its own.
void EnglishTranslationTest::initTestCase() {
    QVERIFY2(catalogue_.Error().isEmpty(), qPrintable(catalogue_.Error()));
    QVERIFY(catalogue_.Messages().size() > 50);
    const QString folder = QCoreApplication::applicationDirPath() + "/translations";
    const QString language =
        ChooseLanguage("", "", QLocale::system(), TranslatedLanguages(folder));
    QCOMPARE(language, QString("en"));
    QVERIFY2(InstallLanguage(language, folder, translator_), qPrintable(folder));
}

void EnglishTranslationTest::cleanupTestCase() {
    QCoreApplication::removeTranslator(&translator_);
}

void EnglishTranslationTest::EveryTextHasAFinishedEnglishForm() {
    QStringList unfinished;
    for (const TranslationMessage& m : catalogue_.Messages())
        if (!m.Type.isEmpty() || (m.Translation.isEmpty() && !m.Source.isEmpty()))
            unfinished << m.Context + ": " + m.Source;
    QVERIFY2(unfinished.isEmpty(), qPrintable(unfinished.join('\n')));
}

void EnglishTranslationTest::NoEnglishTextKeepsAnotherLanguage() {
    // The words of another language and the typo the built-in texts carry.
    const QRegularExpression foreign(
        QStringLiteral(R"(\b(Pomoc|pauza|Autorzy|Plik|Rozmiar|Settins|swiat|swia|OBW)\b)"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList kept;
    for (const TranslationMessage& m : catalogue_.Messages()) {
        if (foreign.match(m.Translation).hasMatch()) kept << m.Translation;
        for (QChar c : m.Translation)
            if (c.unicode() > 127) kept << m.Translation;
    }
    QVERIFY2(kept.isEmpty(), qPrintable(kept.join('\n')));
    QCOMPARE(QCoreApplication::translate("RunsTableView", "Pomoc"), QString("Help"));
    // Counts take Qt's plural forms.
    const char* score = "Score: %1 of %2 (%n round(s))";
    QCOMPARE(QCoreApplication::translate("ExerciseDialog", score, nullptr, 1),
             QString("Score: %1 of %2 (1 round)"));
    QCOMPARE(QCoreApplication::translate("ExerciseDialog", score, nullptr, 2),
             QString("Score: %1 of %2 (2 rounds)"));
    QCOMPARE(QCoreApplication::translate("ExerciseDialog", score, nullptr, 0),
             QString("Score: %1 of %2 (0 rounds)"));
}

void EnglishTranslationTest::WindowMenusAndDialogsShowOnlyTranslatedTexts() {
    MainWindow form;
    QVERIFY(form.StartupSucceeded());
    QStringList texts = TextsOf(&form) + TextsOf(Named<QMenu>(form, "resultsRowMenu"));
    for (const auto& row : form.State().Indices.Cells)
        for (const QString& cell : row)
            texts << cell;
    for (const auto& row : form.State().Results.Cells)
        for (const QString& cell : row)
            texts << cell;
    AboutBox about(1024);
    HelpWindow help;
    SettingsDialog settings(SettingsTableCells(form.State().Session.Runs()));
    texts += TextsOf(&about) + TextsOf(&help) + TextsOf(&settings);

    const QStringList left = Untranslated(catalogue_, texts);
    QVERIFY2(left.isEmpty(), qPrintable("Untranslated: " + left.join(" | ")));
    // The window is English throughout.
    QVERIFY(texts.contains("Help") && texts.contains("Settings") && texts.contains("Authors"));
    QVERIFY(!texts.contains("Pomoc") && !texts.contains("Settins") && !texts.contains("Autorzy"));
    // The indices as spirometry reports name them.
    QVERIFY(texts.contains("FVC") && texts.contains("FEV1/FVC"));
    QVERIFY(!texts.contains("FVCEX") && !texts.contains("FEV1%FVC"));
}

void EnglishTranslationTest::MessageBoxesAndDataSourceLineAreEnglish() {
    MainWindow form;
    QVERIFY(form.StartupSucceeded());
    QTemporaryDir user;
    QVERIFY(QDir(user.path()).mkpath("simulations"));
    form.State().Folders.User = user.path() + "/";

    MessageBoxCatcher catcher;
    catcher.CatchNext();
    Named<QAction>(form, "saveAction")->trigger();
    const QString saved = user.path() + "/simulations/data_default.spi";
    QVERIFY(QFile::exists(saved));
    QVERIFY2(catcher.Seen.contains("File saved in " + saved), qPrintable(catcher.Seen.join('|')));
    QCOMPARE(Named<QLabel>(form, "dataSourceLine")->text(), QString("File:  data_default"));

    catcher.CatchNext();
    form.OpenFileFromCommandLine(user.path() + "/no such case.spi");
    QVERIFY(catcher.Seen.size() > 2);
    const QStringList left = Untranslated(catalogue_, catcher.Seen);
    QVERIFY2(left.isEmpty(), qPrintable("Untranslated: " + left.join(" | ")));
}

void EnglishTranslationTest::NumbersKeepTheLocalesDecimalSeparator() {
    // The translation changes words, never how numbers are written.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        MainWindow form;
        QVERIFY(form.StartupSucceeded());
        QCOMPARE(form.State().Indices.Cells[1][0], QString("FEV1"));
        QCOMPARE(form.State().Indices.Cells[1][2], QString("2,84"));
        QCOMPARE(form.State().Indices.Cells[0][2], QString("Ref."));
    }
    QLocale::setDefault(before);
}

void EnglishTranslationTest::UnknownLanguageKeepsTheBuiltInTexts() {
    QTranslator other;
    const QString folder = QCoreApplication::applicationDirPath() + "/translations";
    QVERIFY(!InstallLanguage("xx", folder, other));
    QVERIFY(InstallLanguage("C", folder, other));
    QVERIFY(other.isEmpty());
}

// C and C.UTF-8 (containers, fresh machines), German and Polish have no
// translation of their own: all get the English window, settings view included.
void EnglishTranslationTest::EveryLocaleWithoutATranslationGetsEnglish() {
    const QString folder = QCoreApplication::applicationDirPath() + "/translations";
    const QStringList translated = TranslatedLanguages(folder);
    QCOMPARE(translated, QStringList{"en"});
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::Polish, QLocale::Poland)})
        QCOMPARE(ChooseLanguage("", "", locale, translated), QString("en"));
    MainWindow form;
    QVERIFY(form.StartupSucceeded());
    SettingsDialog settings(SettingsTableCells(form.State().Session.Runs()));
    const QStringList texts = TextsOf(&settings);
    for (const char* english : {"R(1/lumen)", "PERIPH. R(1/lumen)", "Size"})
        QVERIFY2(texts.contains(english), english);
    for (const char* builtIn : {"R(1/swiat)", "OBW. R(1/swia)", "Rozmiar"})
        QVERIFY2(!texts.contains(builtIn), builtIn);
}

// The English window opens the English pages, which name what it shows; the
// built-in texts keep the built-in pages. Every page exists in both.
void EnglishTranslationTest::HelpPagesFollowTheWindowsLanguage() {
    QCOMPARE(HelpFolder(), QString("helpfiles/en/"));
    const QDir data(QCoreApplication::applicationDirPath());
    const QStringList builtInPages =
        QDir(data.filePath("helpfiles")).entryList({"*.rtf", "*.txt"}, QDir::Files);
    QVERIFY(builtInPages.size() >= 8);
    const QRegularExpression notEnglish(
        QStringLiteral(R"(\b(Pomoc|pauza|Autorzy|Plik|Rozmiar|Settins|swiat|swia|FVCEX)\b|FEV1%FVC)"));
    for (const QString& page : builtInPages) {
        QFile english(data.filePath(HelpFolder() + page));
        QVERIFY2(english.open(QIODevice::ReadOnly), qPrintable(english.fileName()));
        const QString text = QString::fromLatin1(english.readAll());
        const QRegularExpressionMatch match = notEnglish.match(text);
        QVERIFY2(!match.hasMatch(), qPrintable(page + ": " + match.captured()));
    }
    QFile resultsPage(data.filePath(HelpPagePath(data.path() + "/", kResultsTableHelpPage)));
    QVERIFY(resultsPage.open(QIODevice::ReadOnly));
    const QString results = QString::fromLatin1(resultsPage.readAll());
    QVERIFY(results.contains("{\\b Settings}") && results.contains("{\\b Help}"));

    QCoreApplication::removeTranslator(&translator_);
    const QString builtInFolder = HelpFolder();
    QCoreApplication::installTranslator(&translator_);
    QCOMPARE(builtInFolder, QString("helpfiles/"));
}

BREATHLAB_WINDOW_TEST_MAIN(EnglishTranslationTest)
#include "english_translation_test.moc"
