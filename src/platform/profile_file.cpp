#include "platform/profile_file.h"

#include <algorithm>

namespace zorva {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// "[name]" with blanks allowed around the line and the name; anything after the last "]" is ignored.
std::optional<std::string_view> SectionNameOf(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    const auto close = line.rfind(']');
    if (close == 0 || close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(line.substr(1, close - 1));
}

struct TKeyLine {
    std::string_view Key;
    std::string_view Value;
};

// "key=value" with blanks allowed around both; a line without "=" or a section header is no key.
std::optional<TKeyLine> KeyLineOf(std::string_view line) {
    if (SectionNameOf(line)) {
        return std::nullopt;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return TKeyLine{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::string WithoutLineBreaks(std::string_view value) {
    std::string text(value);
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

} // namespace

TProfileFile TProfileFile::Parse(std::string_view text) {
    TProfileFile file;
    file.storage_.assign(text);
    const std::string& all = file.storage_;
    std::size_t position = 0;
    if (all.starts_with(ByteOrderMark)) {
        file.byteOrderMark_ = true;
        position = ByteOrderMark.size();
    }
    bool lineBreakSeen = false;
    while (position < all.size()) {
        const auto end = all.find_first_of("\r\n", position);
        if (end == std::string::npos) {
            file.lines_.push_back({position, all.size() - position});
            break;
        }
        file.lines_.push_back({position, end - position});
        const bool crlf = all[end] == '\r' && end + 1 < all.size() && all[end + 1] == '\n';
        if (!lineBreakSeen) {
            file.lineBreak_ = crlf ? "\r\n" : std::string(1, all[end]);
            lineBreakSeen = true;
        }
        position = end + (crlf ? 2 : 1);
    }
    return file;
}

std::optional<TProfileFile::TSectionSpan> TProfileFile::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionNameOf(Text(lines_[i]));
        if (!name || !EqualIgnoringCase(*name, section)) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < lines_.size() && !SectionNameOf(Text(lines_[end]))) {
            ++end;
        }
        return TSectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> TProfileFile::FindKey(const TSectionSpan& span, std::string_view key) const {
    for (std::size_t i = span.Header + 1; i < span.End; ++i) {
        const auto keyLine = KeyLineOf(Text(lines_[i]));
        if (keyLine && EqualIgnoringCase(keyLine->Key, key)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> TProfileFile::GetString(std::string_view section, std::string_view key) const {
    const auto span = FindSection(section);
    if (!span) {
        return std::nullopt;
    }
    const auto index = FindKey(*span, key);
    if (!index) {
        return std::nullopt;
    }
    return std::string(KeyLineOf(Text(lines_[*index]))->Value.substr(0, MaxValueLength));
}

TProfileFile::TLine TProfileFile::Store(std::string_view text) {
    const TLine line{storage_.size(), text.size()};
    storage_.append(text);
    return line;
}

void TProfileFile::SetString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string cleanValue = WithoutLineBreaks(value);
    const auto span = FindSection(section);
    if (!span) {
        if (!lines_.empty() && !Trim(Text(lines_.back())).empty()) {
            lines_.push_back(Store(""));
        }
        lines_.push_back(Store("[" + std::string(section) + "]"));
        lines_.push_back(Store(std::string(key) + "=" + cleanValue));
        return;
    }
    if (const auto index = FindKey(*span, key)) {
        // The key keeps its line and the spelling the file gave it.
        const std::string keyName(KeyLineOf(Text(lines_[*index]))->Key);
        lines_[*index] = Store(keyName + "=" + cleanValue);
        return;
    }
    // After the section's last line that is not blank, so the blank lines that part it from the
    // next section stay where they are.
    std::size_t insertAt = span->Header + 1;
    for (std::size_t i = span->Header + 1; i < span->End; ++i) {
        if (!Trim(Text(lines_[i])).empty()) {
            insertAt = i + 1;
        }
    }
    const TLine line = Store(std::string(key) + "=" + cleanValue);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
}

std::string TProfileFile::Serialise() const {
    std::string text;
    if (byteOrderMark_) {
        text += ByteOrderMark;
    }
    for (const TLine& line : lines_) {
        text += Text(line);
        text += lineBreak_;
    }
    return text;
}

} // namespace zorva
