// The messages of a Qt .ts translation file, and whether a text shown by the
// window is one of its translations.
#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>

class QXmlStreamReader;

struct TranslationMessage {
    QString Context;
    QString Source;
    QString Translation;
    QString Type; // "unfinished", "vanished", "obsolete", or empty when finished
};

class TranslationCatalogue {
  public:
    // Reads the file; Error() says what went wrong when it could not.
    explicit TranslationCatalogue(const QString& tsPath);

    const QList<TranslationMessage>& Messages() const { return messages_; }
    const QString& Error() const { return error_; }

    // True for a text that a translation gives, arguments (%1, %2, ...) filled
    // (and the count %n) in with anything, possibly followed by numbers or a file path, and for a
    // text of numbers alone (cells and scales).
    bool IsTranslatedText(const QString& text) const;

  private:
    void ReadTranslation(QXmlStreamReader& xml, TranslationMessage message);
    void Add(const TranslationMessage& message);

    QList<TranslationMessage> messages_;
    QList<QRegularExpression> patterns_;
    QString error_;
};
