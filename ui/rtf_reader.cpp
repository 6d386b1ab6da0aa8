#include "rtf_reader.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <vector>

namespace breathlab {

namespace {

// Real pages nest a few groups; anything deeper is skipped whole, which keeps
// both the stack and the time bounded for hostile input.
constexpr int kMaxGroupDepth = 64;
constexpr int kMaxControlWordLength = 32;
constexpr int kMaxParameterDigits = 10;
constexpr int kMaxColourEntries = 256;
constexpr int kMaxUnicodeSkip = 16;
constexpr int kDefaultHalfPoints = 24; // \fs without a number: 12 pt
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 400;

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

QChar FromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return QChar(kCp1252High[byte - 0x80]);
    return QChar(byte);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

enum class Destination { Text, Skipped, ColourTable };

// Character properties and what the group's text is for; a closing brace
// brings back those of the enclosing group.
struct GroupState {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int HalfPoints = 0; // 0: the document's default size
    int Colour = 0;     // index into the colour table; 0 the default colour
    int UnicodeSkip = 1;
    Destination Target = Destination::Text;
};

struct ControlWord {
    QByteArray Name;
    bool HasParameter = false;
    int Parameter = 0;
};

bool IsSkippedDestination(const QByteArray& word) {
    static const std::array<const char*, 16> kSkipped = {
        "fonttbl",  "stylesheet", "info",    "pict",     "header",  "headerl",
        "headerr",  "headerf",    "footer",  "footerl",  "footerr", "footerf",
        "footnote", "object",     "fldinst", "listtable"};
    return std::any_of(kSkipped.begin(), kSkipped.end(),
                       [&](const char* name) { return word == name; });
}

class RtfParser {
  public:
    RtfParser(const QByteArray& rtf, QTextDocument& document) : in_(rtf), cursor_(&document) {}

    void Run() {
        // One edit block for the whole page: the document lays itself out once
        // instead of after every change of format, which grew with the square
        // of the page's length.
        cursor_.beginEditBlock();
        while (pos_ < in_.size()) {
            const char c = in_[pos_++];
            if (c == '{')
                OpenGroup();
            else if (c == '}')
                CloseGroup();
            else if (c == '\\')
                ReadEscape();
            else
                ReadPlainByte(c);
        }
        Flush();
        cursor_.endEditBlock();
    }

  private:
    void OpenGroup() {
        Flush();
        skipAfterUnicode_ = 0;
        if (overflow_ > 0 || int(stack_.size()) >= kMaxGroupDepth) {
            ++overflow_;
            return;
        }
        stack_.push_back(state_);
    }

    void CloseGroup() {
        Flush();
        skipAfterUnicode_ = 0;
        if (overflow_ > 0) {
            --overflow_;
        } else if (!stack_.empty()) {
            state_ = stack_.back();
            stack_.pop_back();
        }
    }

    // Text counts only in the body; skipped groups and the colour table hold none.
    bool Ignoring() const { return overflow_ > 0 || state_.Target != Destination::Text; }

    void ReadPlainByte(char c) {
        if (c == '\r' || c == '\n') return; // line ends in the source mean nothing
        if (c == ';' && state_.Target == Destination::ColourTable) {
            EndColourEntry();
            return;
        }
        if (c != '\t' && static_cast<unsigned char>(c) < 0x20) return;
        AddText(FromCp1252(static_cast<unsigned char>(c)));
    }

    void ReadEscape() {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        if (IsLetter(c)) {
            ApplyWord(ReadControlWord());
            return;
        }
        ++pos_;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            AddText(QChar(c));
            break;
        case '\'':
            ReadHexByte();
            break;
        case '~':
            AddText(QChar(0x00A0));
            break;
        case '_':
            AddText(QChar(0x2011));
            break;
        case '*':
            MarkSkipped();
            break;
        case '\r':
        case '\n':
            EndParagraph();
            break;
        default:
            break; // optional hyphens and unknown symbols
        }
    }

    ControlWord ReadControlWord() {
        ControlWord word;
        while (pos_ < in_.size() && IsLetter(in_[pos_])) {
            if (word.Name.size() < kMaxControlWordLength) word.Name += in_[pos_];
            ++pos_;
        }
        const bool negative = pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1]);
        if (negative) ++pos_;
        long long value = 0;
        int digits = 0;
        while (pos_ < in_.size() && IsDigit(in_[pos_])) {
            // Further digits are read past but cannot grow the number.
            if (digits++ < kMaxParameterDigits) value = value * 10 + (in_[pos_] - '0');
            ++pos_;
        }
        if (digits > 0) {
            word.HasParameter = true;
            value = std::clamp(negative ? -value : value, -2147483647LL, 2147483647LL);
            word.Parameter = static_cast<int>(value);
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        return word;
    }

    void ReadHexByte() {
        if (pos_ + 1 >= in_.size()) {
            pos_ = in_.size();
            return;
        }
        const int high = HexValue(in_[pos_]);
        const int low = HexValue(in_[pos_ + 1]);
        if (high < 0 || low < 0) { // not an escape after all: keep the quote and read on
            AddText(QChar('\''));
            return;
        }
        pos_ += 2;
        AddText(FromCp1252(static_cast<unsigned char>(high * 16 + low)));
    }

    void MarkSkipped() {
        Flush();
        state_.Target = Destination::Skipped;
    }

    void ApplyWord(const ControlWord& word) {
        if (overflow_ > 0) return;
        const QByteArray& w = word.Name;
        if (w == "u") {
            AddUnicode(word.Parameter);
            return;
        }
        skipAfterUnicode_ = 0;
        if (state_.Target == Destination::ColourTable) {
            ApplyColourComponent(word);
            return;
        }
        if (IsSkippedDestination(w))
            MarkSkipped();
        else if (w == "colortbl")
            StartColourTable();
        else if (w == "par" || w == "page" || w == "sect" || w == "row")
            EndParagraph();
        else if (w == "line")
            AddText(QChar(QChar::LineSeparator));
        else if (w == "tab" || w == "cell")
            AddText(QChar('\t'));
        else if (w == "bullet")
            AddText(QChar(0x2022));
        else if (w == "endash")
            AddText(QChar(0x2013));
        else if (w == "emdash")
            AddText(QChar(0x2014));
        else if (w == "lquote")
            AddText(QChar(0x2018));
        else if (w == "rquote")
            AddText(QChar(0x2019));
        else if (w == "ldblquote")
            AddText(QChar(0x201C));
        else if (w == "rdblquote")
            AddText(QChar(0x201D));
        else if (w == "uc")
            state_.UnicodeSkip = std::clamp(word.Parameter, 0, kMaxUnicodeSkip);
        else
            ApplyFormatting(word);
    }

    void ApplyFormatting(const ControlWord& word) {
        const QByteArray& w = word.Name;
        const bool on = !word.HasParameter || word.Parameter != 0;
        Flush();
        if (w == "b")
            state_.Bold = on;
        else if (w == "i")
            state_.Italic = on;
        else if (w == "ul")
            state_.Underline = on;
        else if (w == "ulnone")
            state_.Underline = false;
        else if (w == "fs")
            state_.HalfPoints = std::clamp(word.HasParameter ? word.Parameter : kDefaultHalfPoints,
                                           kMinHalfPoints, kMaxHalfPoints);
        else if (w == "cf")
            state_.Colour = word.Parameter;
        else if (w == "plain")
            ResetCharacterFormat();
        else if (w == "pard" || w == "ql")
            SetAlignment(Qt::AlignLeft);
        else if (w == "qc")
            SetAlignment(Qt::AlignHCenter);
        else if (w == "qr")
            SetAlignment(Qt::AlignRight);
        else if (w == "qj")
            SetAlignment(Qt::AlignJustify);
    }

    void ResetCharacterFormat() {
        const GroupState defaults;
        state_.Bold = defaults.Bold;
        state_.Italic = defaults.Italic;
        state_.Underline = defaults.Underline;
        state_.HalfPoints = defaults.HalfPoints;
        state_.Colour = defaults.Colour;
    }

    void SetAlignment(Qt::Alignment alignment) {
        if (Ignoring()) return;
        QTextBlockFormat format;
        format.setAlignment(alignment);
        cursor_.mergeBlockFormat(format);
    }

    void AddUnicode(int value) {
        if (value < 0) value += 65536; // values above 32767 are written negative
        if (value >= 0 && value <= 0xFFFF) {
            skipAfterUnicode_ = 0;
            AddText(QChar(char16_t(value)));
        }
        skipAfterUnicode_ = state_.UnicodeSkip; // the fallback for older readers
    }

    void StartColourTable() {
        Flush();
        state_.Target = Destination::ColourTable;
        colours_.clear();
        pendingColour_ = QColor(0, 0, 0);
        colourGiven_ = false;
    }

    void ApplyColourComponent(const ControlWord& word) {
        const int value = std::clamp(word.Parameter, 0, 255);
        if (word.Name == "red")
            pendingColour_.setRed(value);
        else if (word.Name == "green")
            pendingColour_.setGreen(value);
        else if (word.Name == "blue")
            pendingColour_.setBlue(value);
        else
            return;
        colourGiven_ = true;
    }

    void EndColourEntry() {
        // An entry without components is the "automatic" colour.
        if (colours_.size() < kMaxColourEntries)
            colours_.append(colourGiven_ ? pendingColour_ : QColor());
        pendingColour_ = QColor(0, 0, 0);
        colourGiven_ = false;
    }

    void AddText(QChar c) {
        if (Ignoring()) return;
        if (skipAfterUnicode_ > 0) {
            --skipAfterUnicode_;
            return;
        }
        pending_ += c;
    }

    void EndParagraph() {
        skipAfterUnicode_ = 0;
        if (Ignoring()) return;
        Flush();
        cursor_.insertBlock();
    }

    QTextCharFormat CurrentFormat() const {
        QTextCharFormat format;
        format.setFontWeight(state_.Bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(state_.Italic);
        format.setFontUnderline(state_.Underline);
        if (state_.HalfPoints > 0) format.setFontPointSize(state_.HalfPoints / 2.0);
        if (state_.Colour > 0 && state_.Colour < colours_.size() &&
            colours_[state_.Colour].isValid())
            format.setForeground(colours_[state_.Colour]);
        return format;
    }

    void Flush() {
        if (pending_.isEmpty()) return;
        cursor_.insertText(pending_, CurrentFormat());
        pending_.clear();
    }

    const QByteArray& in_;
    qsizetype pos_ = 0;
    QTextCursor cursor_;
    std::vector<GroupState> stack_;
    int overflow_ = 0; // groups opened beyond the depth limit
    GroupState state_;
    QString pending_;
    int skipAfterUnicode_ = 0;
    QList<QColor> colours_;
    QColor pendingColour_{0, 0, 0};
    bool colourGiven_ = false;
};

} // namespace

void ReadRtf(const QByteArray& rtf, QTextDocument& document) {
    document.clear();
    RtfParser(rtf, document).Run();
}

} // namespace breathlab
