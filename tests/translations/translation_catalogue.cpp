#include "translation_catalogue.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {

QRegularExpression PatternOf(const QString& translation) {
    QString pattern = QRegularExpression::escape(translation);
    pattern.replace(QRegularExpression(R"(\\%[\dn])"), QStringLiteral(".*"));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

// A translation is its text, or, for a text with a count, one form per
// plural ("1 round", "2 rounds"); each form is a message of its own.
void TranslationCatalogue::ReadTranslation(QXmlStreamReader& xml, TranslationMessage message) {
    QString text;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("translation")) break;
        if (xml.isCharacters()) text += xml.text();
        if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
            numerus = true;
            message.Translation = xml.readElementText();
            Add(message);
        }
    }
    if (numerus) return;
    message.Translation = text;
    Add(message);
}

void TranslationCatalogue::Add(const TranslationMessage& message) {
    messages_.append(message);
    patterns_.append(PatternOf(message.Translation));
}

TranslationCatalogue::TranslationCatalogue(const QString& tsPath) {
    QFile file(tsPath);
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = tsPath + ": " + file.errorString();
        return;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TranslationMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = {context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.Source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.Type = xml.attributes().value(QLatin1String("type")).toString();
            ReadTranslation(xml, message);
        }
    }
    if (xml.hasError()) error_ = tsPath + ": " + xml.errorString();
}

namespace {

// Data, not words: numbers (with their signs, separators, percent signs and
// brackets), and a file path as it follows a message.
bool IsData(const QString& text) {
    static const QRegularExpression numbers(QStringLiteral(R"(^[\s\d.,+\-%()]*$)"));
    return numbers.match(text).hasMatch() || text.startsWith('/');
}

} // namespace

bool TranslationCatalogue::IsTranslatedText(const QString& text) const {
    if (IsData(text)) return true;
    for (qsizetype i = 0; i < messages_.size(); ++i) {
        if (patterns_[i].match(text).hasMatch()) return true;
        const QString& translation = messages_[i].Translation;
        if (!translation.isEmpty() && text.startsWith(translation) &&
            IsData(text.mid(translation.size())))
            return true;
    }
    return false;
}
