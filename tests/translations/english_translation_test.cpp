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

  private:
    TranslationCatalogue catalogue_{QStringLiteral(ENGLISH_TS)};
    QTranslator translator_;
};

void EnglishTranslationTest::initTestCase() {
    QVERIFY2(catalogue_.Error().isEmpty(), qPrintable(catalogue_.Error()));
    QVERIFY(catalogue_.Messages().size() > 50);
    const QString folder = QCoreApplication::applicationDirPath() + "/translations";
    QVERIFY2(InstallLanguage("en", folder, translator_), qPrintable(folder));
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
    QCOMPARE(QCoreApplication::translate("MainWindow", "Pomoc"), QString("Help"));
}

void EnglishTranslationTest::WindowMenusAndDialogsShowOnlyTranslatedTexts() {
    MainWindow form;
    QVERIFY(form.StartupSucceeded());
    QStringList texts = TextsOf(&form) + TextsOf(form.resultsRowMenu);
    for (const auto& row : form.State().Indices.Cells)
        for (const QString& cell : row)
            texts << cell;
    for (const auto& row : form.State().Results.Cells)
        for (const QString& cell : row)
            texts << cell;
    AboutBox about(1024);
    HelpWindow help;
    SettingsDialog settings(SettingsTableCells(*form.State().History));
    texts += TextsOf(&about) + TextsOf(&help) + TextsOf(&settings);

    const QStringList left = Untranslated(catalogue_, texts);
    QVERIFY2(left.isEmpty(), qPrintable("Untranslated: " + left.join(" | ")));
    // The window is English throughout.
    QVERIFY(texts.contains("Help") && texts.contains("Settings") && texts.contains("Authors"));
    QVERIFY(!texts.contains("Pomoc") && !texts.contains("Settins") && !texts.contains("Autorzy"));
}

void EnglishTranslationTest::MessageBoxesAndDataSourceLineAreEnglish() {
    MainWindow form;
    QVERIFY(form.StartupSucceeded());
    QTemporaryDir user;
    QVERIFY(QDir(user.path()).mkpath("simulations"));
    form.State().Folders.User = user.path() + "/";

    MessageBoxCatcher catcher;
    catcher.CatchNext();
    form.saveAction->trigger();
    const QString saved = user.path() + "/simulations/data_default.spi";
    QVERIFY(QFile::exists(saved));
    QVERIFY2(catcher.Seen.contains("File saved in " + saved), qPrintable(catcher.Seen.join('|')));
    QCOMPARE(form.dataSourceLine->text(), QString("File:  data_default"));

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

BREATHLAB_WINDOW_TEST_MAIN(EnglishTranslationTest)
#include "english_translation_test.moc"
